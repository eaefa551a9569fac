#include "platform/net/FtpListing.h"

#include <gtest/gtest.h>

namespace {

using net::FtpListedName;

TEST(FtpListing, ReadsUnixAndWindowsStylesAndTellsFoldersFromFiles) {
    std::string reply =
        "total 12\r\n"
        "drwxr-xr-x   2 owner    group        4096 Dec 06 10:00 Template\r\n"
        "-rw-r--r--   1 owner    group         120 Jan  1  2023 Server.xml\r\n"
        "-rw-r--r--   1 owner    group          12 Mar 15 09:05 name with  spaces.dwg\n"
        "lrwxrwxrwx   1 owner    group           9 Mar 15 09:05 link -> target\n"
        "drwxr-xr-x   3 ftp 4096 Mar 15 09:05 no-group\n"
        "drwxr-xr-x   2 owner    group        4096 Dec 06 10:00 .\r\n"
        "01-02-24  10:30AM       <DIR>          Data\r\n"
        "12-31-2023  11:59PM            1,234 OS.log\r\n"
        "garbage line\r\n"
        "\r\n";
    std::vector<FtpListedName> entries = net::ParseListing(reply);
    std::vector<std::pair<std::string, bool>> seen;
    for (const FtpListedName& entry : entries)
        seen.emplace_back(entry.name, entry.isFolder);
    std::vector<std::pair<std::string, bool>> expected = {
        {"Template", true}, {"Server.xml", false}, {"name with  spaces.dwg", false},
        {"link", false},    {"no-group", true},    {"Data", true},
        {"OS.log", false}};
    EXPECT_EQ(seen, expected);
}

TEST(FtpListing, NameListsGiveNamesOnly) {
    EXPECT_EQ(net::ParseNameList("a.dwg\r\nsub/b.dwg\n\n.\r\n..\r\n\xb9\xa4.dwg"),
              (std::vector<std::string>{"a.dwg", "b.dwg", "\xb9\xa4.dwg"}));
    EXPECT_TRUE(net::ParseNameList("").empty());
}

TEST(FtpListing, RejectsLinesOfNeitherStyle) {
    FtpListedName entry;
    for (const char* line : {"", "-rw-r--r--", "-rw-r--r-- 1 o g 1 Foo 1 10:00 x",
                             "drwxr-xr-x 2 o g 4096 Dec 06 10:00", "01-02-24 10:30AM <DIR>",
                             "01-02-24 10:30AM big x", "99/99 10:30AM 1 x"})
        EXPECT_FALSE(net::ParseListLine(line, entry)) << line;
}

TEST(FtpListing, NamesNoCommandCouldCarryAreLeftOut) {
    // Found by fuzzing: a lone CR inside a line gave a name with the CR in it.
    EXPECT_EQ(net::ParseNameList("a.dwg\rb.dwg\nc.dwg\n"), std::vector<std::string>{"c.dwg"});
    EXPECT_TRUE(
        net::ParseListing("lrwxrwxrwx 1 o g 3 Jan 1 2020 x\ry -> z\n01-02-24 10:30AM 1 \x01\n")
            .empty());
}

} // namespace
