#include "suite/OvExportExcelTable/ExportTables.h"

#include <map>

namespace {

using Row = std::vector<xlsx::Cell>;

xlsx::Cell Text(const std::wstring& strText) {
    return xlsx::Cell::Text(strText);
}

xlsx::Cell Number(size_t nValue) {
    return xlsx::Cell::Number(static_cast<double>(nValue));
}

// Equal parts counted together, in the order they first appear. Parts are equal when their
// material data agree (the label, which names one component, left out), and with
// bByBlockName their blocks too.
struct PartTally {
    std::vector<std::pair<const ExportPart*, size_t>> arrCounts;
    std::map<std::vector<std::wstring>, size_t> index;

    void Add(const ExportPart& part, bool bByBlockName) {
        std::vector<std::wstring> key = part.arrFields;
        key[kPartLabel].clear();
        if (bByBlockName)
            key.push_back(part.strBlockName);
        auto [found, added] = index.emplace(key, arrCounts.size());
        if (added)
            arrCounts.emplace_back(&part, 0);
        ++arrCounts[found->second].second;
    }
};

// Kind 1: per container, the materials (references with material data) and how many.
void PurchasedMaterials(const ExportSource& source, xlsx::Sheet& sheet) {
    sheet.header = {L"序号", L"设备名称", L"物料编码", L"名称", L"型号",
                    L"规格", L"厂家",     L"单位",     L"数量"};
    for (const ExportUnit& unit : source.arrUnits) {
        PartTally tally;
        for (const ExportPart& part : unit.arrParts)
            if (part.bHasPartData)
                tally.Add(part, false);
        for (const auto& [part, count] : tally.arrCounts) {
            const auto& f = part->arrFields;
            sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(unit.strName),
                                  Text(f[kPartCode]), Text(f[kPartName]), Text(f[kPartModel]),
                                  Text(f[kPartSpec]), Text(f[kPartMaker]), Text(f[kPartUnit]),
                                  Number(count)});
        }
    }
}

// Kind 2: per container, the materials of the kind "保护装置" (protection devices).
void ProtectionDevices(const ExportSource& source, xlsx::Sheet& sheet) {
    sheet.header = {L"序号", L"设备名称", L"设备型号", L"装置名称", L"型号", L"厂家", L"数量"};
    for (const ExportUnit& unit : source.arrUnits) {
        PartTally tally;
        for (const ExportPart& part : unit.arrParts)
            if (part.bHasPartData && part.arrFields[kPartKind] == L"保护装置")
                tally.Add(part, false);
        for (const auto& [part, count] : tally.arrCounts) {
            const auto& f = part->arrFields;
            sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(unit.strName),
                                  Text(unit.strModel), Text(f[kPartName]), Text(f[kPartModel]),
                                  Text(f[kPartMaker]), Number(count)});
        }
    }
}

// Kind 3: one row per Equipment with its description values and drawing counts.
void PanelInformation(const ExportSource& source, xlsx::Sheet& sheet) {
    sheet.header = {L"序号",       L"设备名称",   L"设备型号", L"设备图册号",
                    L"工程合同号", L"图纸类型数", L"图纸数量"};
    for (const ExportUnit& unit : source.arrUnits) {
        if (!unit.bIsEquipment)
            continue;
        size_t nTypes = 0;
        for (const ExportDrawingType& type : unit.arrTypes)
            if (!type.strTypeName.empty())
                ++nTypes;
        sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(unit.strName),
                              Text(unit.strModel), Text(unit.strBookNo), Text(unit.strContract),
                              Number(nTypes), Number(static_cast<size_t>(unit.DrawingCount()))});
    }
}

