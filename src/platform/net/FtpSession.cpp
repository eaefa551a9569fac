#include "platform/net/FtpSession.h"

#include "platform/text/CodePage.h"
#include "platform/text/WideString.h"

#include <curl/curl.h>

#include <cctype>
#include <mutex>

namespace net {

namespace {

CURL* Handle(void* curl) {
    return static_cast<CURL*>(curl);
}

FtpStatus Failure(std::wstring text, int curlCode = CURLE_URL_MALFORMAT) {
    FtpStatus status;
    status.ok = false;
    status.curlCode = curlCode;
    status.text = std::move(text);
    return status;
}

FtpStatus NotOpen() {
    return Failure(L"Not connected to the FTP server", CURLE_COULDNT_CONNECT);
}

// Host names go into the URL as they stand, so only what a host name or an address can hold
// is let through.
bool IsValidHost(const std::wstring& host) {
    if (host.empty())
        return false;
    for (wchar_t c : host)
        if (!((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
              c == L'.' || c == L'-' || c == L':' || c == L'_'))
            return false;
    return true;
}

std::string Ascii(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// A name travels in a command line of its own: a line break in it would end that command and
// start another one.
bool HasControlCharacter(std::wstring_view name) {
    for (wchar_t c : name)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

std::wstring DecodeReply(std::string_view reply) {
    return text::Trim(text::AnsiCodePage().Decode(reply));
}

int ReplyCode(std::string_view reply) {
    return reply.size() >= 3 ? text::ToInt(std::wstring(reply.begin(), reply.begin() + 3)) : 0;
}

// The last line of a reply: three digits and a blank (or nothing); the lines before it in a
// reply of several lines start "NNN-" or with anything else.
bool IsFinalReplyLine(std::string_view line) {
    return line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0])) &&
           std::isdigit(static_cast<unsigned char>(line[1])) &&
           std::isdigit(static_cast<unsigned char>(line[2])) &&
           (line.size() == 3 || line[3] == ' ');
}

void SetLong(CURL* curl, CURLoption option, long value) {
    curl_easy_setopt(curl, option, value);
}

} // namespace

bool FtpStatus::IsUnreachable() const {
    return !ok && (curlCode == CURLE_COULDNT_CONNECT || curlCode == CURLE_OPERATION_TIMEDOUT ||
                   curlCode == CURLE_COULDNT_RESOLVE_HOST || curlCode == CURLE_GOT_NOTHING ||
                   curlCode == CURLE_RECV_ERROR || curlCode == CURLE_SEND_ERROR ||
                   curlCode == CURLE_FTP_WEIRD_SERVER_REPLY);
}

bool FtpStatus::IsMissing() const {
    return !ok && replyCode == 550 &&
           (curlCode == CURLE_REMOTE_FILE_NOT_FOUND || curlCode == CURLE_REMOTE_ACCESS_DENIED ||
            curlCode == CURLE_FTP_COULDNT_RETR_FILE || curlCode == CURLE_QUOTE_ERROR);
}

struct FtpSession::Target {
    std::vector<std::string> segments; // from the root, in the code page
    std::string url;
    std::string path; // "/a/b", for commands
};

struct FtpSession::Request {
    std::string url;
    bool nobody = false;
    bool upload = false;
    bool append = false;
    bool namesOnly = false;
    std::string_view uploadData;
    size_t uploadOffset = 0;
    std::string received;
    std::vector<std::string> commands;
    std::string lastReply;            // the last reply line of the server
    std::vector<std::string> replies; // the last line of each reply, in order
};

FtpSession::FtpSession() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

FtpSession::~FtpSession() {
    Close();
}

FtpStatus FtpSession::Open(const FtpLogin& login) {
    Close();
    if (!IsValidHost(login.host))
        return Failure(L"Invalid FTP server address: " + login.host);
    m_login = login;
    std::wstring host =
        login.host.find(L':') != std::wstring::npos ? L"[" + login.host + L"]" : login.host;
    m_origin = "ftp://" + Ascii(host) + ":" + std::to_string(login.port > 0 ? login.port : 21);
    m_curl = curl_easy_init();
    m_multi = curl_multi_init();
    if (m_curl == nullptr || m_multi == nullptr) {
        Close();
        return Failure(L"Cannot start an FTP session", CURLE_FAILED_INIT);
    }

    // The entry folder with no body: connect, greeting, login and PWD, nothing else.
    Request request;
    request.url = m_origin + "/";
    request.nobody = true;
    FtpStatus status = Perform(request);
    if (!status) {
        Close();
        return status;
    }
    char* entryPath = nullptr;
    curl_easy_getinfo(Handle(m_curl), CURLINFO_FTP_ENTRY_PATH, &entryPath);
    m_current = L"\\";
    if (entryPath != nullptr)
        m_current = L"\\" + text::Trim(text::ReplaceAll(text::AnsiCodePage().Decode(entryPath),
                                                        L"/", L"\\"),
                                       L"\\");
    m_open = true;
    return status;
}

void FtpSession::Close() {
    // The connection lives in the multi handle's cache: cleaning that up logs out.
    if (m_multi != nullptr)
        curl_multi_cleanup(static_cast<CURLM*>(m_multi));
    if (m_curl != nullptr)
        curl_easy_cleanup(Handle(m_curl));
    m_multi = nullptr;
    m_curl = nullptr;
    m_open = false;
    m_current = L"\\";
}

FtpStatus FtpSession::Resolve(std::wstring_view remote, bool isFolder, Target& target) const {
    std::vector<std::wstring> parts;
    bool absolute = !remote.empty() && (remote.front() == L'\\' || remote.front() == L'/');
    if (!absolute)
        for (const std::wstring& part : text::Split(m_current, L"\\"))
            if (!part.empty())
                parts.push_back(part);
    for (const std::wstring& part : text::Split(text::ReplaceAll(remote, L"/", L"\\"), L"\\")) {
        if (part.empty() || part == L".")
            continue;
        if (part == L"..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    if (!isFolder && parts.empty())
        return Failure(L"No remote file name given");

    target = Target();
    std::string escapedPath;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (HasControlCharacter(parts[i]))
            return Failure(L"Invalid character in the remote name " + std::wstring(remote));
        bool lossy = false;
        std::string bytes = text::AnsiCodePage().Encode(parts[i], &lossy);
        if (lossy)
            return Failure(L"The remote name " + std::wstring(remote) +
                           L" cannot be written in the installation's code page");
        char* escaped =
            curl_easy_escape(Handle(m_curl), bytes.data(), static_cast<int>(bytes.size()));
        if (escaped == nullptr)
            return Failure(L"Cannot encode the remote name " + std::wstring(remote));
        if (i > 0)
            escapedPath += '/';
        escapedPath += escaped;
        curl_free(escaped);
        target.path += '/';
        target.path += bytes;
        target.segments.push_back(std::move(bytes));
    }
    if (target.path.empty())
        target.path = "/";
    // "%2F" makes the path count from the root; the commands name it whole (no CWD).
    target.url = m_origin + "/%2F" + escapedPath;
    if (isFolder && !escapedPath.empty())
        target.url += '/';
    return FtpStatus();
}

FtpStatus FtpSession::Perform(Request& request) {
    CURL* curl = Handle(m_curl);
    curl_easy_reset(curl);
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    SetLong(curl, CURLOPT_NOSIGNAL, 1);
    SetLong(curl, CURLOPT_CONNECTTIMEOUT_MS, m_login.connectTimeoutMs);
    long replySeconds = (m_login.replyTimeoutMs + 999) / 1000;
    SetLong(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, replySeconds);
    SetLong(curl, CURLOPT_LOW_SPEED_LIMIT, 1);
    SetLong(curl, CURLOPT_LOW_SPEED_TIME, replySeconds);
    SetLong(curl, CURLOPT_FTP_FILEMETHOD, CURLFTPMETHOD_NOCWD);
    // PASV as the Windows clients send it; EPSV is refused by some older servers.
    SetLong(curl, CURLOPT_FTP_USE_EPSV, 0);
    // No SIZE before RETR: the transfer ends when the server closes the data connection.
    SetLong(curl, CURLOPT_IGNORE_CONTENT_LENGTH, 1);
    if (!m_login.passive) {
        curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
        SetLong(curl, CURLOPT_ACCEPTTIMEOUT_MS, m_login.connectTimeoutMs);
    }
    std::string user, password;
    if (!m_login.user.empty()) {
        user = text::AnsiCodePage().Encode(m_login.user);
        password = text::AnsiCodePage().Encode(m_login.password);
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
    }

    // The server's replies come through the debug channel; the last one explains a failure.
    auto onDebug = +[](CURL*, curl_infotype type, char* data, size_t size, void* context) -> int {
        if (type == CURLINFO_HEADER_IN) {
            std::string_view line(data, size);
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.remove_suffix(1);
            auto* request = static_cast<Request*>(context);
            if (!line.empty())
                request->lastReply = std::string(line);
            if (IsFinalReplyLine(line))
                request->replies.emplace_back(line);
        }
        return 0;
    };
    SetLong(curl, CURLOPT_VERBOSE, 1);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &request);

    auto onData = +[](char* data, size_t size, size_t count, void* context) -> size_t {
        static_cast<Request*>(context)->received.append(data, size * count);
        return size * count;
    };
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &request);
    if (request.upload) {
        auto onRead = +[](char* buffer, size_t size, size_t count, void* context) -> size_t {
            auto* self = static_cast<Request*>(context);
            size_t n = std::min(size * count, self->uploadData.size() - self->uploadOffset);
            self->uploadData.copy(buffer, n, self->uploadOffset);
            self->uploadOffset += n;
            return n;
        };
        SetLong(curl, CURLOPT_UPLOAD, 1);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, onRead);
        curl_easy_setopt(curl, CURLOPT_READDATA, &request);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE,
                         static_cast<curl_off_t>(request.uploadData.size()));
        SetLong(curl, CURLOPT_APPEND, request.append ? 1 : 0);
    }
    if (request.nobody)
        SetLong(curl, CURLOPT_NOBODY, 1);
    if (request.namesOnly)
        SetLong(curl, CURLOPT_DIRLISTONLY, 1);
    curl_slist* commands = nullptr;
    for (const std::string& command : request.commands)
        commands = curl_slist_append(commands, command.c_str());
    if (commands != nullptr)
        curl_easy_setopt(curl, CURLOPT_QUOTE, commands);

    CURLcode code = static_cast<CURLcode>(Run(curl));
    curl_slist_free_all(commands);
    // The handle outlives this frame (its QUIT at Close still runs under the time-outs set
    // here), so it must not keep pointers into it.
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(curl, CURLOPT_QUOTE, nullptr);
    SetLong(curl, CURLOPT_VERBOSE, 0);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, nullptr);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, nullptr);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, nullptr);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, nullptr);
    curl_easy_setopt(curl, CURLOPT_READDATA, nullptr);

    FtpStatus status;
    status.replyCode = ReplyCode(request.lastReply);
    if (code == CURLE_OK)
        return status;
    status.ok = false;
    status.curlCode = code;
    if (status.replyCode >= 400)
        status.text = DecodeReply(request.lastReply);
    else
        status.text =
            text::AnsiCodePage().Decode(errorText[0] ? errorText : curl_easy_strerror(code));
    return status;
}

