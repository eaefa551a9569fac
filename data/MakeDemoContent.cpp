// ovdemo: the sample content of the demo installation, which the build writes into the
// installation folder (it is not kept in the repository): a Project with a sub-Project and
// three Equipments, their management files, fifteen drawings made by the stand-in host (each
// with a title block whose name cell holds the drawing's name, a location record, a few
// entities, or on a cover the container's name, contract number and model, and the preview the
// host draws when it saves; the panel fronts hold the parts that the exports count), a
// container template of each kind, the five drawing templates "MB-1标准…dwt" of
// "Support\TEMPLATE" (an A3 frame with its title block; the cover with the texts a change of
// the description fills), and the remembered current Project and Equipment pointing at the
// sample.
//
//   ovdemo INSTALLATION_FOLDER
//

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/TextFile.h"
#include "platform/text/Utf8.h"
#include "records/DrawingLocation.h"
#include "suite/OvDwgBtlInfo/TitleBlockFormat.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace stdfs = std::filesystem;

namespace {

struct DrawingPlan {
    const wchar_t* type; // display name of its drawing type
    const wchar_t* file;
    const wchar_t* name; // written in the title block
    const wchar_t* remark;
};

struct ContainerPlan {
    const wchar_t* folder; // below the Project (a sub-Project's Equipment: "sub\name")
    bool isProject;
    std::vector<CExplainInfoNode> entries;
    std::vector<DrawingPlan> drawings;
};

const wchar_t* const kProject = L"某220kV变电站扩建工程";

std::vector<CExplainInfoNode> ProjectEntries() {
    return {{L"工程名称", L"某220kV变电站扩建工程"},
            {L"工程合同号", L"HT-2026-0815"},
            {L"工程电气设计负责人", L"设计甲"}};
}

std::vector<CExplainInfoNode> EquipmentEntries(const wchar_t* name, const wchar_t* model,
                                               const wchar_t* book) {
    std::vector<CExplainInfoNode> entries = ProjectEntries();
    entries.insert(
        entries.end(),
        {{L"设备名称", name}, {L"设备型号", model}, {L"设备图册号", book}, {L"设备数量", L"1"}});
    return entries;
}

std::vector<ContainerPlan> SampleContainers() {
    return {
        {L"",
         true,
         ProjectEntries(),
         {{L"图纸目录", L"00 图纸目录.dwg", L"图纸目录", L"全工程"},
          {L"说明书", L"01 设计说明.dwg", L"设计说明", L""}}},
        {L"1号主变保护柜",
         false,
         EquipmentEntries(L"1号主变保护柜", L"PRC-78A", L"B1"),
         {{L"封面", L"B1-00.dwg", L"1号主变保护柜封面", L""},
          {L"原理图", L"B1-01.dwg", L"主变差动保护原理图", L"差动"},
          {L"原理图", L"B1-02.dwg", L"主变后备保护原理图", L""},
          {L"屏面布置图", L"B1-03.dwg", L"屏面布置图", L"正面"},
          {L"屏端子图", L"B1-04.dwg", L"屏端子排图", L""}}},
        {L"2号主变保护柜",
         false,
         EquipmentEntries(L"2号主变保护柜", L"PRC-78A", L"B2"),
         {{L"原理图", L"B2-01.dwg", L"主变差动保护原理图", L""},
          {L"屏面布置图", L"B2-02.dwg", L"屏面布置图", L""},
          {L"屏端子图", L"B2-03.dwg", L"屏端子排图", L""},
          {L"材料表", L"B2-04.dwg", L"设备材料表", L""}}},
        {L"35kV线路保护", true, {{L"工程名称", L"35kV线路保护"}}, {}},
        {L"35kV线路保护\\3号线路保护柜",
         false,
         EquipmentEntries(L"3号线路保护柜", L"PRC-41", L"B3"),
         {{L"原理图", L"B3-01.dwg", L"线路保护原理图", L""},
          {L"压板定义及排列图", L"B3-02.dwg", L"压板定义及排列图", L""},
          {L"接线图", L"B3-03.dwg", L"背面接线图", L""},
          {L"材料表", L"B3-04.dwg", L"设备材料表", L""}}},
    };
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    return name.empty() ? folder : folder + L"\\" + name;
}

std::wstring LastItem(const std::wstring& path) {
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void Fail(const std::wstring& what) {
    std::fprintf(stderr, "ovdemo: %s\n", text::ToUtf8(what).c_str());
    std::exit(1);
}

AcDbObjectId Append(AcDbDatabase& db, AcDbEntity* entity) {
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    if (space.openStatus() != Acad::eOk || space->appendAcDbEntity(id, entity) != Acad::eOk)
        Fail(L"an entity cannot be added");
    entity->close();
    return id;
}

void Line(AcDbDatabase& db, double x1, double y1, double x2, double y2) {
    Append(db, new AcDbLine({x1, y1, 0}, {x2, y2, 0}));
}

void Box(AcDbDatabase& db, double x1, double y1, double x2, double y2) {
    Line(db, x1, y1, x2, y1);
    Line(db, x2, y1, x2, y2);
    Line(db, x2, y2, x1, y2);
    Line(db, x1, y2, x1, y1);
}

void Text(AcDbDatabase& db, double x, double y, const std::wstring& text, double height) {
    if (text.empty())
        return;
    Append(db, new AcDbText({x, y, 0}, text, AcDbObjectId::kNull, height));
}

// The title block at the lower right corner of an A3 sheet: its cells are described in the
// record "TESSALINE_TITLE" (corners relative to the insertion point), its texts stand in
// model space inside the cells, the drawing's name in the name cell.
void TitleBlock(AcDbDatabase& db, const std::wstring& name, const std::wstring& project) {
    const AcGePoint3d base{235, 5, 0};
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"TITLE");
    AcDbObjectId blockId;
    {
        AcDbObjectPointer<AcDbBlockTable> table(db.blockTableId(), AcDb::kForWrite);
        if (table.openStatus() != Acad::eOk || table->add(blockId, block) != Acad::eOk)
            Fail(L"the title block cannot be defined");
        for (AcDbEntity* line : std::initializer_list<AcDbEntity*>{
                 new AcDbLine({0, 0, 0}, {180, 0, 0}), new AcDbLine({180, 0, 0}, {180, 56, 0}),
                 new AcDbLine({180, 56, 0}, {0, 56, 0}), new AcDbLine({0, 56, 0}, {0, 0, 0}),
                 new AcDbLine({0, 28, 0}, {180, 28, 0}), new AcDbLine({100, 0, 0}, {100, 56, 0})}) {
            block->appendAcDbEntity(line);
            line->close();
        }
        block->close();
    }
    AcDbObjectId reference = Append(db, new AcDbBlockReference(base, blockId));
    for (const wchar_t* application : kTitleBlockApplications) {
        auto* record = new AcDbRegAppTableRecord();
        record->setName(application);
        AcDbObjectPointer<AcDbRegAppTable> table(db.regAppTableId(), AcDb::kForWrite);
        AcDbObjectId id;
        if (table.openStatus() != Acad::eOk || table->add(id, record) != Acad::eOk)
            Fail(L"an application cannot be registered");
        record->close();
    }
    AcDbObjectPointer<AcDbBlockReference> opened(reference, AcDb::kForWrite);
    for (const wchar_t* application : kTitleBlockApplications)
        opened->setXData(application, {resbuf::Text(1000, L"A3")});
    opened->createExtensionDictionary();
    AcDbObjectPointer<AcDbDictionary> dictionary(opened->extensionDictionary(), AcDb::kForWrite);
    ResbufChain cells;
    for (const wchar_t* cell :
         {kTitleBeginMarker, L"A3", L"图样名称|0|28|100|0|5|0.7|宋体",
          L"工程名称|0|56|100|28|3.5|0.7|宋体", L"设计|100|56|180|28|3.5|0.7|宋体",
          L"图号|100|28|180|0|3.5|0.7|宋体", kTitleEndMarker})
        cells.push_back(resbuf::Text(1, cell));
    auto* record = new AcDbXrecord();
    record->setFromRbChain(cells);
    AcDbObjectId recordId;
    if (dictionary.openStatus() != Acad::eOk ||
        dictionary->setAt(kTitleRecordKey, record, recordId) != Acad::eOk)
        Fail(L"the title block's record cannot be written");
    record->close();
    Text(db, base.x + 5, base.y + 12, name, 5);
    Text(db, base.x + 5, base.y + 40, project, 3.5);
    Text(db, base.x + 105, base.y + 40, L"设计甲", 3.5);
}

// A block of the panel's parts: a 100 x 25 box, defined once per drawing.
AcDbObjectId PartBlock(AcDbDatabase& db, const std::wstring& name) {
    AcDbObjectId blockId = cad::FindRecord(db.blockTableId(), name);
    if (!blockId.isNull())
        return blockId;
    auto* block = new AcDbBlockTableRecord();
    block->setName(name);
    AcDbObjectPointer<AcDbBlockTable> table(db.blockTableId(), AcDb::kForWrite);
    if (table.openStatus() != Acad::eOk || table->add(blockId, block) != Acad::eOk)
        Fail(L"a part's block cannot be defined");
    for (AcDbEntity* line : std::initializer_list<AcDbEntity*>{
             new AcDbLine({0, 0, 0}, {100, 0, 0}), new AcDbLine({100, 0, 0}, {100, 25, 0}),
             new AcDbLine({100, 25, 0}, {0, 25, 0}), new AcDbLine({0, 25, 0}, {0, 0, 0})}) {
        block->appendAcDbEntity(line);
        line->close();
    }
    block->close();
    return blockId;
}

// The devices of a panel's front, top to bottom: each a block reference carrying its material
// data as extended data of "OVPART" (material code, name, model, size, maker, unit, kind,
// label), which the exported parts tables count.
struct PanelPart {
    const wchar_t* block;
    std::vector<std::wstring> data;
};

const std::vector<PanelPart>& PanelParts() {
    static const std::vector<PanelPart> parts = {
        {L"PD",
         {L"ZB-PRC78", L"主变保护装置", L"PRC-78A", L"", L"南瑞继保", L"台", L"保护装置", L"1n"}},
        {L"PD", {L"ZB-PCX21", L"操作箱", L"PCX-21", L"", L"南瑞继保", L"台", L"保护装置", L"4n"}},
        {L"KK", {L"KG-LW21", L"转换开关", L"LW21-16", L"", L"上海二工", L"个", L"元件", L"1KK"}},
        {L"LP", {L"YB-JL1", L"连接片", L"JL1-2.5", L"", L"正泰电器", L"个", L"元件", L"1LP1"}},
        {L"ZK", {L"KK-DZ47", L"空气开关", L"DZ47-63", L"C10", L"正泰电器", L"个", L"元件", L"1ZK"}},
    };
    return parts;
}

// The line protection panel's front holds a line protection device in place of the
// transformer's.
void PanelFront(AcDbDatabase& db, bool bLineProtection) {
    {
        auto* record = new AcDbRegAppTableRecord();
        record->setName(L"OVPART");
        AcDbObjectPointer<AcDbRegAppTable> table(db.regAppTableId(), AcDb::kForWrite);
        AcDbObjectId id;
        if (table.openStatus() != Acad::eOk || table->add(id, record) != Acad::eOk)
            Fail(L"the parts' application cannot be registered");
        record->close();
    }
    Box(db, 60, 60, 200, 280);
    double y = 240;
    std::vector<PanelPart> parts = PanelParts();
    if (bLineProtection)
        parts[0].data = {L"XL-PRC41", L"线路保护装置", L"PRC-41",   L"",
                         L"南瑞继保", L"台",           L"保护装置", L"1n"};
    for (const PanelPart& part : parts) {
        AcDbObjectId reference =
            Append(db, new AcDbBlockReference({80, y, 0}, PartBlock(db, part.block)));
        ResbufChain data;
        for (const std::wstring& field : part.data)
            data.push_back(resbuf::Text(1000, field));
        AcDbObjectPointer<AcDbBlockReference> opened(reference, AcDb::kForWrite);
        if (opened.openStatus() != Acad::eOk || opened->setXData(L"OVPART", data) != Acad::eOk)
            Fail(L"a part's data cannot be written");
        y -= 35;
    }
}

// A few entities by the drawing's type, so that each preview shows something of its own.
void Content(AcDbDatabase& db, const std::wstring& type, int number) {
    double shift = number * 7.0;
    if (type == L"屏面布置图" || type == L"压板定义及排列图") {
        PanelFront(db, type == L"压板定义及排列图");
    } else if (type == L"屏端子图" || type == L"接线图") {
        for (int row = 0; row < 20; ++row) {
            Box(db, 60, 60 + row * 10.0, 90, 70 + row * 10.0);
            Line(db, 90, 65 + row * 10.0, 160 + shift, 65 + row * 10.0);
        }
    } else if (type == L"原理图") {
        for (int branch = 0; branch < 6; ++branch) {
            double y = 90 + branch * 30.0;
            Line(db, 40, y, 120 + shift, y);
            Box(db, 120 + shift, y - 6, 150 + shift, y + 6);
            Line(db, 150 + shift, y, 210, y);
        }
        Line(db, 40, 90, 40, 240);
        Line(db, 210, 90, 210, 240);
    } else {
        for (int row = 0; row < 12; ++row)
            Line(db, 40, 270 - row * 12.0, 380, 270 - row * 12.0);
        Text(db, 40, 278, type, 7);
    }
}

// A cover's texts: the project name, the contract number, the equipment's model and name, each
// marked with the application by which the drawing writer finds it, so that a change of the
// container's description reaches the cover whatever the drawing's file name.
void CoverTexts(AcDbDatabase& db, const std::vector<CExplainInfoNode>& entries) {
    auto value = [&entries](const wchar_t* szTitle) {
        for (const CExplainInfoNode& entry : entries)
            if (entry.Getm_StrTitle() == szTitle)
                return entry.Getm_StrValue();
        return std::wstring();
    };
    std::wstring strContract = L"合同号：";
    strContract += value(L"工程合同号");
    const std::pair<const wchar_t*, std::wstring> texts[] = {
        {L"OV_ProjectName", value(L"工程名称")},
        {L"OV_ProjectContractNo", strContract},
        {L"OV_EquipmentType", value(L"设备型号")},
        {L"OV_EquipmentName", value(L"设备名称")}};
    double y = 220;
    for (const auto& [application, text] : texts) {
        y -= 25;
        if (text.empty())
            continue;
        auto* record = new AcDbRegAppTableRecord();
        record->setName(application);
        AcDbObjectPointer<AcDbRegAppTable> table(db.regAppTableId(), AcDb::kForWrite);
        if (table.openStatus() != Acad::eOk || table->add(record) != Acad::eOk)
            Fail(L"an application cannot be registered");
        record->close();
        AcDbObjectPointer<AcDbText> cover(
            Append(db, new AcDbText({80, y, 0}, text, AcDbObjectId::kNull, 10)), AcDb::kForWrite);
        cover->setXData(application, {resbuf::Text(1000, L"")});
    }
}

void SaveDemoDrawing(const std::wstring& path, const DrawingPlan& plan,
                     const std::vector<CExplainInfoNode>& entries, const std::wstring& location,
                     int number) {
    AcDbDatabase db;
    Box(db, 0, 0, 420, 297);
    Box(db, 25, 5, 415, 292);
    if (std::wstring(plan.type) == L"封面")
        CoverTexts(db, entries);
    else
        Content(db, plan.type, number);
    TitleBlock(db, plan.name, kProject);
    if (!SetDrawingLocation(&db, location))
        Fail(L"the location cannot be written in " + path);
    if (db.saveAs(path.c_str(), false) != Acad::eOk)
        Fail(L"cannot save " + path);
}

// A drawing template: the frame and an empty title block, and what the sheet's kind starts
// with.
void SaveDrawingTemplate(const std::wstring& path, const std::wstring& kind) {
    AcDbDatabase db;
    Box(db, 0, 0, 420, 297);
    Box(db, 25, 5, 415, 292);
    if (kind == L"封面") {
        // Placeholders in the texts a change of the description writes.
        CoverTexts(db, {{L"工程名称", L"工程名称"},
                        {L"工程合同号", L""},
                        {L"设备型号", L"设备型号"},
                        {L"设备名称", L"设备名称"}});
    } else if (kind == L"图纸目录") {
        Content(db, kind, 0);
    } else if (kind == L"屏面布置图") {
        Box(db, 60, 60, 200, 280);
    } else if (kind == L"压板定义及排列图") {
        for (int row = 0; row < 9; ++row)
            Box(db, 60, 60 + row * 24.0, 200, 78 + row * 24.0);
    }
    TitleBlock(db, L"", L"");
    if (db.saveAs(path.c_str(), false) != Acad::eOk)
        Fail(L"cannot save " + path);
}

// A container's folder, management file and drawings.
void MakeContainer(const std::wstring& folder, const ContainerPlan& plan, int& number) {
    if (!fs::CreateFolders(folder))
        Fail(L"cannot make " + folder);
    CManageFileInfo manageFile;
    manageFile.SetPath_FileNameByFullPath(folder, plan.isProject ? 1 : 0);
    manageFile.Getm_ExplainInfoArray() = plan.entries;
    for (const DrawingPlan& drawing : plan.drawings) {
        CFileStyleNodeInfo* pStyle = manageFile.FindStyNodeByInputSysOrDisName(drawing.type);
        if (!pStyle && !manageFile.AddOneNewStyData(drawing.type, nullptr, pStyle))
            Fail(std::wstring(L"the type cannot be added: ") + drawing.type);
        pStyle->InsertOneFileInfoToArray(drawing.file, drawing.remark);
        SaveDemoDrawing(Join(folder, drawing.file), drawing, plan.entries, LastItem(folder),
                        ++number);
    }
    if (!manageFile.WriteManageFile())
        Fail(L"cannot write " + manageFile.Getm_StrManageFilePathName());
}

void Replace(const stdfs::path& made, const stdfs::path& target) {
    std::error_code error;
    stdfs::remove_all(target, error);
    stdfs::rename(made, target, error);
    if (error)
        Fail(L"cannot put " + text::FromUtf8(target.string()) + L" in place");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: ovdemo INSTALLATION_FOLDER\n", stderr);
        return 2;
    }
    stdfs::path home = stdfs::absolute(argv[1]);
    std::wstring logicalHome = fs::ToLogical(home);
    CAllStyNameInfo catalogue;
    catalogue.SetStyleFileName(logicalHome);
    CManageFileInfo::Setm_AllStyNameInfo(&catalogue);

