#pragma once
// CModfyFileDlg: a drawing's file name (without its extension) and remark. A changed remark is
// written into the drawing's record and its management file on OK; renaming the file is the
// caller's, which reads the name afterwards.

#include "platform/ui/Dialog.h"

#include <string>

class CFileInfoNode;

class CModfyFileDlg : public ui::Dialog {
public:
    static constexpr int IDD = 113;
    static constexpr int IDC_FILE_NAME = 139;
    static constexpr int IDC_FILE_REMARK = 141;

    CModfyFileDlg(CFileInfoNode* pFileNode, ui::Window* pParent = nullptr);

    // The name without extension, read by the caller after IDOK.
    std::wstring m_strFileName;
    std::wstring m_strRemark;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    CFileInfoNode* m_pFileNode;
};
