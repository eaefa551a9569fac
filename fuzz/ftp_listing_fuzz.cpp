// Any bytes a server sends as a folder listing (LIST in the Unix or the Windows/IIS style, NLST)
// parse without a fault, and every name they give is a name: not empty, not "." or "..", without
// a line break, and from NLST without a folder part.

#include "platform/net/FtpListing.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void RequireName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("\r\n") != std::string::npos)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view reply(reinterpret_cast<const char*>(data), size);
    for (const net::FtpListedName& entry : net::ParseListing(reply))
        RequireName(entry.name);
    for (const std::string& name : net::ParseNameList(reply)) {
        RequireName(name);
        if (name.find('/') != std::string::npos)
            std::abort();
    }
    // One line of it, as the listing reader hands each line on.
    net::FtpListedName entry;
    if (net::ParseListLine(reply.substr(0, reply.find_first_of("\r\n")), entry))
        RequireName(entry.name);
    return 0;
}
