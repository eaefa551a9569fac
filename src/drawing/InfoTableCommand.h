#pragma once
// "CREATEINFOTABLE": draws the equipment information table from the entry lists the dialog
// stored and lets the user drag it to its place by its lower-right corner. Enter, Space or a
// pick places it and the drawing's previous table goes; Esc or the right button takes the new
// table away and leaves the previous one as it was.

void RunCreateInfoTable();
