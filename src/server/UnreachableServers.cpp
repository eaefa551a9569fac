#include "server/UnreachableServers.h"

#include "platform/text/WideString.h"

#include <map>

namespace {

using Clock = std::chrono::steady_clock;

std::function<Clock::time_point()>& TestClock() {
    static std::function<Clock::time_point()> clock;
    return clock;
}

Clock::time_point Now() {
    return TestClock() ? TestClock()() : Clock::now();
}

// When each server was last found unreachable, by "host:port" (host names ignore case).
std::map<std::wstring, Clock::time_point>& Failures() {
    static std::map<std::wstring, Clock::time_point> failures;
    return failures;
}

std::wstring Key(const std::wstring& strServer, int nPort) {
    return text::FoldCase(strServer) + L":" + std::to_wstring(nPort > 0 ? nPort : 21);
}

} // namespace

void RememberUnreachableServer(const std::wstring& strServer, int nPort) {
    Failures()[Key(strServer, nPort)] = Now();
}

void ForgetUnreachableServer(const std::wstring& strServer, int nPort) {
    Failures().erase(Key(strServer, nPort));
}

bool IsServerRecentlyUnreachable(const std::wstring& strServer, int nPort) {
    auto found = Failures().find(Key(strServer, nPort));
    return found != Failures().end() && Now() - found->second < kUnreachableServerPause;
}

void SetUnreachableServerClockForTesting(std::function<Clock::time_point()> clock) {
    TestClock() = std::move(clock);
}
