#pragma once
// The management window's commands on drawings as host documents, in the parts that need no
// tree: opening a drawing of the tree, closing a container's open drawings, the batch
// open-save-close run, web publishing, the exports and the wire list.

#include <string>

class CFileInfoNode;
class CManageFileInfo;

namespace ui {
class Window;
}

// The command that publishes a container on the web, which another module registers.
inline constexpr const wchar_t* kWebPublishingCommand = L"OVWEB_INVOKEBY_XMMANAGE";

// Opens a drawing of the content tree: a DWG drawing in the host (then the window is brought
// back by "XmOPenFile" in Project mode (nMode 1) or "SbOPenFile"), any other file in the
// desktop's associated program (the system's error box when that fails). A file that is gone
// is refused with a message.
void OpenTreeDrawing(const CFileInfoNode& fileNode, int nMode, ui::Window* pOwner);

// Asks whether to save the container's drawings that are open and puts each through the
// open-save-close routine with the answer, so that they are closed either way.
void CloseContainerDrawings(const std::wstring& strManageFile, ui::Window* pOwner);

// The batch run over a container's drawings: the save format chosen (false when the user
// cancelled), each drawing saved in it and closed again unless it was open; `pButton` (the
// window's batch button, may be null) is disabled for the run. Drawings whose save failed
// are named on the command line.
bool BatchOpenSaveClose(const std::wstring& strManageFile, ui::Window* pOwner, ui::Window* pButton);

// Whether another module has registered the web-publishing command.
int IsWebPublishingRegistered();
// Hands the management file to web publishing and queues its command.
void SendWebPublishing(const std::wstring& strManageFile);

// The table kind (1-7) of an export menu command (239, 241, 243, 245, 247, 251, 282), else 0.
int ExportKindOfCommand(int nCommandId);

// The wire-information dialog of a container, with the current document locked.
void ShowWireInformation(CManageFileInfo* pManageFileInfo, ui::Window* pOwner);
