#include "HttpTransfer.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/net/InternetException.h"
#include "platform/net/UrlServer.h"

namespace net {

namespace {

std::string Base64(std::string_view bytes) {
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
        text += kDigits[(group >> 18) & 63];
        text += kDigits[(group >> 12) & 63];
        text += i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=';
        text += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
    }
    return text;
}

// "scheme://server[:port]" of `url`, as credentials are filed under; "" when it has none.
std::string ServerOf(const std::string& url) {
    std::string scheme;
    std::string server;
    if (!SplitServer(url, scheme, server)) return {};
    return scheme + "://" + server;
}

// Why the end of the body of `head` could not be verified, "" when it can.
// WinINet ends a chunked body that breaks off as if it were whole, and gives
// no sign of the difference but on a connection that it would have kept
// (it then drops the connection): on one that the server closes after the
// body, a cut installer could not be told from a whole one.
std::string UnverifiableEnd(const ResponseHead& head) {
    if (!head.framing.IsChunked() || head.keepsConnection) return {};
    return "invalid response: a chunked body on a connection that the server closes, whose end "
           "cannot be checked";
}

void ThrowIfFailed(const InternetCall& call) {
    if (call.state == InternetCall::State::Failed)
        throw CInternetException(call.error, call.detail);
}

}  // namespace

HttpTransfer::HttpTransfer(const std::string& url, const SessionSettings& settings, bool secure)
    : m_request(std::make_unique<WinInetRequest>(settings.agent, settings.connectTimeoutMs,
                                                 settings.receiveTimeoutMs,
                                                 static_cast<unsigned long>(kReceiveBufferSize))),
      m_settings(settings),
      m_secure(secure),
      m_url(url),
      m_responseUrl(url) {}

HttpTransfer::~HttpTransfer() = default;

void HttpTransfer::SetHeaders(const std::vector<std::string>& lines) {
    m_headers = lines;
}

bool HttpTransfer::AnswersSignIn() const {
    const SignInOffer& offer = m_head.offer;
    return offer.Offers(SignInScheme::Basic) || offer.Offers(SignInScheme::Digest) ||
           offer.Offers(SignInScheme::Ntlm) || offer.Offers(SignInScheme::Negotiate);
}

void HttpTransfer::SetCredentials(const std::string& userName, const std::string& password) {
    // The next request starts where the 401 came from, so that the
    // credentials go to the server that asked and nowhere else.
    m_url = m_responseUrl;
    m_credentialServer = ServerOf(m_url);
    m_authorization.clear();
    m_signIn.reset();
    // The password goes in clear only to a server that offered Basic; any
    // other scheme is WinINet's to answer on the request itself.
    if (m_head.offer.Offers(SignInScheme::Basic)) {
        m_authorization = "Basic " + Base64(userName + ":" + password);
    } else {
        m_signIn = Credentials{userName, password};
    }
}

bool HttpTransfer::Send() {
    m_status = 0;
    m_head = {};
    m_pending = Pending::None;
    m_sent = false;
    m_ended = false;
    m_bodyBytes = 0;
    m_takenOfPiece = 0;
    m_interrupted = false;
    std::string url = m_url;
    for (long hops = 0;; ++hops) {
        if (!Exchange(url)) return false;
        m_head = ReadResponseHead(m_request->RawHead());
        bool followed = m_status / 100 == 3 && !m_head.location.empty();
        // Only a 2xx body is ever kept; the length of any body must be sound.
        bool bodyIsKept = !followed && m_status / 100 == 2;
        std::string refusal = m_head.fault;
        if (refusal.empty()) refusal = m_head.framing.Refusal(m_decoding && bodyIsKept);
        if (refusal.empty() && bodyIsKept) refusal = UnverifiableEnd(m_head);
        if (!refusal.empty()) throw CInternetException(ERROR_HTTP_INVALID_SERVER_RESPONSE, refusal);
        if (!followed) break;
        url = NextHop(url, m_head.location, hops);
    }
    m_sent = true;
    return true;
}

// Sends one request to `url` and waits for its head; false when interrupted.
bool HttpTransfer::Exchange(const std::string& url) {
    InternetAddress address;
    if (!SplitInternetUrl(url, address)) {
        throw CInternetException(ERROR_INTERNET_INVALID_URL, "not an http address: " + url);
    }
    m_responseUrl = url;
    m_status = 0;
    bool signingIn = m_signIn && ServerOf(url) == m_credentialServer;
    ThrowIfFailed(m_request->Open(address, HeadersFor(url), signingIn ? &*m_signIn : nullptr));
    m_sendStart = Clock::now();
    m_lastActivity = m_sendStart;
    m_notesSeen = m_request->Notes();
    InternetCall call = m_request->Send();
    m_pending = Pending::Send;
    if (!Await(call)) return false;
    m_status = static_cast<long>(m_request->Status());
    return true;
}

std::string HttpTransfer::HeadersFor(const std::string& url) const {
    std::string text;
    for (const std::string& line : m_headers) text += line + "\r\n";
    if (!m_authorization.empty() && ServerOf(url) == m_credentialServer) {
        text += "Authorization: " + m_authorization + "\r\n";
    }
    return text;
}

// Where the redirect from `url` to `location` leads, after `hops` redirects so far.
std::string HttpTransfer::NextHop(const std::string& url, const std::string& location,
                                  long hops) const {
    if (hops >= kMaxRedirects) {
        throw CInternetException(ERROR_HTTP_REDIRECT_FAILED,
                                 "more than " + std::to_string(kMaxRedirects) + " redirects");
    }
    std::string next;
    InternetAddress address;
    if (!ResolveInternetUrl(url, location, next) || !SplitInternetUrl(next, address) ||
        (m_secure && !address.secure)) {
        // A secure transfer never falls back to plain http, not even by a redirect.
        throw CInternetException(ERROR_HTTP_REDIRECT_FAILED, "a redirect to " + location);
    }
    return next;
}

