#include "suite/OvXmInfo/ManageFileInfo.h"

#include "platform/cad/CommandLine.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/ManageFileText.h"
#include "suite/OvXmInfo/XmInfoPath.h"

#include <cerrno>

namespace {

CAllStyNameInfo* g_pAllStyNameInfo = nullptr;

const wchar_t* KindWord(int bIsXm) {
    return bIsXm ? L"项目" : L"设备";
}

} // namespace

void CManageFileInfo::Setm_AllStyNameInfo(CAllStyNameInfo* pAllStyNameInfo) {
    g_pAllStyNameInfo = pAllStyNameInfo;
}

CAllStyNameInfo* CManageFileInfo::Getm_AllStyNameInfo() {
    return g_pAllStyNameInfo;
}

void CManageFileInfo::Clear() {
    m_ExplainInfoArray.clear();
    m_FileStyleNodeArray.clear();
    m_arrOtherLines.clear();
    m_arrLinesAfterEof.clear();
    m_PendingFile.Clear();
    m_bExplainPending = false;
    m_bContentPending = false;
}

int CManageFileInfo::ReadManageFile(const std::wstring& strManageFilePathName) {
    return Read(strManageFilePathName, nullptr);
}

int CManageFileInfo::ReadManageFileIfPresent(const std::wstring& strManageFilePathName) {
    bool bMissing = false;
    int nRead = Read(strManageFilePathName, &bMissing);
    return bMissing ? -1 : nRead;
}

int CManageFileInfo::Read(const std::wstring& strManageFilePathName, bool* pMissing) {
    Clear();
    std::wstring strExt = xmpath::Extension(strManageFilePathName);
    bool bIsXm = text::EqualsNoCase(strExt, Getm_StrXmFileExt());
    if (!bIsXm && !text::EqualsNoCase(strExt, Getm_StrSbFileExt())) {
        xmfile::PrintFormatMessage(strManageFilePathName);
        return 0;
    }
    m_StrManageFilePathName = strManageFilePathName;
    m_StrFullPathName = xmpath::Parent(strManageFilePathName);
    m_StrDirName = xmpath::LastItem(m_StrFullPathName);
    m_IsXmManageFile = bIsXm ? 1 : 0;

    xmfile::ExplainBlock block;
    bool bRead =
        xmfile::ReadManageFileStrictly(strManageFilePathName, block, &m_PendingFile, pMissing);
    // A file whose description block is cut short is not taken any further: writing it back
    // would lose whatever the block's end would have told.
    if (!bRead) {
        m_ExplainInfoArray = std::move(block.entries);
        return 0;
    }
    m_bExplainPending = true;
    m_bContentPending = true;
    return 1;
}

void CManageFileInfo::LoadContent() const {
    m_bContentPending = false;
    thread_local std::wstring strContent;
    m_PendingFile.TakeContent(strContent, m_StrManageFilePathName);
    thread_local std::vector<std::wstring_view> arrLines;
    xmfile::SplitManageFileLines(strContent, arrLines);
    xmfile::ContentScan scan = xmfile::ScanContent(arrLines, 0, false);
    // The records are made once, whichever accessor asks first; the object itself is never
    // const where it is made.
    auto* pSelf = const_cast<CManageFileInfo*>(this);
    m_FileStyleNodeArray.reserve(scan.arrStyles.size());
    for (xmfile::ContentStyle& style : scan.arrStyles) {
        bool bNamed = !style.strStyleName.empty();
        CFileStyleNodeInfo* pStyle = pSelf->AddStyle(
            bNamed ? CStyleNameNode::FromSysName(style.strStyleName) : CStyleNameNode(),
            bNamed ? 1 : 0);
        pStyle->m_FileInfoArray.reserve(style.arrFiles.size());
        for (xmfile::ContentFile& file : style.arrFiles) {
            auto pFile = std::make_unique<CFileInfoNode>(std::move(file.strFileName),
                                                         std::move(file.strRemark), std::wstring());
            pFile->m_pStyleNode = pStyle;
            pStyle->m_FileInfoArray.push_back(std::move(pFile));
        }
    }
    m_arrOtherLines = std::move(scan.arrOtherLines);
    m_arrLinesAfterEof = std::move(scan.arrLinesAfterEof);
}

