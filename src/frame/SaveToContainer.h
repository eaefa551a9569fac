#pragma once
// "SAVETOXM" and "SAVETOSB" (dispatcher modes 2 and 3): the current drawing saved into the
// current Project or Equipment.

// Needs a current container of the mode's kind. A drawing that already lies in a container
// folder (a folder holding a management file named after itself, of either kind) is saved in
// place; any other drawing goes to the save dialog.
void SaveCurrentDrawingIntoContainer(int nMode);

// After the save dialog saved a drawing: an open management window is built again with its
// whole tree expanded, so that it shows the new file.
void RebuildOpenManageWindows();
