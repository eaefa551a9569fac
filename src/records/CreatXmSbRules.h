#pragma once
// The rules of the creation dialog (CCreatXmSbDlg) that need no window: the name the naming
// schemes propose, the rows the description list starts with, the templates of a kind, and the
// creation itself (CreatXmSb), which the dialog's OK runs.
//
// A value made only of blanks counts as empty when naming: the default titles carry " ", and
// two of them must not propose the name " - ".

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <vector>

namespace ui {
class Window;
}

namespace create {

// The last item of the naming combo, for both kinds: the name is typed by hand.
inline constexpr const wchar_t* kCustomNaming = L"自定义";

// The items of the naming combo (151): Project "工程名称-工程合同号", "工程合同号-工程名称",
// "自定义"; Equipment "设备图册号-设备名称", "自定义".
std::vector<std::wstring> NamingSchemes(int bIsXm);

// The name the scheme proposes from the rows: Project A = "工程名称", B = "工程合同号" (the last
// row of each title wins), scheme 0 "A-B", scheme 1 "B-A"; Equipment A = "设备图册号",
// B = "设备名称", "A-B". Every "-" at either end goes, so one value stands alone. "" when both
// are empty: the name is then left as it is.
std::wstring ProposeName(const std::vector<CExplainInfoNode>& rows, int bIsXm, int nScheme);

// The rows the list starts with. The default titles without those of the other kind (a
// Project drops titles beginning with "设备", an Equipment those beginning with "工程"),
// trimmed, each once with the value of the first entry of that title in the parent's block
// (the parent Project's management file, read by the tolerant parser with the "设备数量"
// values emptied) or empty. For an Equipment, rows whose title begins with "工程" then take
// the parent's non-empty values of that title (compared without regard to case).
std::vector<CExplainInfoNode> InitialRows(const std::vector<std::wstring>& arrDefaultTitles,
                                          const std::wstring& strParentManageFile, int bIsXm);

// A container template: its name (the folder's) and its folder.
struct CContainerTemplate {
    std::wstring strName;
    std::wstring strFolder;
};

// The folder of a kind's templates below an installation folder: "Template\itms\" (Project)
// or "Template\prjs\" (Equipment).
std::wstring TemplateRoot(const std::wstring& strInstallFolder, int bIsXm);
// Every sub-folder T of the root that holds T\T.itm (Project) or T\T.prj (Equipment), by name.
std::vector<CContainerTemplate> FindTemplates(const std::wstring& strRoot, int bIsXm);
// The combo's text of the template numbered from 1: "模板%d               %s".
std::wstring TemplateComboText(int nNumber, const std::wstring& strName);

// What the dialog's OK hands to the creation.
struct CCreateRequest {
    std::wstring strParentFolder;
    std::wstring strName; // trailing blanks are dropped
    int bIsXm = 0;
    std::wstring strCaption;               // the dialog's, for the same-name message
    std::wstring strTemplateFolder;        // "" without a template
    std::wstring strTemplateText;          // the combo's text, for the missing-template message
    std::wstring strModel;                 // an Equipment's model from the product-data library
    std::vector<CExplainInfoNode> entries; // the rows, in list order
};

// The management file the request makes: parent\name\name.itm or .prj.
std::wstring NewManageFilePath(const CCreateRequest& request);

// Makes the container. Everything that can refuse is checked first, with a message box titled
// "Tessaline" and nothing made: the name (the library's one name check, "“%s”不能用作项目
// 名称。"), a management file of either kind already in the folder ("在%s\"%s\"的位置上，已经
// 存在一个同名%s。" with caption, name and the found file's kind word) and a template that is
// gone ("模板%s不存在，请重新选择"). Then the folder (the system's text when it cannot be
// made), the template's copy or a new management file, the model, the entries and, from a
// template, the drawings. When a step up to the entries fails, a folder this call made is
// removed again, so that no half-made container stays. 1 on success.
int CreatXmSb(const CCreateRequest& request, ui::Window* pWnd);

// The file's entries after the dialog's, in the file (both steps used by CreatXmSb, where the
// rules are explained): a Project's entries go on top, each replacing the template's entry of
// its title when it has a value; an Equipment's are merged into the template's.
std::vector<CExplainInfoNode> ProjectEntries(const std::vector<CExplainInfoNode>& fileEntries,
                                             const std::vector<CExplainInfoNode>& dialogEntries);
std::vector<CExplainInfoNode> EquipmentEntries(const std::vector<CExplainInfoNode>& fileEntries,
                                               const std::vector<CExplainInfoNode>& dialogEntries);

} // namespace create
