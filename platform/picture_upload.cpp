#include "platform/picture_upload.h"

#include "platform/digest.h"
#include "platform/known_hosts.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace vellumo {

namespace {

constexpr std::size_t kNameDigits = 16;
constexpr long kMostRedirects = 3;
// The share of the work the transfer to the server takes; fetching it back takes the rest.
constexpr double kStoreShare = 0.8;

constexpr long kHttpNotFound = 404;
constexpr long kHttpUnauthorized = 401;
constexpr long kHttpInsufficientStorage = 507;
constexpr long kFtpNoRoom = 452;
constexpr int kRemovalAttempts = 5;
constexpr auto kRemovalPause = std::chrono::milliseconds(200);
constexpr long kFtpQuotaExceeded = 552;

struct CurlHandleFree {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlList = std::unique_ptr<curl_slist, CurlListFree>;

CurlList MakeList(const std::vector<std::string>& lines) {
    curl_slist* list = nullptr;
    for (const std::string& line : lines) {
        list = curl_slist_append(list, line.c_str());
    }
    return CurlList(list);
}

std::string RandomHex() {
    std::random_device source;
    std::string bytes(8, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(source() & 0xff);
    }
    return HexDigits(bytes);
}

// What one request came back with.
struct Reply {
    CURLcode code = CURLE_OK;
    long status = 0; // the HTTP status or last FTP reply
    std::string error;
    bool ok() const { return code == CURLE_OK; }
};

// Where the file goes: the temporary and final names, as addresses and as paths on the server.
struct Places {
    std::string folderUrl; // ends in "/"
    std::string temporaryName;
    std::string finalName;
    std::string serverPath; // SFTP: the folder's path for commands, ending in "/"
    std::string publicAddress;
};

std::string Escaped(CURL* curl, std::string_view segment) {
    char* escaped = curl_easy_escape(curl, segment.data(), static_cast<int>(segment.size()));
    std::string text = escaped != nullptr ? escaped : "";
    curl_free(escaped);
    return text;
}

std::vector<std::string> Segments(std::string_view folder) {
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= folder.size()) {
        const std::size_t end = std::min(folder.find('/', start), folder.size());
        if (end > start) {
            segments.emplace_back(folder.substr(start, end - start));
        }
        start = end + 1;
    }
    return segments;
}

// One libcurl handle for every request of an upload, so the connection is made once.
class Session {
public:
    Session(const UploadAccount& account, const UploadConnection& connection, const UploadProgress& progress)
        : m_account(account)
        , m_connection(connection)
        , m_progress(progress)
        , m_curl(curl_easy_init())
        , m_resolve(MakeList(connection.resolve)) {}

    bool valid() const { return m_curl != nullptr; }
    const HostingSettings& settings() const { return m_account.settings; }
    bool cancelled() const { return m_cancelled; }
    HostKeyStatus hostKeyStatus() const { return m_hostKeyStatus; }
    const std::string& offeredHostKey() const { return m_offeredFingerprint; }
    const std::string& pinProblem() const { return m_pinProblem; }

    Places placesOf(std::string_view finalName) {
        const HostingSettings& settings = m_account.settings;
        Places places;
        places.finalName = finalName;
        places.temporaryName = "." + places.finalName + "." + RandomHex() + ".part";
        std::string path;
        for (const std::string& segment : Segments(settings.folder)) {
            path += Escaped(m_curl.get(), segment) + "/";
        }
        const std::string port = std::to_string(PortOf(settings));
        switch (settings.protocol) {
        case HostingProtocol::WebDav:
            places.folderUrl = "https://" + settings.host + ":" + port + "/" + path;
            break;
        case HostingProtocol::Sftp:
            // Counted from the account's home folder, as an SFTP program starts there; commands take paths
            // relative to it.
            places.folderUrl = "sftp://" + settings.host + ":" + port + "/~/" + path;
            places.serverPath = settings.folder.empty() ? std::string() : settings.folder + "/";
            break;
        case HostingProtocol::Ftps:
            places.folderUrl = "ftp://" + settings.host + ":" + port + "/" + path;
            break;
        }
        places.publicAddress = settings.publicAddress + Escaped(m_curl.get(), finalName);
        return places;
    }

