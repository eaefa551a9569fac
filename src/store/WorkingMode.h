#pragma once
// The installation's working mode from the first line of "Data\ErpOrCad.txt": 0 plain,
// 1 "Erp", 2 "BSF". Kept for as long as the module is loaded once the file has been opened;
// while the file is missing every call looks for it again.

int GetErpOrCadMode();
int IsErpMode();
// Forgets the kept mode (a new installation was loaded).
void ResetErpOrCadMode();