// libcurl 7.88 does not always watch the data connection while it is being opened after PASV,
// and its own loop then sleeps up to a second per transfer. Driving the transfer ourselves with
// a short wait keeps every step prompt; the time-outs are still libcurl's.
int FtpSession::Run(void* easy) {
    CURLM* multi = static_cast<CURLM*>(m_multi);
    CURL* curl = Handle(easy);
    if (curl_multi_add_handle(multi, curl) != CURLM_OK)
        return CURLE_FAILED_INIT;
    int running = 1;
    while (curl_multi_perform(multi, &running) == CURLM_OK && running > 0)
        curl_multi_poll(multi, nullptr, 0, 10, nullptr);
    CURLcode code = CURLE_FAILED_INIT;
    int pending = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &pending))
        if (message->msg == CURLMSG_DONE && message->easy_handle == curl)
            code = message->data.result;
    curl_multi_remove_handle(multi, curl);
    return code;
}

// A request on one remote file or folder.
FtpStatus FtpSession::Transfer(std::wstring_view remote, bool isFolder, Request& request) {
    if (!m_open)
        return NotOpen();
    Target target;
    FtpStatus status = Resolve(remote, isFolder, target);
    if (!status)
        return status;
    request.url = target.url;
    return Perform(request);
}

FtpStatus FtpSession::RunCommands(const std::vector<std::string>& commands) {
    if (!m_open)
        return NotOpen();
    // The commands name absolute paths and go alone, with the login folder's URL. Each is sent
    // with libcurl's "*", which takes a refusal as an answer instead of dropping the connection;
    // the replies then tell how each command went.
    Request request;
    request.url = m_origin + "/";
    request.nobody = true;
    for (const std::string& command : commands)
        request.commands.push_back("*" + command);
    FtpStatus status = Perform(request);
    if (!status)
        return status;
    // A connection libcurl had to open again adds the login's replies before these.
    if (request.replies.size() < commands.size())
        return Failure(L"The FTP server did not answer every command", CURLE_QUOTE_ERROR);
    size_t first = request.replies.size() - commands.size();
    for (size_t i = 0; i < commands.size(); ++i) {
        const std::string& reply = request.replies[first + i];
        if (ReplyCode(reply) >= 400) {
            status = Failure(DecodeReply(reply), CURLE_QUOTE_ERROR);
            status.replyCode = ReplyCode(reply);
            status.command = static_cast<int>(i);
            return status;
        }
    }
    status.replyCode = ReplyCode(request.replies.back());
    return status;
}

