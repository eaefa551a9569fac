#pragma once
// The files of the catalogue protocol on the site, and the small helpers its parts share
// (ServerCatalogue.cpp, CatalogueUpdate.cpp, ServerSend.cpp).

#include <chrono>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue_site {

inline const std::wstring kCatalogue = L"Server.xml";
// The name Windows clients give the catalogue for a moment before they read it.
inline const std::wstring kCatalogueProbe = L"Server_Tmp.xml";
inline const std::wstring kLock = L"Server.xml.bak";
inline const std::wstring kBackup = L"Server.backup";
inline const std::wstring kLog = L"OS.log";

// Looks at a lock that another client holds, 400 ms apart, before it is taken as left behind:
// a lock held longer than about 2.4 s is broken by the other clients.
inline constexpr int kLockLooks = 6;
inline constexpr int kLockLookPauseMs = 400;
// Looks in all before giving up, when the lock keeps changing hands.
inline constexpr int kLockLookLimit = 100;
// A lock taken less than this long ago cannot have been broken yet: it is removed without
// looking at it first.
inline constexpr std::chrono::milliseconds kLockSurelyOurs{2000};

// Lines as a catalogue's lines are counted: trimmed, empty ones left out.
std::vector<std::wstring> CatalogueLines(std::string_view bytes);
std::vector<std::wstring> BytesToLines(std::string_view bytes);
void ShowError(const std::wstring& strMessage);
std::tm LocalNow();

} // namespace catalogue_site
