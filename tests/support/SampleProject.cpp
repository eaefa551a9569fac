#include "support/SampleProject.h"

namespace ovtest {

std::vector<std::wstring> SampleCatalogueLines() {
    return {L"PM=屏面布置图", L"YL=原理图", L"CL=材料表", L"SM=说明书"};
}

std::string ManageFileBytes(const std::vector<std::wstring>& entries,
                            const std::vector<std::wstring>& content) {
    std::vector<std::wstring> lines = {L"$BEGIN NOTE OF PRJ"};
    for (const std::wstring& entry : entries) {
        size_t equals = entry.find(L'=');
        lines.insert(lines.end(), {L"$BEGIN_ONE_NOTE", entry.substr(0, equals),
                                   entry.substr(equals + 1), L"$END_ONE_NOTE"});
    }
    lines.insert(lines.end(), {L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ"});
    lines.insert(lines.end(), content.begin(), content.end());
    lines.insert(lines.end(), {L"$End CONTENT OF PRJ", L"$EOF"});
    return Cp936Lines(lines);
}

void WriteSampleProject(const TempFolder& folder) {
    folder.WriteBytes(L"P\\P.itm",
                      ManageFileBytes({L"工程名称=某变电站"}, {L"SM:", L"说明.dwg<>"}));
    folder.WriteBytes(L"P\\Q\\Q.prj", ManageFileBytes({L"工程名称=某变电站", L"设备名称=1号柜"},
                                                      {L"清单.xls<材料>", L"PM:", L"图2.dwg<>",
                                                       L"图1.dwg<面板>", L"YL:", L"原理1.dwg<>"}));
    folder.WriteBytes(L"P\\R\\R.prj", ManageFileBytes({L"设备名称=2号柜"}, {L"YL:", L"r1.dwg<>"}));
    folder.WriteBytes(L"P\\S\\S.itm", ManageFileBytes({L"工程名称=扩建"}, {}));
    folder.WriteBytes(L"P\\S\\T\\T.prj", ManageFileBytes({}, {L"CL:", L"t1.dwg<>"}));
    for (const wchar_t* drawing : {L"P\\说明.dwg", L"P\\Q\\图1.dwg", L"P\\Q\\图2.dwg",
                                   L"P\\Q\\原理1.dwg", L"P\\Q\\清单.xls", L"P\\S\\T\\t1.dwg"})
        folder.WriteBytes(drawing, "drawing");
}

} // namespace ovtest