FtpStatus FtpSession::FolderExists(std::wstring_view folder) {
    Target target;
    FtpStatus status = Resolve(folder, true, target);
    return status ? RunCommands({"CWD " + target.path}) : status;
}

FtpStatus FtpSession::SetCurrentFolder(std::wstring_view folder) {
    FtpStatus status = FolderExists(folder);
    if (!status)
        return status;
    Target target;
    Resolve(folder, true, target);
    m_current = L"\\";
    for (size_t i = 0; i < target.segments.size(); ++i)
        m_current += (i ? L"\\" : L"") + text::AnsiCodePage().Decode(target.segments[i]);
    return status;
}

FtpStatus FtpSession::Download(std::wstring_view remote, std::string& bytes) {
    Request request;
    FtpStatus status = Transfer(remote, false, request);
    if (status)
        bytes = std::move(request.received);
    return status;
}

FtpStatus FtpSession::Upload(std::wstring_view remote, std::string_view bytes, bool append) {
    Request request;
    request.upload = true;
    request.append = append;
    request.uploadData = bytes;
    return Transfer(remote, false, request);
}

FtpStatus FtpSession::Delete(std::wstring_view remote) {
    Target target;
    FtpStatus status = Resolve(remote, false, target);
    return status ? RunCommands({"DELE " + target.path}) : status;
}

