#include "platform/net/wininet/TransferBackEnd.h"

#include "platform/net/InternetException.h"
#include "platform/net/UrlServer.h"

namespace net {

namespace {

void ThrowIfFailed(const InternetCall& call) {
    if (call.state == InternetCall::State::Failed)
        throw CInternetException(call.error, call.detail);
}

}  // namespace

HttpTransfer::BackEnd::BackEnd(const std::string& url, const SessionSettings& settings, bool secure,
                               Control& caller)
    : control(caller),
      request(std::make_unique<WinInetRequest>(settings.agent, settings.connectTimeoutMs,
                                               settings.receiveTimeoutMs,
                                               static_cast<unsigned long>(kReceiveBufferSize))),
      session(settings),
      keepsToHttps(secure),
      nextUrl(url),
      responseUrl(url) {}

std::string HttpTransfer::BackEnd::ServerOf(const std::string& url) {
    std::string scheme;
    std::string server;
    if (!SplitServer(url, scheme, server)) return {};
    return scheme + "://" + server;
}

void HttpTransfer::BackEnd::Restart() {
    status = 0;
    head = {};
    pending = Pending::None;
    sent = false;
    ended = false;
    bodyBytes = 0;
    takenOfPiece = 0;
}

bool HttpTransfer::BackEnd::Exchange(const std::string& url) {
    InternetAddress address;
    if (!SplitInternetUrl(url, address)) {
        throw CInternetException(ERROR_INTERNET_INVALID_URL, "not an http address: " + url);
    }
    responseUrl = url;
    status = 0;
    bool signingIn = signIn && ServerOf(url) == credentialServer;
    ThrowIfFailed(request->Open(address, HeadersFor(url), signingIn ? &*signIn : nullptr));
    sendStart = Clock::now();
    lastActivity = sendStart;
    notesSeen = request->Notes();
    InternetCall call = request->Send();
    pending = Pending::Send;
    if (!Await(call)) return false;
    status = static_cast<long>(request->Status());
    return true;
}

std::string HttpTransfer::BackEnd::HeadersFor(const std::string& url) const {
    std::string text;
    for (const std::string& line : headers) text += line + "\r\n";
    if (!authorization.empty() && ServerOf(url) == credentialServer) {
        text += "Authorization: " + authorization + "\r\n";
    }
    return text;
}

std::string HttpTransfer::BackEnd::NextHop(const std::string& url, const std::string& location,
                                           long hops) const {
    if (hops >= kMaxRedirects) {
        throw CInternetException(ERROR_HTTP_REDIRECT_FAILED,
                                 "more than " + std::to_string(kMaxRedirects) + " redirects");
    }
    std::string next;
    InternetAddress address;
    if (!ResolveInternetUrl(url, location, next) || !SplitInternetUrl(next, address) ||
        (keepsToHttps && !address.secure)) {
        // A secure transfer never falls back to plain http, not even by a redirect.
        throw CInternetException(ERROR_HTTP_REDIRECT_FAILED, "a redirect to " + location);
    }
    return next;
}

bool HttpTransfer::BackEnd::Fill(bool mayWait) {
    while (!ended) {
        if (pending != Pending::None) {
            // A read or a query that waited for data: WinINet has some now,
            // or knows that the body has ended. Ask again.
            InternetCall call{InternetCall::State::Pending, 0, {}};
            if (!mayWait || !Await(call)) return false;
            continue;
        }
        // A read of the whole receive buffer, handed out piece by piece by
        // Read; it empties Received(), whatever comes of it.
        takenOfPiece = 0;
        InternetCall call = request->Read();
        if (call.state == InternetCall::State::Pending) {
            pending = Pending::Read;
            continue;
        }
        if (call.state == InternetCall::State::Failed && !mayWait) return false;
        ThrowIfFailed(call);
        if (request->ReceivedSize() > 0) return true;
        // Nothing came, and nothing waits: the end of the body, when WinINet
        // also has no data to report.
        unsigned long available = 0;
        call = request->QueryAvailable(available);
        if (call.state == InternetCall::State::Pending) {
            pending = Pending::Available;
            continue;
        }
        if (call.state == InternetCall::State::Failed && !mayWait) return false;
        ThrowIfFailed(call);
        if (available == 0) return AtEnd(mayWait);
    }
    return false;
}

// The body has ended; false. Unless `mayWait`, the next Read finds the end again.
bool HttpTransfer::BackEnd::AtEnd(bool mayWait) {
    if (!mayWait) return false;
    ended = true;
    std::uint64_t length = 0;
    // WinINet ends a body that the server cut short as if it were whole.
    if (head.framing.Length(length) && bodyBytes < length) {
        throw CInternetException(ERROR_INTERNET_CONNECTION_ABORTED,
                                 "the body ended after " + std::to_string(bodyBytes) + " of " +
                                     std::to_string(length) + " bytes");
    }
    // A chunked body that breaks off ends, for WinINet, as if it were
    // whole; but WinINet then drops the connection it would have kept.
    if (head.framing.IsChunked() && head.keepsConnection && !request->Finish()) {
        throw CInternetException(
            ERROR_INTERNET_CONNECTION_ABORTED,
            "the chunked body broke off after " + std::to_string(bodyBytes) + " bytes");
    }
    return false;
}

// Waits for the pending call to end; false when the interrupt check stopped the wait.
bool HttpTransfer::BackEnd::Await(InternetCall& call) {
    while (call.state == InternetCall::State::Pending) {
        if (request->Wait(kPollStepMs, call)) break;
        if (control.CheckInterrupt()) return false;
        CheckClock();
    }
    pending = Pending::None;
    lastActivity = Clock::now();
    ThrowIfFailed(call);
    return true;
}

void HttpTransfer::BackEnd::CheckClock() {
    Clock::time_point now = Clock::now();
    std::uint64_t notes = request->Notes();
    if (notes != notesSeen) {
        notesSeen = notes;
        lastActivity = now;
    }
    auto connectLimit = std::chrono::milliseconds(session.connectTimeoutMs);
    if (pending == Pending::Send && !request->Connected() && now - sendStart >= connectLimit) {
        throw CInternetException(
            ERROR_INTERNET_TIMEOUT,
            "no connection within " + std::to_string(connectLimit.count()) + " ms");
    }
    auto silenceLimit = std::chrono::milliseconds(session.receiveTimeoutMs);
    if (now - lastActivity >= silenceLimit) {
        throw CInternetException(
            ERROR_INTERNET_TIMEOUT,
            "the server sent nothing for " + std::to_string(silenceLimit.count()) + " ms");
    }
}

}  // namespace net