    // Everything is made in a staging folder first and put in place when complete, so that a
    // build that stops half way leaves the old content whole.
    stdfs::path staging = home / (".demo-staging-" + std::to_string(::getpid()));
    std::wstring logicalStaging = fs::ToLogical(staging);
    int number = 0;
    for (const ContainerPlan& plan : SampleContainers())
        MakeContainer(Join(Join(Join(logicalStaging, L"Projects"), kProject), plan.folder), plan,
                      number);
    MakeContainer(Join(logicalStaging, L"itms\\项目模板"), {L"", true, ProjectEntries(), {}},
                  number);
    MakeContainer(Join(logicalStaging, L"prjs\\保护柜模板"),
                  {L"",
                   false,
                   EquipmentEntries(L"保护柜模板", L"", L""),
                   {{L"封面", L"封面.dwg", L"封面", L""},
                    {L"屏面布置图", L"屏面布置图.dwg", L"屏面布置图", L""}}},
                  number);
    // The typical-drawing library: drawings that the import of "典型图库..." copies into
    // containers, numbered so that renumbering shows on them.
    std::wstring logicalStandard = Join(logicalStaging, L"StandardDwg");
    if (!fs::CreateFolders(logicalStandard))
        Fail(L"cannot make " + logicalStandard);
    const DrawingPlan standard[] = {
        {L"原理图", L"01 交流电源回路.dwg", L"交流电源回路", L""},
        {L"原理图", L"02 直流电源回路.dwg", L"直流电源回路", L""},
        {L"原理图", L"03 信号回路.dwg", L"信号回路", L""},
        {L"屏面布置图", L"04 标准屏面.dwg", L"标准屏面布置图", L""},
    };
    for (const DrawingPlan& drawing : standard)
        SaveDemoDrawing(Join(logicalStandard, drawing.file), drawing, ProjectEntries(),
                        L"StandardDwg", ++number);
    stdfs::create_directories(home / "StandardDwg");
    for (const auto& made : stdfs::directory_iterator(staging / "StandardDwg"))
        Replace(made.path(), home / "StandardDwg" / made.path().filename());

