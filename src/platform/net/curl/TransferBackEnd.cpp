#include "platform/net/curl/TransferBackEnd.h"

#include <algorithm>
#include <mutex>
#include <string_view>

#include "platform/net/HeaderText.h"
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

}  // namespace

HttpTransfer::BackEnd::BackEnd(const std::string& url, const SessionSettings& settings, bool secure,
                               Control& caller)
    : control(caller),
      sink(static_cast<std::size_t>(kReceiveBufferSize)),
      stallLimit(settings.receiveTimeoutMs),
      nextUrl(url) {
    InitializeCurlOnce();
    multi.reset(curl_multi_init());
    easy.reset(curl_easy_init());
    if (!multi || !easy) throw CInternetException(ERROR_NOT_ENOUGH_MEMORY, "no libcurl handle");
    Configure(settings, secure);
}

HttpTransfer::BackEnd::~BackEnd() {
    Detach();
}

void HttpTransfer::BackEnd::Configure(const SessionSettings& settings, bool secure) {
    SetOption(CURLOPT_URL, nextUrl.c_str());
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
    SetOption(CURLOPT_ERRORBUFFER, errorText);
    SetOption(CURLOPT_WRITEFUNCTION, &BackEnd::OnBody);
    SetOption(CURLOPT_WRITEDATA, this);
    SetOption(CURLOPT_HEADERFUNCTION, &BackEnd::OnHeader);
    SetOption(CURLOPT_HEADERDATA, this);
}

void HttpTransfer::BackEnd::ConfigureSecurity(bool secure) {
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

void HttpTransfer::BackEnd::Restart() {
    Detach();
    sink.Clear();
    offer.Reset();
    denied = false;
    framing.Reset();
    refusal.clear();
    errorText[0] = '\0';
    redirecting = false;
    headersDone = false;
    done = false;
    result = CURLE_OK;
    CURLMcode code = curl_multi_add_handle(multi.get(), easy.get());
    if (code != CURLM_OK) {
        throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_multi_strerror(code));
    }
    attached = true;
    lastActivity = Clock::now();
}

void HttpTransfer::BackEnd::Detach() {
    if (!attached) return;
    // A piece that libcurl holds for us is released into the void, so that
    // the handle starts its next transfer clean.
    discarding = true;
    if (paused) curl_easy_pause(easy.get(), CURLPAUSE_CONT);
    curl_multi_remove_handle(multi.get(), easy.get());
    discarding = false;
    paused = false;
    attached = false;
}

std::optional<SignInScheme> HttpTransfer::BackEnd::AnsweredScheme() const {
    if (offer.Offers(SignInScheme::Digest)) return SignInScheme::Digest;
    if (offer.Offers(SignInScheme::Basic)) return SignInScheme::Basic;
    return std::nullopt;
}

long HttpTransfer::BackEnd::Status() const {
    long status = 0;
    if (curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status) != CURLE_OK) return 0;
    return status;
}

std::string HttpTransfer::BackEnd::ResponseUrl() const {
    char* effective = nullptr;
    if (Status() <= 0 ||
        curl_easy_getinfo(easy.get(), CURLINFO_EFFECTIVE_URL, &effective) != CURLE_OK ||
        effective == nullptr) {
        return nextUrl;
    }
    return effective;
}

std::size_t HttpTransfer::BackEnd::OnBody(char* data, std::size_t, std::size_t size, void* self) {
    auto* backEnd = static_cast<BackEnd*>(self);
    backEnd->lastActivity = Clock::now();
    backEnd->headersDone = true;
    if (backEnd->discarding) return size;
    if (backEnd->sink.Offer(data, size)) return size;
    // Neither the reader nor the spill has room: libcurl keeps the piece and
    // stops receiving until the next Read resumes it.
    backEnd->paused = true;
    return CURL_WRITEFUNC_PAUSE;
}

std::size_t HttpTransfer::BackEnd::OnHeader(char* data, std::size_t, std::size_t size, void* self) {
    auto* backEnd = static_cast<BackEnd*>(self);
    backEnd->lastActivity = Clock::now();
    std::string_view line(data, size);
    // Lines after the final head are the trailers of a chunked body.
    if (backEnd->headersDone) return size;
    // Each response of a redirect chain or of a 1xx round starts with its status line.
    if (line.substr(0, 5) == "HTTP/") {
        backEnd->offer.Reset();
        backEnd->redirecting = false;
        backEnd->framing.Reset();
    } else if (line == "\r\n" || line == "\n") {
        backEnd->OnEndOfHead();
        // Any other count than `size` makes libcurl end the transfer here.
        return backEnd->refusal.empty() ? size : 0;
    } else if (StartsWithNoCase(line, "Location:")) {
        backEnd->redirecting = true;
    }
    backEnd->framing.Note(line);
    backEnd->offer.Note(line);
    return size;
}

void HttpTransfer::BackEnd::OnEndOfHead() {
    // libcurl follows a 3xx that names a Location itself, and a 1xx is
    // followed by the real response; any other head is the final one.
    long status = Status();
    bool interim = status / 100 == 1;
    bool followed = status / 100 == 3 && redirecting;
    // With Digest credentials, libcurl answers the first challenge of each
    // address itself and sends the request again; a second 401 in a row is
    // the server's refusal.
    bool refused = status == 401;
    if (refused && answeringDigest && !denied && offer.Offers(SignInScheme::Digest)) {
        followed = true;
    }
    denied = refused;
    if (interim) return;
    // Only a 2xx body is ever kept; the length of any body must be sound.
    refusal = framing.Refusal(control.decoding && !followed && status / 100 == 2);
    if (refusal.empty() && !followed) headersDone = true;
}

void HttpTransfer::BackEnd::Perform() {
    int running = 0;
    CURLMcode code = curl_multi_perform(multi.get(), &running);
    if (code != CURLM_OK) {
        throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_multi_strerror(code));
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
        if (message->msg != CURLMSG_DONE) continue;
        done = true;
        result = message->data.result;
    }
}

void HttpTransfer::BackEnd::Resume() {
    if (!paused) return;
    paused = false;
    // libcurl hands the piece it held to OnBody from inside this call.
    CURLcode code = curl_easy_pause(easy.get(), CURLPAUSE_CONT);
    if (code != CURLE_OK) {
        done = true;
        result = code;
    }
}

void HttpTransfer::BackEnd::WaitForData() {
    auto silence =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastActivity);
    if (silence >= stallLimit) {
        throw CInternetException(
            ERROR_INTERNET_TIMEOUT,
            "the server sent nothing for " + std::to_string(stallLimit.count()) + " ms");
    }
    auto left = (stallLimit - silence).count();
    int step = static_cast<int>(std::min<long long>(kPollStepMs, left));
    CURLMcode code = curl_multi_poll(multi.get(), nullptr, 0, step, nullptr);
    if (code != CURLM_OK) {
        throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_multi_strerror(code));
    }
}

void HttpTransfer::BackEnd::ThrowTransferError() const {
    if (!refusal.empty()) throw CInternetException(ERROR_HTTP_INVALID_SERVER_RESPONSE, refusal);
    std::string detail = errorText[0] != '\0' ? errorText : curl_easy_strerror(result);
    throw CInternetException(InternetErrorFromCurl(result, redirecting), detail);
}

}  // namespace net