bool HttpTransfer::ContentLength(std::uint64_t& length) const {
    return m_head.framing.Length(length);
}

const std::string& HttpTransfer::Realm() const {
    const SignInOffer& offer = m_head.offer;
    bool basic = offer.Offers(SignInScheme::Basic);
    return offer.Realm(basic ? SignInScheme::Basic : SignInScheme::Digest);
}

std::size_t HttpTransfer::Read(char* buffer, std::size_t size) {
    m_interrupted = false;
    if (!m_sent) {
        throw CInternetException(ERROR_INTERNET_INCORRECT_HANDLE_STATE, "the request was not sent");
    }
    if (m_ended) return 0;
    m_lastActivity = Clock::now();
    m_notesSeen = m_request->Notes();
    std::size_t got = 0;
    // While data keeps coming, take more of it before handing it out.
    while (got < size) {
        bool pieceTaken = m_takenOfPiece == m_request->ReceivedSize();
        if (pieceTaken && !Fill(got == 0)) break;
        std::size_t count =
            std::min<std::size_t>(size - got, m_request->ReceivedSize() - m_takenOfPiece);
        std::memcpy(buffer + got, m_request->Received() + m_takenOfPiece, count);
        m_takenOfPiece += count;
        got += count;
    }
    m_bodyBytes += got;
    return got;
}

// Brings the next piece of the body into m_request->Received(); false at the
// end of the body, when interrupted, or, unless `mayWait`, when nothing has
// arrived yet. The end of the body and failures are acted on only when
// `mayWait`, so that bytes already taken are handed out first.
bool HttpTransfer::Fill(bool mayWait) {
    while (!m_ended) {
        if (m_pending != Pending::None) {
            // A read or a query that waited for data: WinINet has some now,
            // or knows that the body has ended. Ask again.
            InternetCall call{InternetCall::State::Pending, 0, {}};
            if (!mayWait || !Await(call)) return false;
            continue;
        }
        // A read of the whole receive buffer, handed out piece by piece by
        // Read; it empties Received(), whatever comes of it.
        m_takenOfPiece = 0;
        InternetCall call = m_request->Read();
        if (call.state == InternetCall::State::Pending) {
            m_pending = Pending::Read;
            continue;
        }
        if (call.state == InternetCall::State::Failed && !mayWait) return false;
        ThrowIfFailed(call);
        if (m_request->ReceivedSize() > 0) return true;
        // Nothing came, and nothing waits: the end of the body, when WinINet
        // also has no data to report.
        unsigned long available = 0;
        call = m_request->QueryAvailable(available);
        if (call.state == InternetCall::State::Pending) {
            m_pending = Pending::Available;
            continue;
        }
        if (call.state == InternetCall::State::Failed && !mayWait) return false;
        ThrowIfFailed(call);
        if (available == 0) return AtEnd(mayWait);
    }
    return false;
}

// The body has ended; false. Unless `mayWait`, the next Read finds the end again.
bool HttpTransfer::AtEnd(bool mayWait) {
    if (!mayWait) return false;
    m_ended = true;
    std::uint64_t length = 0;
    // WinINet ends a body that the server cut short as if it were whole.
    if (m_head.framing.Length(length) && m_bodyBytes < length) {
        throw CInternetException(ERROR_INTERNET_CONNECTION_ABORTED,
                                 "the body ended after " + std::to_string(m_bodyBytes) + " of " +
                                     std::to_string(length) + " bytes");
    }
    // A chunked body that breaks off ends, for WinINet, as if it were
    // whole; but WinINet then drops the connection it would have kept.
    if (m_head.framing.IsChunked() && m_head.keepsConnection && !m_request->Finish()) {
        throw CInternetException(
            ERROR_INTERNET_CONNECTION_ABORTED,
            "the chunked body broke off after " + std::to_string(m_bodyBytes) + " bytes");
    }
    return false;
}

// Waits for the pending call to end; false when the interrupt check stopped the wait.
bool HttpTransfer::Await(InternetCall& call) {
    while (call.state == InternetCall::State::Pending) {
        if (m_request->Wait(kPollStepMs, call)) break;
        m_interrupted = m_interruptCheck && m_interruptCheck();
        if (m_interrupted) return false;
        CheckClock();
    }
    m_pending = Pending::None;
    m_lastActivity = Clock::now();
    ThrowIfFailed(call);
    return true;
}

void HttpTransfer::CheckClock() {
    Clock::time_point now = Clock::now();
    std::uint64_t notes = m_request->Notes();
    if (notes != m_notesSeen) {
        m_notesSeen = notes;
        m_lastActivity = now;
    }
    auto connectLimit = std::chrono::milliseconds(m_settings.connectTimeoutMs);
    if (m_pending == Pending::Send && !m_request->Connected() &&
        now - m_sendStart >= connectLimit) {
        throw CInternetException(
            ERROR_INTERNET_TIMEOUT,
            "no connection within " + std::to_string(connectLimit.count()) + " ms");
    }
    auto silenceLimit = std::chrono::milliseconds(m_settings.receiveTimeoutMs);
    if (now - m_lastActivity >= silenceLimit) {
        throw CInternetException(
            ERROR_INTERNET_TIMEOUT,
            "the server sent nothing for " + std::to_string(silenceLimit.count()) + " ms");
    }
}

}  // namespace net
