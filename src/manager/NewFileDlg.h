#pragma once
// CNewFileDlg ("新建文件"): the name and the drawing template of a new drawing. The name is
// proposed from the container's book number and the highest number its drawings carry; each
// change of the name selects the template its number calls for (NewFileNames.h), or "ACAD.dwt"
// when that template is not installed.

#include "platform/ui/Dialog.h"

#include <string>

class CManageFileInfo;

class CNewFileDlg : public ui::Dialog {
public:
    static constexpr int IDD = 272;
    static constexpr int IDC_TEMPLATE = 175;
    static constexpr int IDC_FILE_NAME = 273;

    explicit CNewFileDlg(ui::Window* pParent = nullptr);

    // Fills the folder, the book number ("设备图册号" of the description) and the highest number
    // at the end of the container's drawings.
    void PrepareFor(const CManageFileInfo& container);

    // Filled by the caller before DoModal.
    std::wstring m_strFolder;
    std::wstring m_strBookNumber;
    long long m_nHighestNumber = 0;
    // The drawing templates' folder; the installation's "Support\TEMPLATE" unless set.
    std::wstring m_strTemplateFolder;

    // Read by the caller after IDOK.
    std::wstring m_strFileName;
    std::wstring m_strTemplateName;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    void SelectTemplateByName();
};
