#include "store/PdmDatabaseSettings.h"

#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "store/LetterCode.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

namespace {

constexpr const wchar_t* kServerKey = L"服务器名: ";
constexpr const wchar_t* kUserKey = L"用户名: ";
constexpr const wchar_t* kPasswordKey = L"密码: ";
constexpr const wchar_t* kDatabaseKey = L"数据库: ";
constexpr const wchar_t* kAnonymousKey = L"匿名访问: ";
constexpr const wchar_t* kPortKey = L"端口: ";
constexpr const wchar_t* kFolderKey = L"目录: ";

constexpr std::wstring_view kValueBlanks = L" \t";

void PrintOpenError(const std::wstring& strPath, int nCause) {
    acutPrintf(L"打开文件%s时出错，错误码为 %d\n", strPath, nCause);
}

} // namespace

CPdmDatabaseSettings::CPdmDatabaseSettings() {
    ReadSettingsFile(m_files[0], L"Data\\PdmDatabaseSettings.txt");
    ReadSettingsFile(m_files[1], L"Data\\PdmDatabaseSettings2.txt");
    ReadSettingsFile(m_files[2], L"Data\\PdmDatabaseSettings3.txt");
    ReadSettingsFile(m_files[3], L"Data\\PdmDatabaseSettings4.txt");

    m_pdm = ReadDatabaseValues(m_files[0]);
    m_userDb = ReadDatabaseValues(m_files[1]);

    const SettingsFile& fileServer = m_files[2];
    m_strFileServer = Value(fileServer, kServerKey);
    m_strFileServerAnonymous = RawValue(fileServer, kAnonymousKey);
    if (m_strFileServerAnonymous == L"No") {
        m_strFileServerUser = Value(fileServer, kUserKey);
        m_strFileServerPassword = Value(fileServer, kPasswordKey);
    }
    m_strFileServerPort = Value(fileServer, kPortKey);
    m_strFileServerFolder = Value(fileServer, kFolderKey);

    ReadLoginValues();
}

CPdmDatabaseSettings::~CPdmDatabaseSettings() = default;

void CPdmDatabaseSettings::ReadSettingsFile(SettingsFile& file, const wchar_t* szName) {
    file.path = CEditOprt::JoinPath(GetTessalLocalInstallPath(), szName);
    file.lines.clear();
    if (!fs::Exists(file.path))
        return;
    std::vector<std::wstring> arrLines;
    text::TextFileStatus status;
    if (!text::ReadTextLines(file.path, arrLines, &status)) {
        PrintOpenError(file.path, status.cause);
        return;
    }
    for (std::wstring& strLine : arrLines)
        if (!strLine.empty())
            file.lines.push_back(std::move(strLine));
}

std::wstring CPdmDatabaseSettings::RawValue(const SettingsFile& file, const wchar_t* szKey) {
    std::wstring_view key(szKey);
    for (const std::wstring& strLine : file.lines)
        if (text::StartsWith(strLine, key))
            return text::RemoveChars(std::wstring_view(strLine).substr(key.size()), kValueBlanks);
    return {};
}

std::wstring CPdmDatabaseSettings::Value(const SettingsFile& file, const wchar_t* szKey) {
    return DecodeLetters(RawValue(file, szKey));
}

CPdmDatabaseSettings::DatabaseValues
CPdmDatabaseSettings::ReadDatabaseValues(const SettingsFile& file) {
    return {Value(file, kServerKey), Value(file, kUserKey), Value(file, kPasswordKey),
            Value(file, kDatabaseKey)};
}

void CPdmDatabaseSettings::ReadLoginValues() {
    m_strLoginUser = Value(m_files[3], kUserKey);
    m_strLoginPassword = Value(m_files[3], kPasswordKey);
}

int CPdmDatabaseSettings::SaveLoginSettings(const std::wstring& strUser,
                                            const std::wstring& strPassword) {
    SettingsFile& file = m_files[3];
    std::wstring strUserLine = kUserKey + EncodeLetters(text::RemoveChars(strUser, kValueBlanks));
    std::wstring strPasswordLine =
        kPasswordKey + EncodeLetters(text::RemoveChars(strPassword, kValueBlanks));
    // The password is only letter-encoded, which anyone can decode: the file is kept readable
    // by its owner alone.
    int nCause = 0;
    if (!fs::WriteBytes(file.path, text::EncodeTextLines({strUserLine, strPasswordLine}), &nCause,
                        true)) {
        PrintOpenError(file.path, nCause);
        return 0;
    }
    file.lines = {strUserLine, strPasswordLine};
    ReadLoginValues();
    return 1;
}
