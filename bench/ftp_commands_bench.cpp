// The FTP commands each job of the server protocol costs, counted from USER to QUIT (PASV,
// TYPE and PWD included) in the log of a pyftpdlib server this program starts on 127.0.0.1
// (scripts/ftp-test-server), on a site whose "Server.xml" holds 1,000 entries, with its
// "Server.backup", and a user login: sending 1, 5 and 20 files into a new folder, the version
// check and the word-dictionary refresh. Each count is set against the minimum the protocol
// needs for the job, command by command in docs/server-sync.md. Target: at most the minimum
// plus 2. Also the wall time of a send of 5 files on loopback.

#include "BenchSupport.h"

#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"
#include "server/MyFtpConnection.h"
#include "server/WordDictionaryRefresh.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

namespace stdfs = std::filesystem;

stdfs::path g_folder;
stdfs::path g_state;
stdfs::path g_home;

void WriteFile(const stdfs::path& path, const std::string& bytes) {
    stdfs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const stdfs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string Catalogue(int entries) {
    std::wstring content = L"版本日期：2024,01,01,00,00,00\n";
    for (int i = 0; i < entries; ++i)
        content +=
            text::Format(L"Template\\prjs\\柜%d\\图纸%d.dwg|2024,01,01,00,00,00|MOD\n", i % 50, i);
    return text::AnsiCodePage().Encode(text::ReplaceAll(content, L"\n", L"\r\n"));
}

std::wstring Letters(const std::wstring& line) {
    std::wstring letters;
    for (unsigned char byte : text::AnsiCodePage().Encode(line)) {
        letters += static_cast<wchar_t>(L'a' + byte / 16);
        letters += static_cast<wchar_t>(L'a' + byte % 16);
    }
    return letters;
}

// The commands the server logged ("CMD"), in order.
std::vector<std::string> LoggedCommands() {
    std::vector<std::string> commands;
    std::ifstream in(g_state / "ftp.log");
    for (std::string line; std::getline(in, line);) {
        size_t arrow = line.find("] <- ");
        if (arrow != std::string::npos)
            commands.push_back(line.substr(arrow + 5, line.find(' ', arrow + 5) - arrow - 5));
    }
    return commands;
}

struct Job {
    std::string name;
    int minimum;
    std::function<bool()> run;
};

// Runs the job and prints its commands against the minimum; false when the job failed or
// spent more than the minimum plus 2.
bool CountJob(const Job& job) {
    size_t before = LoggedCommands().size();
    bool ok = job.run();
    std::vector<std::string> commands = LoggedCommands();
    std::map<std::string, int> byVerb;
    for (size_t i = before; i < commands.size(); ++i)
        ++byVerb[commands[i]];
    std::string detail;
    for (const auto& [verb, count] : byVerb)
        detail += (detail.empty() ? "" : ", ") + verb + " " + std::to_string(count);
    int count = static_cast<int>(commands.size() - before);
    std::printf("%s: %d FTP commands on %d connection(s), minimum %d (%s)%s\n", job.name.c_str(),
                count, byVerb["USER"], job.minimum, detail.c_str(), ok ? "" : " - FAILED");
    std::printf("%s: ratio %.2fx (target: at most %.2fx)\n", job.name.c_str(),
                static_cast<double>(count) / job.minimum,
                static_cast<double>(job.minimum + 2) / job.minimum);
    return ok && count <= job.minimum + 2;
}

// A new folder holding `files` drawings, sent as the template save sends it.
bool SendNewFolder(const std::string& name, int files) {
    stdfs::path local = g_folder / "local" / name;
    for (int i = 0; i < files; ++i)
        WriteFile(local / ("图" + std::to_string(i) + ".dwg"), std::string(50000, 'd'));
    CMyFtpConnection connection;
    std::wstring folder = text::FromUtf8(name);
    return connection.SendFolderToServer(L"Template\\prjs", L"Template\\prjs\\" + folder,
                                         fs::ToLogical(local)) == 1;
}

// Minimum commands of a send of n files into a new folder (docs/server-sync.md).
int SendMinimum(int files) {
    return 28 + 4 * files;
}

void SendFiveFiles(benchmark::State& state) {
    int round = 0;
    for (auto _ : state)
        if (!SendNewFolder("timed-" + std::to_string(round++), 5))
            state.SkipWithError("the send failed");
}

bool StartSite() {
    std::string script = std::string(OV_SOURCE_DIR) + "/scripts/ftp-test-server";
    std::string start = "/usr/bin/python3 " + script + " start " + g_state.string() + " >/dev/null";
    if (std::system(start.c_str()) != 0) {
        std::printf("the FTP server could not be started (%s)\n", script.c_str());
        return false;
    }
    int port = std::stoi(ReadFile(g_state / "port"));
    stdfs::path site = g_state / "root" / "site";
    WriteFile(site / "Server.xml", Catalogue(1000));
    WriteFile(site / "Server.backup", Catalogue(1000));
    WriteFile(site / "Data" / "word.mdb", std::string(100000, 'w'));
    stdfs::create_directories(site / "Template" / "prjs");

    WriteFile(g_home / "Installation.ini", "Kind=1\nCodePage=CP936\n");
    std::string login;
    std::vector<std::wstring> lines = {L"",  L"site",   L"127.0.0.1", std::to_wstring(port),
                                       L"0", L"ovuser", L"ovpass",    L"",
                                       L"",  L"",       L"1"};
    for (const std::wstring& line : lines)
        login += text::AnsiCodePage().Encode(Letters(line)) + "\r\n";
    WriteFile(g_home / "LocalData" / "OvFTPLoginInfo.sys", login);
    // The client knows the site's stamp: it is up to date.
    std::string catalogue = ReadFile(site / "Server.xml");
    WriteFile(g_home / "Client.xml", catalogue.substr(0, catalogue.find("\r\n")));
    stdfs::create_directories(g_home / "TempFTP");
    ::setenv("OVMANAGE_HOME", g_home.c_str(), 1);
    Ov2002ReloadInstallation();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    g_folder = stdfs::temp_directory_path() / ("ov-ftp-commands-" + std::to_string(::getpid()));
    g_state = g_folder / "ftp-server";
    g_home = g_folder / "installation";
    text::SetAnsiCodePage("CP936");
    if (!StartSite())
        return 1;

    std::vector<Job> jobs = {
        {"send 1 file into a new folder", SendMinimum(1), [] { return SendNewFolder("一", 1); }},
        {"send 5 files into a new folder", SendMinimum(5), [] { return SendNewFolder("五", 5); }},
        {"send 20 files into a new folder", SendMinimum(20),
         [] { return SendNewFolder("二十", 20); }},
        {"version check", 7,
         [] {
             CMyFtpConnection connection;
             return connection.Connect() && connection.CheckClientVersion() == 0;
         }},
        {"word-dictionary refresh", 7, [] { return RefreshWordDictionaryFromServer() == 1; }},
    };
    bool ok = true;
    for (const Job& job : jobs)
        ok = CountJob(job) && ok;

    benchmark::RegisterBenchmark("FtpJobs/Send5FilesIntoANewFolder", SendFiveFiles)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    std::string script = std::string(OV_SOURCE_DIR) + "/scripts/ftp-test-server";
    std::system(("/usr/bin/python3 " + script + " stop " + g_state.string()).c_str());
    std::error_code ignored;
    stdfs::remove_all(g_folder, ignored);
    return ok ? 0 : 1;
}