FtpStatus FtpSession::Rename(std::wstring_view from, std::wstring_view to) {
    Target source, destination;
    FtpStatus status = Resolve(from, false, source);
    if (status)
        status = Resolve(to, false, destination);
    return status ? RunCommands({"RNFR " + source.path, "RNTO " + destination.path}) : status;
}

FtpStatus FtpSession::MakeFolder(std::wstring_view remote) {
    Target target;
    FtpStatus status = Resolve(remote, false, target);
    return status ? RunCommands({"MKD " + target.path}) : status;
}

FtpStatus FtpSession::List(std::wstring_view folder, std::vector<FtpEntry>& entries) {
    entries.clear();
    Request request;
    FtpStatus status = Transfer(folder, true, request);
    if (status)
        for (FtpListedName& listed : ParseListing(request.received))
            entries.push_back({text::AnsiCodePage().Decode(listed.name), listed.isFolder});
    return status;
}

FtpStatus FtpSession::ListNames(std::wstring_view folder, std::vector<std::wstring>& names) {
    names.clear();
    Request request;
    request.namesOnly = true;
    FtpStatus status = Transfer(folder, true, request);
    if (status)
        for (const std::string& name : ParseNameList(request.received))
            names.push_back(text::AnsiCodePage().Decode(name));
    return status;
}

} // namespace net
