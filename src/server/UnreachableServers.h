#pragma once
// Servers that could not be reached a moment ago. The word-dictionary refresh that runs before
// every command does not wait for such a server again until a minute has passed, so that a
// server that is down costs one connection time-out, not one per command. What the user asks
// for (sending a folder) still tries the server.

#include <chrono>
#include <functional>
#include <string>

inline constexpr std::chrono::seconds kUnreachableServerPause{60};

void RememberUnreachableServer(const std::wstring& strServer, int nPort);
void ForgetUnreachableServer(const std::wstring& strServer, int nPort);
// Whether the server could not be reached less than kUnreachableServerPause ago.
bool IsServerRecentlyUnreachable(const std::wstring& strServer, int nPort);

// Tests move the clock on instead of waiting (null restores the steady clock).
void SetUnreachableServerClockForTesting(
    std::function<std::chrono::steady_clock::time_point()> clock);
