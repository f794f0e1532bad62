#include "platform/net/curl/HttpTransfer.h"

#include <algorithm>
#include <mutex>
#include <string_view>

#include "platform/net/HeaderText.h"
#include "platform/net/InternetException.h"
#include "platform/net/TrustedAuthorities.h"
#include "platform/net/curl/CurlErrors.h"

namespace net {

namespace {

void InitializeCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
            throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, "libcurl did not start");
        }
    });
}

// Clears the read's target on every way out of Read, so that libcurl never
// writes into a buffer its caller has taken back.
class ReadScope {
  public:
    ReadScope(BodySink& sink, char* buffer, std::size_t size) : m_sink(sink) {
        m_sink.BeginRead(buffer, size);
    }
    ~ReadScope() {
        if (!m_ended) m_sink.EndRead();
    }
    std::size_t End() {
        m_ended = true;
        return m_sink.EndRead();
    }

  private:
    BodySink& m_sink;
    bool m_ended = false;
};

}  // namespace

HttpTransfer::HttpTransfer(const std::string& url, const SessionSettings& settings, bool secure)
    : m_sink(static_cast<std::size_t>(kReceiveBufferSize)),
      m_stallLimit(settings.receiveTimeoutMs),
      m_url(url) {
    InitializeCurlOnce();
    m_multi.reset(curl_multi_init());
    m_easy.reset(curl_easy_init());
    if (!m_multi || !m_easy) throw CInternetException(ERROR_NOT_ENOUGH_MEMORY, "no libcurl handle");
    Configure(url, settings, secure);
}

HttpTransfer::~HttpTransfer() {
    Detach();
}

template <typename Value>
void HttpTransfer::SetOption(CURLoption option, Value value) {
    CURLcode code = curl_easy_setopt(m_easy.get(), option, value);
    if (code != CURLE_OK) {
        throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_easy_strerror(code));
    }
}

