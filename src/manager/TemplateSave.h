#pragma once
// Saving a Project's or Equipment's folder as a container template under a name: unchanged
// under its own folder name, else with its management file renamed after the new folder.
//
// A template is replaced only by a complete copy: the copy is made in the staging folder
// "~保存中" beside the templates, then the old template goes to the trash and the copy takes its
// name. A copy that fails leaves the old template as it was, and a template saved again keeps
// no drawing that the container no longer has. An existing template is replaced only after
// "在设备模板中已经存在一个同名设备“%s”，是否覆盖?" (项目 for a Project) was answered Yes.

#include <string>

namespace ui {
class Window;
}

// Into the local template folder. 1 when the template is in place.
int SaveContainerTemplateLocally(const std::wstring& strSource,
                                 const std::wstring& strTemplateFolder, const std::wstring& strName,
                                 int bIsXm, ui::Window* pOwner);

// Onto the server's "Template\itms\" or "Template\prjs\": the copy is staged in "TempFTP" and its
// folder sent by the catalogue protocol. 1 only when every file went up and was recorded.
int SaveContainerTemplateOnServer(const std::wstring& strSource, const std::wstring& strName,
                                  int bIsXm, ui::Window* pOwner);