// Kind 4: per Equipment the panel itself and its drawings by type.
void PackingList(const ExportSource& source, xlsx::Sheet& sheet) {
    sheet.header = {L"序号", L"设备名称", L"设备图册号", L"装箱内容", L"数量", L"单位"};
    for (const ExportUnit& unit : source.arrUnits) {
        if (!unit.bIsEquipment)
            continue;
        std::wstring strPanel = unit.strModel.empty() ? L"屏柜" : L"屏柜 " + unit.strModel;
        sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(unit.strName),
                              Text(unit.strBookNo), Text(strPanel), Number(1), Text(L"面")});
        for (const ExportDrawingType& type : unit.arrTypes) {
            if (type.arrDrawings.empty())
                continue;
            std::wstring strType = type.strTypeName.empty() ? L"其他" : type.strTypeName;
            sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(unit.strName),
                                  Text(unit.strBookNo), Text(L"图纸：" + strType),
                                  Number(type.arrDrawings.size()), Text(L"张")});
        }
    }
}

// Kind 5: every labelled component, where it is drawn.
void ComponentLabels(const ExportSource& source, xlsx::Sheet& sheet) {
    sheet.header = {L"序号", L"设备名称", L"标号", L"名称", L"型号", L"图纸"};
    for (const ExportUnit& unit : source.arrUnits)
        for (const ExportPart& part : unit.arrParts)
            if (!part.arrFields[kPartLabel].empty())
                sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(unit.strName),
                                      Text(part.arrFields[kPartLabel]),
                                      Text(part.arrFields[kPartName]),
                                      Text(part.arrFields[kPartModel]), Text(part.strDrawing)});
}

// Kind 6: every block reference of the whole container, by block name and material data.
void BillOfMaterials(const ExportSource& source, xlsx::Sheet& sheet) {
    sheet.header = {L"序号", L"物料编码", L"名称", L"型号", L"规格",
                    L"厂家", L"单位",     L"块名", L"数量"};
    PartTally tally;
    for (const ExportUnit& unit : source.arrUnits)
        for (const ExportPart& part : unit.arrParts)
            tally.Add(part, true);
    for (const auto& [part, count] : tally.arrCounts) {
        const auto& f = part->arrFields;
        sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(f[kPartCode]), Text(f[kPartName]),
                              Text(f[kPartModel]), Text(f[kPartSpec]), Text(f[kPartMaker]),
                              Text(f[kPartUnit]), Text(part->strBlockName), Number(count)});
    }
}

// Kind 7: every drawing the management files list, with its container and type.
void DetailSummary(const ExportSource& source, xlsx::Sheet& sheet) {
    sheet.header = {L"序号",       L"工程名称", L"设备名称", L"设备型号",
                    L"设备图册号", L"图纸类型", L"图纸名称", L"备注"};
    for (const ExportUnit& unit : source.arrUnits)
        for (const ExportDrawingType& type : unit.arrTypes)
            for (const auto& [strFile, strRemark] : type.arrDrawings)
                sheet.rows.push_back({Number(sheet.rows.size() + 1), Text(unit.strProject),
                                      Text(unit.bIsEquipment ? unit.strName : L""),
                                      Text(unit.strModel), Text(unit.strBookNo),
                                      Text(type.strTypeName), Text(strFile), Text(strRemark)});
}

} // namespace

const wchar_t* ExportTableCaption(int nKind) {
    static const wchar_t* const kCaptions[] = {L"工程屏柜外购材料", L"工程保护装置清单",
                                               L"工程屏柜信息表",   L"装箱清单",
                                               L"元器件标号汇总",   L"BOM表",
                                               L"项目设备明细汇总"};
    return nKind >= 1 && nKind <= 7 ? kCaptions[nKind - 1] : L"";
}

xlsx::Sheet BuildExportTable(const ExportSource& source, int nKind) {
    xlsx::Sheet sheet;
    sheet.name = ExportTableCaption(nKind);
    switch (nKind) {
    case 1:
        PurchasedMaterials(source, sheet);
        break;
    case 2:
        ProtectionDevices(source, sheet);
        break;
    case 3:
        PanelInformation(source, sheet);
        break;
    case 4:
        PackingList(source, sheet);
        break;
    case 5:
        ComponentLabels(source, sheet);
        break;
    case 6:
        BillOfMaterials(source, sheet);
        break;
    case 7:
        DetailSummary(source, sheet);
        break;
    default:
        break;
    }
    return sheet;
}
