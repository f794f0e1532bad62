#include "platform/net/HttpTransfer.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/net/InternetException.h"
#include "platform/net/wininet/TransferBackEnd.h"

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

}  // namespace

HttpTransfer::HttpTransfer(const std::string& url, const SessionSettings& settings, bool secure)
    : m_backEnd(std::make_unique<BackEnd>(url, settings, secure, m_control)) {}

HttpTransfer::~HttpTransfer() = default;

void HttpTransfer::SetHeaders(const std::vector<std::string>& lines) {
    m_backEnd->headers = lines;
}

bool HttpTransfer::AnswersSignIn() const {
    const SignInOffer& offer = m_backEnd->head.offer;
    return offer.Offers(SignInScheme::Basic) || offer.Offers(SignInScheme::Digest) ||
           offer.Offers(SignInScheme::Ntlm) || offer.Offers(SignInScheme::Negotiate);
}

void HttpTransfer::SetCredentials(const std::string& userName, const std::string& password) {
    BackEnd& backEnd = *m_backEnd;
    // The next request starts where the 401 came from, so that the
    // credentials go to the server that asked and nowhere else.
    backEnd.nextUrl = backEnd.responseUrl;
    backEnd.credentialServer = BackEnd::ServerOf(backEnd.nextUrl);
    backEnd.authorization.clear();
    backEnd.signIn.reset();
    // The password goes in clear only to a server that offered Basic; any
    // other scheme is WinINet's to answer on the request itself.
    if (backEnd.head.offer.Offers(SignInScheme::Basic)) {
        backEnd.authorization = "Basic " + Base64(userName + ":" + password);
    } else {
        backEnd.signIn = Credentials{userName, password};
    }
}

bool HttpTransfer::Send() {
    BackEnd& backEnd = *m_backEnd;
    m_control.interrupted = false;
    backEnd.Restart();
    std::string url = backEnd.nextUrl;
    for (long hops = 0;; ++hops) {
        if (!backEnd.Exchange(url)) return false;
        backEnd.head = ReadResponseHead(backEnd.request->RawHead());
        long status = backEnd.status;
        bool followed = status / 100 == 3 && !backEnd.head.location.empty();
        // Only a 2xx body is ever kept; the length of any body must be sound.
        bool bodyIsKept = !followed && status / 100 == 2;
        std::string refusal = backEnd.head.fault;
        if (refusal.empty()) {
            refusal = backEnd.head.framing.Refusal(m_control.decoding && bodyIsKept);
        }
        if (refusal.empty() && bodyIsKept) refusal = UnverifiableEnd(backEnd.head);
        if (!refusal.empty()) throw CInternetException(ERROR_HTTP_INVALID_SERVER_RESPONSE, refusal);
        if (!followed) break;
        url = backEnd.NextHop(url, backEnd.head.location, hops);
    }
    backEnd.sent = true;
    return true;
}

long HttpTransfer::Status() const {
    return m_backEnd->status;
}

const ResponseFraming& HttpTransfer::Framing() const {
    return m_backEnd->head.framing;
}

std::string HttpTransfer::ResponseUrl() const {
    return m_backEnd->responseUrl;
}

const std::string& HttpTransfer::Realm() const {
    const SignInOffer& offer = m_backEnd->head.offer;
    bool basic = offer.Offers(SignInScheme::Basic);
    return offer.Realm(basic ? SignInScheme::Basic : SignInScheme::Digest);
}

std::size_t HttpTransfer::Read(char* buffer, std::size_t size) {
    BackEnd& backEnd = *m_backEnd;
    m_control.interrupted = false;
    if (!backEnd.sent) {
        throw CInternetException(ERROR_INTERNET_INCORRECT_HANDLE_STATE, "the request was not sent");
    }
    if (backEnd.ended) return 0;
    backEnd.lastActivity = BackEnd::Clock::now();
    backEnd.notesSeen = backEnd.request->Notes();
    WinInetRequest& request = *backEnd.request;
    std::size_t got = 0;
    // While data keeps coming, take more of it before handing it out.
    while (got < size) {
        bool pieceTaken = backEnd.takenOfPiece == request.ReceivedSize();
        if (pieceTaken && !backEnd.Fill(got == 0)) break;
        std::size_t count =
            std::min<std::size_t>(size - got, request.ReceivedSize() - backEnd.takenOfPiece);
        std::memcpy(buffer + got, request.Received() + backEnd.takenOfPiece, count);
        backEnd.takenOfPiece += count;
        got += count;
    }
    backEnd.bodyBytes += got;
    return got;
}

}  // namespace net
