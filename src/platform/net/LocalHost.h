#pragma once
// The local machine and process, as the server lock and the shared log name them.

#include <string>

namespace net {

// The host name ("" when it cannot be read).
std::wstring LocalHostName();
// The first IPv4 address of the host name in dotted decimal, "" when the name does not resolve.
std::wstring LocalIPv4Address();

int CurrentProcessId();
// Whether a process with this id runs on this machine.
bool IsProcessRunning(int processId);

} // namespace net
