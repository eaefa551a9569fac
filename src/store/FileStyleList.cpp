#include "store/FileStyleList.h"

#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

bool ParseFileStyleLine(const std::wstring& strLine, STRUCT_XMSB_FILESTYLE& style) {
    size_t open = strLine.find(L'(');
    if (open == std::wstring::npos || open == 0)
        return false;
    std::wstring strRemainder = strLine.substr(open);
    if (strRemainder.size() < 2 || strRemainder.back() != L')')
        return false;
    std::wstring strDescription = strRemainder.substr(1, strRemainder.size() - 2);
    if (strDescription.empty())
        return false;
    style.strStyleName = strLine.substr(0, open);
    style.strDescription = strDescription;
    return true;
}

int ReadFileStyleList(std::vector<STRUCT_XMSB_FILESTYLE>& arrStyles) {
    arrStyles.clear();
    std::wstring strPath = CEditOprt::JoinPath(GetInstallPath_TL(), L"Data\\filestyle.dat");
    std::vector<std::wstring> lines;
    if (!CEditOprt::ReadLines(strPath, lines, 0)) {
        acutPrintf(L"\n项目设备类型文件“%s”已被破坏!\n", strPath);
        return 0;
    }
    for (const std::wstring& strLine : lines) {
        STRUCT_XMSB_FILESTYLE style;
        if (ParseFileStyleLine(strLine, style))
            arrStyles.push_back(style);
    }
    return 1;
}

int GetFileStyleDescription(const std::wstring& strName, std::wstring& strDescription) {
    strDescription.clear();
    std::vector<STRUCT_XMSB_FILESTYLE> arrStyles;
    ReadFileStyleList(arrStyles);
    for (const STRUCT_XMSB_FILESTYLE& style : arrStyles) {
        if (style.strStyleName == strName) {
            strDescription = style.strDescription;
            break;
        }
    }
    return strDescription.empty() ? 0 : 1;
}
