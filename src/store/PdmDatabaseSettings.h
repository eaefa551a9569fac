#pragma once
// CPdmDatabaseSettings: the connection settings of the product-data installation, read from
// four small files below the per-workstation folder:
//   "Data\PdmDatabaseSettings.txt"   the product-data database (server, user, password, database)
//   "Data\PdmDatabaseSettings2.txt"  the user database, for the login check and the user list
//   "Data\PdmDatabaseSettings3.txt"  a file server (read, not used by this module)
//   "Data\PdmDatabaseSettings4.txt"  the login last entered in the name-selection dialog
// A value belongs to the first line that begins with its key; it is the rest of the line with
// every blank removed, then letter-decoded (LetterCode.h). A missing file or key reads as "".

#include <string>
#include <vector>

class CPdmDatabaseSettings {
public:
    // Reads all four files.
    CPdmDatabaseSettings();
    virtual ~CPdmDatabaseSettings();

    const std::wstring& GetPdmServer() const { return m_pdm.server; }
    const std::wstring& GetPdmUser() const { return m_pdm.user; }
    const std::wstring& GetPdmPassword() const { return m_pdm.password; }
    const std::wstring& GetPdmDatabase() const { return m_pdm.database; }

    const std::wstring& GetUserDbServer() const { return m_userDb.server; }
    const std::wstring& GetUserDbUser() const { return m_userDb.user; }
    const std::wstring& GetUserDbPassword() const { return m_userDb.password; }
    const std::wstring& GetUserDbDatabase() const { return m_userDb.database; }

    const std::wstring& GetFileServer() const { return m_strFileServer; }
    // "Yes" or "No", as written (not encoded).
    const std::wstring& GetFileServerAnonymous() const { return m_strFileServerAnonymous; }
    // Read only when anonymous access is "No".
    const std::wstring& GetFileServerUser() const { return m_strFileServerUser; }
    const std::wstring& GetFileServerPassword() const { return m_strFileServerPassword; }
    const std::wstring& GetFileServerPort() const { return m_strFileServerPort; }
    const std::wstring& GetFileServerFolder() const { return m_strFileServerFolder; }

    const std::wstring& GetLoginUser() const { return m_strLoginUser; }
    const std::wstring& GetLoginPassword() const { return m_strLoginPassword; }

    // Rewrites the fourth file with the two values, blanks removed and letter-encoded. 0 when
    // the file could not be written (the command line then says why).
    int SaveLoginSettings(const std::wstring& strUser, const std::wstring& strPassword);

private:
    struct DatabaseValues {
        std::wstring server, user, password, database;
    };
    struct SettingsFile {
        std::wstring path;
        std::vector<std::wstring> lines; // the non-empty lines, in order
    };

    static void ReadSettingsFile(SettingsFile& file, const wchar_t* szName);
    // The value of the first line that begins with the key, blanks removed, not decoded.
    static std::wstring RawValue(const SettingsFile& file, const wchar_t* szKey);
    static std::wstring Value(const SettingsFile& file, const wchar_t* szKey);
    static DatabaseValues ReadDatabaseValues(const SettingsFile& file);
    void ReadLoginValues();

    SettingsFile m_files[4];
    DatabaseValues m_pdm;
    DatabaseValues m_userDb;
    std::wstring m_strFileServer, m_strFileServerAnonymous, m_strFileServerUser,
        m_strFileServerPassword, m_strFileServerPort, m_strFileServerFolder;
    std::wstring m_strLoginUser, m_strLoginPassword;
};
