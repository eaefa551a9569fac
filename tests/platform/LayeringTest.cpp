// The module reaches outside libraries only through the platform layer, and the user-interface
// toolkit only through its backend: these rules are checked on the sources themselves.

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include <gtest/gtest.h>

namespace {

namespace stdfs = std::filesystem;

std::vector<std::string> Violations(const std::regex& include,
                                    const std::vector<std::string>& allowed) {
    std::vector<std::string> found;
    stdfs::path src = stdfs::path(OV_SOURCE_DIR) / "src";
    for (const auto& entry : stdfs::recursive_directory_iterator(src)) {
        std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        std::string relative = stdfs::relative(entry.path(), src).generic_string();
        bool isAllowed = false;
        for (const std::string& prefix : allowed)
            isAllowed = isAllowed || relative.rfind(prefix, 0) == 0;
        if (isAllowed)
            continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line))
            if (std::regex_search(line, include))
                found.push_back(relative + ": " + line);
    }
    return found;
}

} // namespace

TEST(Layering, OutsideLibrariesStayBehindThePlatformLayer) {
    std::regex libraries(
        R"(#\s*include\s*[<"](curl/|sqlite3\.h|sql\.h|sqlext\.h|sqltypes\.h|pugixml|iconv\.h|png\.h))");
    EXPECT_EQ(Violations(libraries, {"platform/"}), std::vector<std::string>{});
}

TEST(Layering, TheToolkitStaysInItsBackendAndTheHosts) {
    // The desktop backend is the folder platform/ui/wx; the X server is the toolkit's too.
    std::regex toolkit(R"(#\s*include\s*[<"](wx|X11|gtk|gdk)/)");
    EXPECT_EQ(Violations(toolkit, {"platform/ui/wx/", "hosts/"}), std::vector<std::string>{});
}

TEST(Layering, ThePlatformKnowsNothingOfTheModule) {
    std::regex module(
        R"(#\s*include\s*"(frame|records|manager|drawing|server|store|controls|suite)/)");
    std::vector<std::string> found;
    for (const std::string& line :
         Violations(module, {"frame/", "records/", "manager/", "drawing/", "server/", "store/",
                             "controls/", "suite/", "hosts/"}))
        found.push_back(line);
    EXPECT_EQ(found, std::vector<std::string>{});
}