void HttpTransfer::Configure(const std::string& url, const SessionSettings& settings, bool secure) {
    SetOption(CURLOPT_URL, url.c_str());
    SetOption(CURLOPT_HTTPGET, 1L);
    SetOption(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    SetOption(CURLOPT_USERAGENT, settings.agent.c_str());
    SetOption(CURLOPT_NOSIGNAL, 1L);
    // Direct connections only: an empty proxy and "no proxy for any host"
    // make libcurl ignore the proxy variables of the environment.
    SetOption(CURLOPT_PROXY, "");
    SetOption(CURLOPT_NOPROXY, "*");
    ConfigureSecurity(secure);
    SetOption(CURLOPT_FOLLOWLOCATION, 1L);
    SetOption(CURLOPT_MAXREDIRS, kMaxRedirects);
    // Credentials go to the first host (same name, port and scheme) only.
    SetOption(CURLOPT_UNRESTRICTED_AUTH, 0L);
    SetOption(CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
    SetOption(CURLOPT_BUFFERSIZE, kReceiveBufferSize);
    SetOption(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(settings.connectTimeoutMs));
    SetOption(CURLOPT_ERRORBUFFER, m_errorText);
    SetOption(CURLOPT_WRITEFUNCTION, &HttpTransfer::OnBody);
    SetOption(CURLOPT_WRITEDATA, this);
    SetOption(CURLOPT_HEADERFUNCTION, &HttpTransfer::OnHeader);
    SetOption(CURLOPT_HEADERDATA, this);
}

void HttpTransfer::ConfigureSecurity(bool secure) {
    // A secure transfer never falls back to plain http, not even by a redirect.
    const char* protocols = secure ? "https" : "http,https";
    SetOption(CURLOPT_PROTOCOLS_STR, protocols);
    SetOption(CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    // Whatever https is used (a redirect of a plain request included), the
    // certificate must chain up to a trusted authority and name the server.
    SetOption(CURLOPT_SSL_VERIFYPEER, 1L);
    SetOption(CURLOPT_SSL_VERIFYHOST, 2L);
    SetOption(CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
    if (const char* authorities = ExtraTrustedAuthorities()) {
        SetOption(CURLOPT_CAINFO, authorities);
    }
}

void HttpTransfer::SetHeaders(const std::vector<std::string>& lines) {
    std::unique_ptr<curl_slist, ListCleanup> list;
    for (const std::string& line : lines) {
        curl_slist* longer = curl_slist_append(list.get(), line.c_str());
        if (longer == nullptr) throw CInternetException(ERROR_NOT_ENOUGH_MEMORY, "no header list");
        list.release();
        list.reset(longer);
    }
    SetOption(CURLOPT_HTTPHEADER, list.get());
    m_headerList = std::move(list);
}

void HttpTransfer::SetCredentials(const std::string& userName, const std::string& password) {
    // libcurl sends credentials to the first host of a request only, so the
    // request starts where the 401 came from rather than where it began.
    m_url = ResponseUrl();
    SetOption(CURLOPT_URL, m_url.c_str());
    // Digest only where it was offered: the password then never goes in clear.
    m_answeringDigest = AnsweredScheme() == SignInScheme::Digest;
    SetOption(CURLOPT_HTTPAUTH,
              static_cast<long>(m_answeringDigest ? CURLAUTH_DIGEST : CURLAUTH_BASIC));
    SetOption(CURLOPT_USERNAME, userName.c_str());
    SetOption(CURLOPT_PASSWORD, password.c_str());
}

bool HttpTransfer::Send() {
    Detach();
    m_sink.Clear();
    m_offer.Reset();
    m_denied = false;
    m_framing.Reset();
    m_refusal.clear();
    m_errorText[0] = '\0';
    m_redirecting = false;
    m_headersDone = false;
    m_done = false;
    m_result = CURLE_OK;
    m_interrupted = false;
    Attach();
    m_lastActivity = Clock::now();
    for (;;) {
        Perform();
        if (m_headersDone || m_done) break;
        if (CheckInterrupt()) return false;
        WaitForData();
    }
    // A failure that came after some of the body is reported by the Read that reaches it.
    if (m_done && m_result != CURLE_OK && m_sink.Spilled() == 0) ThrowTransferError();
    return true;
}

std::optional<SignInScheme> HttpTransfer::AnsweredScheme() const {
    if (m_offer.Offers(SignInScheme::Digest)) return SignInScheme::Digest;
    if (m_offer.Offers(SignInScheme::Basic)) return SignInScheme::Basic;
    return std::nullopt;
}

const std::string& HttpTransfer::Realm() const {
    static const std::string kNone;
    std::optional<net::SignInScheme> scheme = AnsweredScheme();
    return scheme ? m_offer.Realm(*scheme) : kNone;
}

long HttpTransfer::Status() const {
    long status = 0;
    if (curl_easy_getinfo(m_easy.get(), CURLINFO_RESPONSE_CODE, &status) != CURLE_OK) return 0;
    return status;
}

bool HttpTransfer::ContentLength(std::uint64_t& length) const {
    return m_framing.Length(length);
}

std::string HttpTransfer::ResponseUrl() const {
    char* effective = nullptr;
    if (Status() <= 0 ||
        curl_easy_getinfo(m_easy.get(), CURLINFO_EFFECTIVE_URL, &effective) != CURLE_OK ||
        effective == nullptr) {
        return m_url;
    }
    return effective;
}

std::size_t HttpTransfer::Read(char* buffer, std::size_t size) {
    m_interrupted = false;
    if (!m_attached) {
        throw CInternetException(ERROR_INTERNET_INCORRECT_HANDLE_STATE, "the request was not sent");
    }
    if (size == 0) return 0;
    ReadScope read(m_sink, buffer, size);
    m_lastActivity = Clock::now();
    for (;;) {
        if (!m_sink.IsFull() && !m_done) {
            Resume();
            std::size_t before = m_sink.Received();
            Perform();
            // While data keeps coming, take more of it before handing it out.
            if (m_sink.Received() > before) continue;
        }
        // Whatever has arrived is handed out before a failure that followed it.
        if (m_sink.Received() > 0) break;
        if (m_done) {
            if (m_result != CURLE_OK) ThrowTransferError();
            break;
        }
        if (CheckInterrupt()) break;
        WaitForData();
    }
    return read.End();
}

std::size_t HttpTransfer::OnBody(char* data, std::size_t, std::size_t size, void* self) {
    auto* transfer = static_cast<HttpTransfer*>(self);
    transfer->m_lastActivity = Clock::now();
    transfer->m_headersDone = true;
    if (transfer->m_discarding) return size;
    if (transfer->m_sink.Offer(data, size)) return size;
    // Neither the reader nor the spill has room: libcurl keeps the piece and
    // stops receiving until the next Read resumes it.
    transfer->m_paused = true;
    return CURL_WRITEFUNC_PAUSE;
}

std::size_t HttpTransfer::OnHeader(char* data, std::size_t, std::size_t size, void* self) {
    auto* transfer = static_cast<HttpTransfer*>(self);
    transfer->m_lastActivity = Clock::now();
    std::string_view line(data, size);
    // Lines after the final head are the trailers of a chunked body.
    if (transfer->m_headersDone) return size;
    // Each response of a redirect chain or of a 1xx round starts with its status line.
    if (line.substr(0, 5) == "HTTP/") {
        transfer->m_offer.Reset();
        transfer->m_redirecting = false;
        transfer->m_framing.Reset();
    } else if (line == "\r\n" || line == "\n") {
        transfer->OnEndOfHead();
        // Any other count than `size` makes libcurl end the transfer here.
        return transfer->m_refusal.empty() ? size : 0;
    } else if (StartsWithNoCase(line, "Location:")) {
        transfer->m_redirecting = true;
    }
    transfer->m_framing.Note(line);
    transfer->m_offer.Note(line);
    return size;
}

void HttpTransfer::OnEndOfHead() {
    // libcurl follows a 3xx that names a Location itself, and a 1xx is
    // followed by the real response; any other head is the final one.
    long status = Status();
    bool interim = status / 100 == 1;
    bool followed = status / 100 == 3 && m_redirecting;
    // With Digest credentials, libcurl answers the first challenge of each
    // address itself and sends the request again; a second 401 in a row is
    // the server's refusal.
    bool denied = status == 401;
    if (denied && m_answeringDigest && !m_denied && m_offer.Offers(SignInScheme::Digest)) {
        followed = true;
    }
    m_denied = denied;
    if (interim) return;
    // Only a 2xx body is ever kept; the length of any body must be sound.
    m_refusal = m_framing.Refusal(m_decoding && !followed && status / 100 == 2);
    if (m_refusal.empty() && !followed) m_headersDone = true;
}

void HttpTransfer::Attach() {
    CURLMcode code = curl_multi_add_handle(m_multi.get(), m_easy.get());
    if (code != CURLM_OK) {
        throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_multi_strerror(code));
    }
    m_attached = true;
}

void HttpTransfer::Detach() {
    if (!m_attached) return;
    // A piece that libcurl holds for us is released into the void, so that
    // the handle starts its next transfer clean.
    m_discarding = true;
    if (m_paused) curl_easy_pause(m_easy.get(), CURLPAUSE_CONT);
    curl_multi_remove_handle(m_multi.get(), m_easy.get());
    m_discarding = false;
    m_paused = false;
    m_attached = false;
}

void HttpTransfer::Perform() {
    int running = 0;
    CURLMcode code = curl_multi_perform(m_multi.get(), &running);
    if (code != CURLM_OK) {
        throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_multi_strerror(code));
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi.get(), &queued)) {
        if (message->msg != CURLMSG_DONE) continue;
        m_done = true;
        m_result = message->data.result;
    }
}

void HttpTransfer::Resume() {
    if (!m_paused) return;
    m_paused = false;
    // libcurl hands the piece it held to OnBody from inside this call.
    CURLcode code = curl_easy_pause(m_easy.get(), CURLPAUSE_CONT);
    if (code != CURLE_OK) {
        m_done = true;
        m_result = code;
    }
}

bool HttpTransfer::CheckInterrupt() {
    m_interrupted = m_interruptCheck && m_interruptCheck();
    return m_interrupted;
}

void HttpTransfer::WaitForData() {
    auto silence =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_lastActivity);
    if (silence >= m_stallLimit) {
        throw CInternetException(
            ERROR_INTERNET_TIMEOUT,
            "the server sent nothing for " + std::to_string(m_stallLimit.count()) + " ms");
    }
    auto left = (m_stallLimit - silence).count();
    int step = static_cast<int>(std::min<long long>(kPollStepMs, left));
    CURLMcode code = curl_multi_poll(m_multi.get(), nullptr, 0, step, nullptr);
    if (code != CURLM_OK) {
        throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_multi_strerror(code));
    }
}

void HttpTransfer::ThrowTransferError() const {
    if (!m_refusal.empty()) throw CInternetException(ERROR_HTTP_INVALID_SERVER_RESPONSE, m_refusal);
    std::string detail = m_errorText[0] != '\0' ? m_errorText : curl_easy_strerror(m_result);
    throw CInternetException(InternetErrorFromCurl(m_result, m_redirecting), detail);
}

}  // namespace net
