#pragma once
// The installation: its three folders, its kind, whether it is the server, and its version.
// Read once from the installation description "Installation.ini" in the folder named by the
// environment variable OVMANAGE_HOME, or in the bundled demo installation when that is unset
// (see docs/installation.md). Folders are logical paths without a trailing backslash; the
// pointers stay valid until the next Ov2002ReloadInstallation.

// Main installation folder.
const wchar_t* GetInstallPath_TL();
// Per-workstation folder.
const wchar_t* GetTessalLocalInstallPath();
// Shared-resource folder.
const wchar_t* GetTessalCommonResInstallPath();
// 1 super client, 2 ordinary client, anything else: no server to follow.
int GetCurTessalInstallStyle();
// Non-zero on the server installation.
int IsServerTessal();
// Short version text ("1", "2", ...).
const wchar_t* OvGetTessalCurVer();

// Reads the description again (after OVMANAGE_HOME changed). Returns 0 when the description
// file exists but cannot be read; the defaults are used then.
int Ov2002ReloadInstallation();
// The folder the description was looked for in.
const wchar_t* Ov2002GetInstallationHome();
