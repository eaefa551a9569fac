#include "records/XmSb.h"

#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/ManageFileText.h"

CXmSb::CXmSb(std::wstring strManageFilePathName)
    : m_StrManageFilePathName(std::move(strManageFilePathName)) {
    std::wstring strExt = CEditOprt::GetExtension(m_StrManageFilePathName);
    m_bFileExists = fs::IsFile(m_StrManageFilePathName);
    if (!m_bFileExists || (!text::EqualsNoCase(strExt, CManageFileInfo::Getm_StrXmFileExt()) &&
                           !text::EqualsNoCase(strExt, CManageFileInfo::Getm_StrSbFileExt())))
        return;
    std::wstring strContent;
    std::vector<std::wstring_view> arrLines;
    int cause = 0;
    if (!xmfile::ReadManageFileLines(m_StrManageFilePathName, strContent, arrLines, cause)) {
        acutPrintf(L"%s 文件打不开，错误码为 %d\n", m_StrManageFilePathName, cause);
        return;
    }
    xmfile::ContentScan scan = xmfile::ScanContent(arrLines, 0, true);
    m_StrDescription = text::Join(scan.arrDescriptionLines, L"\r\n");
    for (xmfile::ContentStyle& style : scan.arrStyles) {
        STRUCT_XMSB_FILE file{std::move(style.strStyleName), {}};
        for (xmfile::ContentFile& one : style.arrFiles)
            file.arrFiles.push_back({std::move(one.strFileName), std::move(one.strRemark)});
        m_XmSbFileArray.push_back(std::move(file));
    }
}
