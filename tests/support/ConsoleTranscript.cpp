#include "support/ConsoleTranscript.h"

#include "platform/text/Utf8.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ovtest {

Console::Console(std::deque<std::wstring> lines)
    : backend(
          [this]() -> std::optional<std::wstring> {
              if (m_lines.empty())
                  return std::nullopt;
              std::wstring line = m_lines.front();
              m_lines.pop_front();
              transcript += line + L"\n";
              return line;
          },
          [this](std::wstring_view text) { transcript += text; }),
      m_lines(std::move(lines)) {
    ui::SetBackend(&backend);
}

Console::~Console() {
    ui::SetBackend(nullptr);
}

std::wstring KeptTranscript(const std::string& relativePath, const std::wstring& actual) {
    std::filesystem::path path = std::filesystem::path(OV_SOURCE_DIR) / "tests" / relativePath;
    const char* update = std::getenv("OV_UPDATE_TRANSCRIPTS");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text::ToUtf8(actual);
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return text::FromUtf8(bytes.str());
}

} // namespace ovtest