std::wstring CManageFileInfo::GetManageFileText() const {
    // Built in one piece: the window writes hundreds of files back in a row, most of which it
    // then finds unchanged.
    EnsureExplain();
    EnsureContent();
    std::wstring strText;
    strText.reserve(4096);
    auto line = [&strText](std::wstring_view strLine) {
        strText += strLine;
        strText += L"\r\n";
    };
    xmfile::AppendExplainBlockText(m_ExplainInfoArray, strText);
    for (const std::wstring& strLine : m_arrOtherLines)
        line(strLine);
    line(xmfile::kBeginContent);
    // The group without type comes first and needs no header line.
    for (const auto& pStyle : m_FileStyleNodeArray) {
        if (pStyle->Getm_bIsExistStyleName()) {
            xmfile::AppendStyleHeaderLine(strText,
                                          pStyle->Getm_StyleNameNode().GetstrSysTypeName());
            strText += L"\r\n";
        }
        for (const auto& pFile : pStyle->Getm_FileInfoArray()) {
            xmfile::AppendFileLine(strText, pFile->Getm_strFileName(), pFile->Getm_strRemark());
            strText += L"\r\n";
        }
    }
    line(xmfile::kEndContent);
    line(xmfile::kEof);
    for (const std::wstring& strLine : m_arrLinesAfterEof)
        line(strLine);
    return strText;
}

bool CManageFileInfo::IsFileUpToDate(const std::string& strBytes) const {
    std::string strOnDisk;
    return !m_StrManageFilePathName.empty() && fs::ReadBytes(m_StrManageFilePathName, strOnDisk) &&
           strOnDisk == strBytes;
}

int CManageFileInfo::WriteManageFile() {
    std::wstring strText = GetManageFileText();
    // The window writes its management files back whenever it rescans its trees: a file that
    // holds these very bytes already is left alone, which spares the disk hundreds of flushed
    // writes and keeps the file's date for the server's synchronisation.
    bool bLossy = false;
    std::string strBytes = text::AnsiCodePage().Encode(strText, &bLossy);
    if (!bLossy && IsFileUpToDate(strBytes))
        return 1;
    text::TextFileStatus status;
    // Text the code page cannot hold is refused by the text layer, which says which character.
    if (m_StrManageFilePathName.empty() ||
        !text::WriteTextFile(m_StrManageFilePathName, strText, &status)) {
        acutPrintf(L"%s 文件不能写入，错误码为 %d\n", m_StrManageFilePathName, status.cause);
        m_nLastWriteError = m_StrManageFilePathName.empty() ? EINVAL : fs::LastError();
        return 0;
    }
    return 1;
}

void CManageFileInfo::SetPath_FileNameByFullPath(const std::wstring& strFolder, int bIsXm) {
    m_StrFullPathName = text::TrimRight(strFolder, L"\\");
    m_StrDirName = xmpath::LastItem(m_StrFullPathName);
    m_IsXmManageFile = bIsXm ? 1 : 0;
    m_StrManageFilePathName =
        xmpath::Join(m_StrFullPathName,
                     m_StrDirName + L"." + (bIsXm ? Getm_StrXmFileExt() : Getm_StrSbFileExt()));
}

int CManageFileInfo::JudgeInputManageNameValid(const std::wstring& strPath, int bIsXm,
                                               ui::Window* pWnd, int bShowMessage) {
    std::wstring strMessage;
    std::wstring strExt = bIsXm ? Getm_StrXmFileExt() : Getm_StrSbFileExt();
    std::wstring strFolderName = xmpath::LastItem(xmpath::Parent(strPath));
    if (text::Trim(strPath).empty())
        strMessage = text::Format(L"没有指定%s管理文件。", KindWord(bIsXm));
    else if (!text::EqualsNoCase(xmpath::Extension(strPath), strExt))
        strMessage = text::Format(L"“%s”不是%s管理文件(*.%s)。", strPath, KindWord(bIsXm), strExt);
    else if (!fs::IsFile(strPath))
        strMessage = text::Format(L"%s管理文件“%s”不存在。", KindWord(bIsXm), strPath);
    else if (!text::EqualsNoCase(xmpath::WithoutExtension(xmpath::LastItem(strPath)),
                                 strFolderName))
        strMessage =
            text::Format(L"%s管理文件“%s”与所在目录“%s”不同名，不能作为%s打开。", KindWord(bIsXm),
                         xmpath::LastItem(strPath), strFolderName, KindWord(bIsXm));
    if (strMessage.empty())
        return 1;
    if (bShowMessage)
        ui::MessageBox(pWnd, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return 0;
}
