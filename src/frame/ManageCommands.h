#pragma once
// The commands of the module and the dispatcher behind "XMMANAGE", "SBMANAGE", "SAVETOXM" and
// "SAVETOSB".

#include "platform/cad/MessageFilters.h"

// Mode 0 Projects window, 1 Equipments window, 2 save into the current Project, 3 save into
// the current Equipment.
void RunManageCommand(int nMode);
// "XmOPenFile" and "SbOPenFile": brings the management window back after it had the host open
// a drawing.
void ShowManageDlgAfterOpen();
// Removes the mouse filter and destroys the management window, if there is one.
int CloseManageDlg();
// Swallows the mouse messages (moves, left and right buttons, the wheel) while the management
// window re-saves drawings in a batch; middle-button and non-client messages pass.
bool FilterMouseMsg(MSG* pMsg);

// The command functions of the command table.
void XmManageCommand();
void SbManageCommand();
void SaveToXmCommand();
void SaveToSbCommand();
void CreateInfoTableCommand();

// Whether an options dialog or another property sheet of the host is open; the dispatcher
// then does nothing.
bool IsPropertySheetOpen();
// Gives the installation folders to the management-file and title-block libraries.
void HandInstallationFoldersToLibraries();