    // Writes the bytes under the temporary name (SFTP and FTP: and renames the file in the same session).
    Reply send(const std::string& url, std::string_view bytes, const std::vector<std::string>& afterwards) {
        prepare(url);
        m_source = bytes;
        m_sent = 0;
        curl_easy_setopt(m_curl.get(), CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(m_curl.get(), CURLOPT_READFUNCTION, &Session::readBytes);
        curl_easy_setopt(m_curl.get(), CURLOPT_READDATA, this);
        curl_easy_setopt(m_curl.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
        curl_easy_setopt(m_curl.get(), CURLOPT_FTP_CREATE_MISSING_DIRS,
                         static_cast<long>(CURLFTP_CREATE_DIR));
        const CurlList commands = MakeList(afterwards);
        curl_easy_setopt(m_curl.get(), CURLOPT_POSTQUOTE, commands.get());
        m_stage = {0.0, kStoreShare};
        return perform();
    }

    // A WebDAV request without a body: MKCOL, MOVE, DELETE.
    Reply webDav(const char* method, const std::string& url, const std::vector<std::string>& headers = {}) {
        prepare(url);
        curl_easy_setopt(m_curl.get(), CURLOPT_CUSTOMREQUEST, method);
        const CurlList headerList = MakeList(headers);
        curl_easy_setopt(m_curl.get(), CURLOPT_HTTPHEADER, headerList.get());
        return perform();
    }

    // SFTP or FTP commands in the folder, without a transfer.
    Reply commands(const std::string& folderUrl, const std::vector<std::string>& lines) {
        prepare(folderUrl);
        curl_easy_setopt(m_curl.get(), CURLOPT_NOBODY, 1L);
        const CurlList list = MakeList(lines);
        curl_easy_setopt(m_curl.get(), CURLOPT_POSTQUOTE, list.get());
        return perform();
    }

    // The public address as a buyer's browser loads it (no user name, https only); at most limit bytes.
    Reply fetch(const std::string& address, std::size_t limit, std::string& body) {
        prepare(address);
        curl_easy_setopt(m_curl.get(), CURLOPT_USERNAME, nullptr);
        curl_easy_setopt(m_curl.get(), CURLOPT_PASSWORD, nullptr);
        curl_easy_setopt(m_curl.get(), CURLOPT_PROTOCOLS_STR, "https");
        curl_easy_setopt(m_curl.get(), CURLOPT_REDIR_PROTOCOLS_STR, "https");
        curl_easy_setopt(m_curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(m_curl.get(), CURLOPT_MAXREDIRS, kMostRedirects);
        m_received = &body;
        m_receiveLimit = limit;
        curl_easy_setopt(m_curl.get(), CURLOPT_WRITEFUNCTION, &Session::writeBytes);
        curl_easy_setopt(m_curl.get(), CURLOPT_WRITEDATA, this);
        m_stage = {kStoreShare, 1.0 - kStoreShare};
        Reply reply = perform();
        m_received = nullptr;
        return reply;
    }

    // Removing what an interrupted upload left, even after a cancel.
    void allowAfterCancel() { m_ignoreProgress = true; }

private:
    struct Stage {
        double start;
        double share;
    };

    void prepare(const std::string& url) {
        CURL* curl = m_curl.get();
        curl_easy_reset(curl);
        m_error[0] = '\0';
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, m_error);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https,sftp,ftp");
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_account.settings.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_account.password.c_str());
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, m_connection.connectSeconds);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, m_connection.stallSeconds);
        curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, m_connection.stallSeconds);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
        if (!m_connection.extraCertificates.empty()) {
            curl_easy_setopt(curl, CURLOPT_CAINFO, m_connection.extraCertificates.c_str());
        }
        curl_easy_setopt(curl, CURLOPT_RESOLVE, m_resolve.get());
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        if (settings().protocol == HostingProtocol::Ftps) {
            // libcurl before 8.9 can lose the end of an FTPS upload under TLS 1.3: it never reads the session
            // tickets a server sends on the data connection, so closing it resets the connection and the
            // server drops what it had not read yet.
            curl_easy_setopt(curl, CURLOPT_SSLVERSION,
                             static_cast<long>(CURL_SSLVERSION_TLSv1_2) | CURL_SSLVERSION_MAX_TLSv1_2);
        }
        // Passwords only: a key of the user's own from ~/.ssh is not this account's.
        curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES,
                         static_cast<long>(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYFUNCTION, &Session::checkHostKey);
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYDATA, this);
        curl_easy_setopt(curl, CURLOPT_NEW_FILE_PERMS, 0644L); // the web server must read the photo
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Session::discardBytes);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Session::onProgress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
        m_stage = {0.0, 0.0};
    }

    Reply perform() {
        Reply reply;
        reply.code = curl_easy_perform(m_curl.get());
        curl_easy_getinfo(m_curl.get(), CURLINFO_RESPONSE_CODE, &reply.status);
        reply.error = m_error[0] != '\0' ? m_error : curl_easy_strerror(reply.code);
        // A failing HTTP status is a failure too.
        if (reply.ok() && reply.status >= 400 && m_account.settings.protocol == HostingProtocol::WebDav) {
            reply.code = CURLE_HTTP_RETURNED_ERROR;
        }
        return reply;
    }

    static std::size_t readBytes(char* buffer, std::size_t size, std::size_t count, void* session) {
        auto* self = static_cast<Session*>(session);
        const std::size_t length = std::min(size * count, self->m_source.size() - self->m_sent);
        std::copy_n(self->m_source.data() + self->m_sent, length, buffer);
        self->m_sent += length;
        return length;
    }

    // What the server says about a request besides its status is not needed.
    static std::size_t discardBytes(char*, std::size_t size, std::size_t count, void*) {
        return size * count;
    }

    static std::size_t writeBytes(char* data, std::size_t size, std::size_t count, void* session) {
        auto* self = static_cast<Session*>(session);
        const std::size_t length = size * count;
        if (self->m_received == nullptr || self->m_received->size() + length > self->m_receiveLimit) {
            return 0; // more than was sent: it cannot be the same file
        }
        self->m_received->append(data, length);
        return length;
    }

    static int onProgress(void* session, curl_off_t downloadTotal, curl_off_t downloaded,
                          curl_off_t uploadTotal, curl_off_t uploaded) {
        auto* self = static_cast<Session*>(session);
        if (self->m_ignoreProgress || !self->m_progress) {
            return 0;
        }
        const bool sending = uploadTotal > 0;
        const double total = static_cast<double>(sending ? uploadTotal : downloadTotal);
        const double done = static_cast<double>(sending ? uploaded : downloaded);
        const double part = total > 0 ? done / total : 0.0;
        if (!self->m_progress(self->m_stage.start + self->m_stage.share * part)) {
            self->m_cancelled = true;
            return 1;
        }
        return 0;
    }

    static int checkHostKey(void* session, int, const char* key, std::size_t length) {
        auto* self = static_cast<Session*>(session);
        const std::string_view blob(key, length);
        const HostingSettings& settings = self->m_account.settings;
        const int port = PortOf(settings);
        self->m_offeredFingerprint = HostKeyFingerprint(blob);
        self->m_hostKeyStatus = CheckHostKey(self->m_connection.knownHostsFile, settings.host, port, blob);
        if (self->m_hostKeyStatus == HostKeyStatus::Unknown &&
            self->m_offeredFingerprint == self->m_connection.acceptedHostKey) {
            if (const Outcome pinned =
                    PinHostKey(self->m_connection.knownHostsFile, settings.host, port, blob);
                !pinned) {
                self->m_pinProblem = pinned.message();
                return CURLKHMATCH_MISMATCH;
            }
            self->m_hostKeyStatus = HostKeyStatus::Pinned;
        }
        return self->m_hostKeyStatus == HostKeyStatus::Pinned ? CURLKHMATCH_OK : CURLKHMATCH_MISMATCH;
    }

    const UploadAccount& m_account;
    const UploadConnection& m_connection;
    const UploadProgress& m_progress;
    std::unique_ptr<CURL, CurlHandleFree> m_curl;
    CurlList m_resolve;
    char m_error[CURL_ERROR_SIZE] = {};
    Stage m_stage{0.0, 0.0};
    std::string_view m_source;
    std::size_t m_sent = 0;
    std::string* m_received = nullptr;
    std::size_t m_receiveLimit = 0;
    bool m_cancelled = false;
    bool m_ignoreProgress = false;
    HostKeyStatus m_hostKeyStatus = HostKeyStatus::Unknown;
    std::string m_offeredFingerprint;
    std::string m_pinProblem;
};

