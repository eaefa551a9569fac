#include "platform/net/LocalHost.h"

#include "platform/text/Utf8.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace net {

namespace {

std::string HostNameBytes() {
    char name[257] = {};
    if (::gethostname(name, sizeof(name) - 1) != 0)
        return {};
    return name;
}

} // namespace

std::wstring LocalHostName() {
    return text::FromUtf8(HostNameBytes());
}

std::wstring LocalIPv4Address() {
    std::string name = HostNameBytes();
    if (name.empty())
        return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return {};
    char dotted[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    ::inet_ntop(AF_INET, &address->sin_addr, dotted, sizeof(dotted));
    ::freeaddrinfo(found);
    return text::FromUtf8(dotted);
}

int CurrentProcessId() {
    return static_cast<int>(::getpid());
}

bool IsProcessRunning(int processId) {
    if (processId <= 0)
        return false;
    // EPERM: the process exists but belongs to another user.
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

} // namespace net