    // The drawing templates that a new drawing starts from, by the number of its name.
    std::wstring logicalTemplates = Join(logicalStaging, L"TEMPLATE");
    if (!fs::CreateFolders(logicalTemplates))
        Fail(L"cannot make " + logicalTemplates);
    const std::pair<const wchar_t*, const wchar_t*> templates[] = {
        {L"MB-1标准封面.dwt", L"封面"},
        {L"MB-1标准目录图框.dwt", L"图纸目录"},
        {L"MB-1标准屏面布置图.dwt", L"屏面布置图"},
        {L"MB-1标准压板定义及排列图.dwt", L"压板定义及排列图"},
        {L"MB-1标准图框.dwt", L""}};
    for (const auto& [file, kind] : templates)
        SaveDrawingTemplate(Join(logicalTemplates, file), kind);
    stdfs::create_directories(home / "Support" / "TEMPLATE");
    for (const auto& made : stdfs::directory_iterator(staging / "TEMPLATE"))
        Replace(made.path(), home / "Support" / "TEMPLATE" / made.path().filename());

    stdfs::path projects = home / "Projects";
    Replace(staging / "Projects", projects);
    for (const char* kind : {"itms", "prjs"})
        for (const auto& made : stdfs::directory_iterator(staging / kind))
            Replace(made.path(), home / "Template" / kind / made.path().filename());
    std::error_code ignored;
    stdfs::remove_all(staging, ignored);

    std::wstring project = Join(Join(fs::ToLogical(projects), kProject), kProject) + L".itm";
    std::wstring equipment =
        Join(Join(Join(fs::ToLogical(projects), kProject), L"1号主变保护柜"), L"1号主变保护柜.prj");
    if (!text::WriteTextFile(Join(logicalHome, L"Data\\recent.dat"), project) ||
        !text::WriteTextFile(Join(logicalHome, L"Data\\default.dat"), equipment))
        Fail(L"cannot remember the sample Project");
    return 0;
}
