// The server catalogue: one update (UpdateCatalogue) on catalogues of 100, 1,000 and 10,000
// entries, which should grow linearly with the catalogue; and the number of FTP commands that
// sending one file (SendFileToServer) costs on a site in use, counted from the log of a
// pyftpdlib server that this program starts on 127.0.0.1 (scripts/ftp-test-server).

#include "BenchSupport.h"

#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"
#include "server/MyFtpConnection.h"
#include "server/OperateVersionFile.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

namespace stdfs = std::filesystem;

stdfs::path g_folder;

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

// A catalogue of `entries` drawings under one version line, as clients write it.
std::string Catalogue(int entries) {
    std::wstring content = L"版本日期：2024,01,01,00,00,00\n";
    for (int i = 0; i < entries; ++i)
        content +=
            text::Format(L"Template\\prjs\\柜%d\\图纸%d.dwg|2024,01,01,00,00,00|MOD\n", i % 50, i);
    return text::AnsiCodePage().Encode(text::ReplaceAll(content, L"\n", L"\r\n"));
}

void UpdateCatalogue(benchmark::State& state) {
    int entries = static_cast<int>(state.range(0));
    stdfs::path file = g_folder / ("Server" + std::to_string(entries) + ".xml");
    WriteFile(file, Catalogue(entries));
    COperateVersionFile catalogue(fs::ToLogical(file));
    // An entry from the middle moves to the top: the catalogue keeps its size.
    std::wstring sent =
        text::Format(L"Template\\prjs\\柜%d\\图纸%d.dwg", (entries / 2) % 50, entries / 2);
    for (auto _ : state)
        if (!catalogue.UpdateCatalogue(sent, L"MOD"))
            state.SkipWithError("the catalogue could not be written");
    state.SetLabel(std::to_string(catalogue.Getm_arrEntries().size()) + " entries");
}

std::wstring Letters(const std::wstring& line) {
    std::wstring letters;
    for (unsigned char byte : text::AnsiCodePage().Encode(line)) {
        letters += static_cast<wchar_t>(L'a' + byte / 16);
        letters += static_cast<wchar_t>(L'a' + byte % 16);
    }
    return letters;
}

std::vector<std::string> CommandsInLog(const stdfs::path& log) {
    std::vector<std::string> commands;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
        size_t arrow = line.find("] <- ");
        if (arrow != std::string::npos)
            commands.push_back(line.substr(arrow + 5, line.find(' ', arrow + 5) - arrow - 5));
    }
    return commands;
}

// Sends one drawing to a site that already has a catalogue, a backup and an up-to-date client,
// and prints the FTP commands the server received for it.
bool CountCommandsOfOneSend() {
    stdfs::path state = g_folder / "ftp-server";
    std::string script = std::string(OV_SOURCE_DIR) + "/scripts/ftp-test-server";
    std::string start = "/usr/bin/python3 " + script + " start " + state.string() + " >/dev/null";
    if (std::system(start.c_str()) != 0) {
        std::printf("SendFileToServer: the FTP server could not be started (%s)\n", script.c_str());
        return false;
    }
    int port = std::stoi(ReadFile(state / "port"));
    stdfs::path site = state / "root" / "site";
    WriteFile(site / "Server.xml", Catalogue(1000));
    WriteFile(site / "Server.backup", Catalogue(1000));
    stdfs::create_directories(site / "Template" / "prjs");

    stdfs::path home = g_folder / "installation";
    WriteFile(home / "Installation.ini", "Kind=1\nCodePage=CP936\n");
    WriteFile(home / "a.dwg", std::string(200000, 'x'));
    std::string login;
    std::vector<std::wstring> lines = {L"",  L"site",   L"127.0.0.1", std::to_wstring(port),
                                       L"0", L"ovuser", L"ovpass",    L"",
                                       L"",  L"",       L"1"};
    for (const std::wstring& line : lines)
        login += text::AnsiCodePage().Encode(Letters(line)) + "\r\n";
    WriteFile(home / "LocalData" / "OvFTPLoginInfo.sys", login);
    WriteFile(home / "Client.xml", ReadFile(site / "Server.xml").substr(0, 40));
    ::setenv("OVMANAGE_HOME", home.c_str(), 1);
    Ov2002ReloadInstallation();

    bool ok = false;
    {
        CMyFtpConnection connection;
        if (!connection.Connect() || !connection.RefreshClientVersion())
            std::printf("SendFileToServer: the site could not be prepared: %s\n",
                        text::ToUtf8(connection.GetLastStatus().text).c_str());
        else {
            size_t before = CommandsInLog(state / "ftp.log").size();
            ok = connection.SendFileToServer(fs::ToLogical(home / "a.dwg"),
                                             L"Template\\prjs\\a.dwg") == 1;
            std::vector<std::string> commands = CommandsInLog(state / "ftp.log");
            std::map<std::string, int> byVerb;
            for (size_t i = before; i < commands.size(); ++i)
                ++byVerb[commands[i]];
            std::string detail;
            for (const auto& [verb, count] : byVerb)
                detail += (detail.empty() ? "" : ", ") + verb + " " + std::to_string(count);
            std::printf("SendFileToServer: %zu FTP commands for one file on a catalogue of 1000 "
                        "entries, connection open (%s)%s\n",
                        commands.size() - before, detail.c_str(), ok ? "" : " - FAILED");
        }
    }
    std::system(("/usr/bin/python3 " + script + " stop " + state.string()).c_str());
    return ok;
}

void PrintSteps(const char* what, double t100, double t1000, double t10000) {
    std::printf("UpdateCatalogue %s per update: 100 entries %.3f ms, 1000 entries %.3f ms (x%.1f), "
                "10000 entries %.3f ms (x%.1f)\n",
                what, t100 * 1e3, t1000 * 1e3, t100 > 0 ? t1000 / t100 : 0.0, t10000 * 1e3,
                t1000 > 0 ? t10000 / t1000 : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    g_folder = stdfs::temp_directory_path() / ("ov-catalogue-bench-" + std::to_string(::getpid()));
    stdfs::create_directories(g_folder);
    text::SetAnsiCodePage("CP936");
    benchmark::RegisterBenchmark("UpdateCatalogue", UpdateCatalogue)
        ->Arg(100)
        ->Arg(1000)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    // The wall time of an update is mostly the flush to disk that every safe write ends with,
    // which does not depend on the catalogue's size: the CPU time shows the growth.
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char* names[] = {"UpdateCatalogue/100", "UpdateCatalogue/1000", "UpdateCatalogue/10000"};
    PrintSteps("CPU time", reporter.CpuSeconds(names[0]), reporter.CpuSeconds(names[1]),
               reporter.CpuSeconds(names[2]));
    PrintSteps("wall time", reporter.Seconds(names[0]), reporter.Seconds(names[1]),
               reporter.Seconds(names[2]));
    bool ok = CountCommandsOfOneSend();
    std::error_code ignored;
    stdfs::remove_all(g_folder, ignored);
    return ok ? 0 : 1;
}