UploadResult Failure(UploadProblem problem) {
    return {{}, std::move(problem)};
}

bool MeansServerFull(const Reply& reply) {
    if (reply.code == CURLE_REMOTE_DISK_FULL || reply.status == kHttpInsufficientStorage ||
        reply.status == kFtpNoRoom || reply.status == kFtpQuotaExceeded) {
        return true;
    }
    for (const char* words : {"No space left", "no space left", "quota", "Quota", "disk full", "Disk full"}) {
        if (reply.error.find(words) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// What went wrong with a request to the seller's server.
UploadResult ProblemOf(const Session& session, const Reply& reply, const std::string& knownHostsFile) {
    UploadProblem problem{.settings = session.settings(), .reason = reply.error};
    if (session.cancelled() || reply.code == CURLE_ABORTED_BY_CALLBACK) {
        problem.kind = UploadFailure::Cancelled;
        problem.reason.clear();
    } else if (session.settings().protocol == HostingProtocol::Sftp &&
               reply.code == CURLE_PEER_FAILED_VERIFICATION) {
        problem.knownHostsFile = knownHostsFile;
        problem.hostKeyFingerprint = session.offeredHostKey();
        if (!session.pinProblem().empty()) {
            problem.kind = UploadFailure::HostKeyNotKept;
            problem.reason = session.pinProblem();
        } else {
            problem.kind = session.hostKeyStatus() == HostKeyStatus::Changed ? UploadFailure::ChangedHostKey
                                                                             : UploadFailure::UnknownHostKey;
        }
    } else if (reply.code == CURLE_LOGIN_DENIED || reply.status == kHttpUnauthorized) {
        problem.kind = UploadFailure::WrongPassword;
    } else if (reply.code == CURLE_PEER_FAILED_VERIFICATION || reply.code == CURLE_SSL_CACERT_BADFILE ||
               reply.code == CURLE_SSL_CONNECT_ERROR) {
        problem.kind = UploadFailure::UntrustedCertificate;
    } else if (reply.code == CURLE_OPERATION_TIMEDOUT) {
        problem.kind = UploadFailure::TimedOut;
    } else if (MeansServerFull(reply)) {
        problem.kind = UploadFailure::ServerFull;
    } else if (reply.code == CURLE_COULDNT_RESOLVE_HOST || reply.code == CURLE_COULDNT_CONNECT ||
               reply.code == CURLE_RECV_ERROR || reply.code == CURLE_SEND_ERROR ||
               reply.code == CURLE_GOT_NOTHING) {
        problem.kind = UploadFailure::Unreachable;
    } else {
        problem.kind = UploadFailure::Refused;
        problem.answer = reply.status;
    }
    return Failure(std::move(problem));
}

// The file written under its temporary name and renamed: a buyer never loads half a picture.
struct Stored {
    Reply reply;
    bool temporaryLeft = false; // a temporary file may be on the server
};

Stored StoreWebDav(Session& session, const Places& places, std::string_view bytes) {
    // The folder made level by level first, an existing one answering 405: a server that refuses a PUT
    // into a missing folder may do so before the photo is sent, and end the connection.
    std::string url =
        places.folderUrl.substr(0, places.folderUrl.find('/', std::string_view("https://").size()) + 1);
    for (const std::string& segment : Segments(places.folderUrl.substr(url.size()))) {
        url += segment + "/";
        if (const Reply made = session.webDav("MKCOL", url);
            made.code != CURLE_HTTP_RETURNED_ERROR && !made.ok()) {
            return {made, false};
        } else if (made.status == kHttpUnauthorized) {
            return {made, false};
        }
    }
    const std::string temporary = places.folderUrl + places.temporaryName;
    const Reply reply = session.send(temporary, bytes, {});
    if (!reply.ok()) {
        return {reply, reply.status != kHttpUnauthorized};
    }
    const Reply moved = session.webDav(
        "MOVE", temporary, {"Destination: " + places.folderUrl + places.finalName, "Overwrite: T"});
    return {moved, !moved.ok()};
}

// Best effort: a server that refuses keeps the file, and the seller has been told why the upload failed.
void RemoveFile(Session& session, const Places& places, const std::string& name) {
    session.allowAfterCancel();
    switch (session.settings().protocol) {
    case HostingProtocol::WebDav:
        // A server may still be writing what an interrupted PUT sent and bring the file back: removed until
        // the server says it is gone.
        for (int attempt = 0; attempt < kRemovalAttempts; ++attempt) {
            if (attempt > 0) {
                std::this_thread::sleep_for(kRemovalPause);
            }
            if (session.webDav("DELETE", places.folderUrl + name).status == kHttpNotFound) {
                break;
            }
        }
        break;
    case HostingProtocol::Sftp:
        session.commands(places.folderUrl, {"rm \"" + places.serverPath + name + "\""});
        break;
    case HostingProtocol::Ftps:
        session.commands(places.folderUrl, {"DELE " + name});
        break;
    }
}

UploadResult Publish(const UploadAccount& account, const UploadConnection& connection, std::string_view name,
                     std::string_view bytes, const UploadProgress& progress) {
    if (const auto fault = HostingSettingsProblem(account.settings)) {
        return Failure(
            {.kind = UploadFailure::UnusableSettings, .settings = account.settings, .settingsFault = fault});
    }
    Session session(account, connection, progress);
    if (!session.valid()) {
        return Failure({.kind = UploadFailure::NotStarted, .settings = account.settings});
    }
    const Places places = session.placesOf(name);
    Stored stored;
    if (account.settings.protocol == HostingProtocol::WebDav) {
        stored = StoreWebDav(session, places, bytes);
    } else {
        const std::vector<std::string> rename =
            account.settings.protocol == HostingProtocol::Sftp
                ? std::vector<std::string>{"rename \"" + places.serverPath + places.temporaryName + "\" \"" +
                                           places.serverPath + places.finalName + "\""}
                : std::vector<std::string>{"RNFR " + places.temporaryName, "RNTO " + places.finalName};
        stored.reply = session.send(places.folderUrl + places.temporaryName, bytes, rename);
        // A failed rename leaves the temporary file: SFTP renames over no existing file, which is this
        // same photo when the name is taken; the public address below tells.
        stored.temporaryLeft = !stored.reply.ok() && stored.reply.code != CURLE_LOGIN_DENIED &&
                               stored.reply.code != CURLE_PEER_FAILED_VERIFICATION &&
                               stored.reply.code != CURLE_COULDNT_CONNECT;
    }
    const bool renameFailed = stored.reply.code == CURLE_QUOTE_ERROR;
    if (stored.temporaryLeft) {
        RemoveFile(session, places, places.temporaryName);
    }
    if (!stored.reply.ok() && !renameFailed) {
        return ProblemOf(session, stored.reply, connection.knownHostsFile);
    }
    std::string body;
    const Reply fetched = session.fetch(places.publicAddress, bytes.size(), body);
    if (session.cancelled()) {
        return ProblemOf(session, fetched, connection.knownHostsFile);
    }
    if (fetched.ok() && fetched.status == 200 && body == bytes) {
        return {places.publicAddress, std::nullopt};
    }
    if (renameFailed) {
        return ProblemOf(session, stored.reply, connection.knownHostsFile);
    }
    if (fetched.status == kHttpNotFound || fetched.ok() || fetched.code == CURLE_WRITE_ERROR) {
        return Failure({.kind = fetched.status == kHttpNotFound ? UploadFailure::NotPublished
                                                                : UploadFailure::DifferentBytes,
                        .settings = account.settings,
                        .publicAddress = places.publicAddress});
    }
    UploadResult problem = ProblemOf(session, fetched, connection.knownHostsFile);
    problem.problem->publicAddress = places.publicAddress;
    problem.problem->publicAddressUnloadable = true;
    return problem;
}

} // namespace

std::string PictureFileName(std::string_view jpegBytes) {
    return HexDigits(Sha256(jpegBytes)).substr(0, kNameDigits) + ".jpg";
}

UploadResult UploadPicture(const UploadAccount& account, const UploadConnection& connection,
                           std::string_view jpegBytes, const UploadProgress& progress) {
    return Publish(account, connection, PictureFileName(jpegBytes), jpegBytes, progress);
}

UploadResult TestHosting(const UploadAccount& account, const UploadConnection& connection) {
    const std::string token = RandomHex();
    const std::string name = "vellumo-test-" + token + ".txt";
    const std::string bytes = "Vellumo picture hosting test " + token + "\n";
    UploadResult result = Publish(account, connection, name, bytes, {});
    // The test file goes again, whatever the public address gave.
    if (!result.problem || result.problem->kind == UploadFailure::NotPublished ||
        result.problem->kind == UploadFailure::DifferentBytes) {
        Session session(account, connection, {});
        RemoveFile(session, session.placesOf(name), name);
    }
    return result;
}

} // namespace vellumo
