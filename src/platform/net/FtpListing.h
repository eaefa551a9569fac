#pragma once
// Folder listings as FTP servers send them. LIST replies come in two styles: the Unix one
// ("drwxr-xr-x 2 owner group 4096 Jan 01 12:00 name") and the Windows/IIS one
// ("01-02-24  10:30AM  <DIR>  name"); NLST replies hold one name per line. Names stay in the
// bytes the server sent (the installation's code page); the session decodes them.

#include <string>
#include <string_view>
#include <vector>

namespace net {

struct FtpListedName {
    std::string name;
    bool isFolder = false;
};

// One LIST line. False for lines that are neither style (a "total" line, blanks), for the
// entries "." and "..", and for names with a control character.
bool ParseListLine(std::string_view line, FtpListedName& entry);
// A whole LIST reply, lines ending in CR LF or LF.
std::vector<FtpListedName> ParseListing(std::string_view reply);
// A whole NLST reply. Servers that answer with paths ("folder/name") give the last part.
std::vector<std::string> ParseNameList(std::string_view reply);

} // namespace net
