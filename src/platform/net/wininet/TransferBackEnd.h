// The WinINet side of an HttpTransfer: asynchronous WinINet requests, one
// per hop, awaited in short steps so that the interrupt check and our own
// clock are looked at while WinINet waits. Redirects and 401s are answered
// here, not by WinINet, so that the rules of HttpFile.h hold exactly.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ResponseHead.h"
#include "WinInetRequest.h"
#include "platform/net/HttpTransfer.h"

namespace net {

struct HttpTransfer::BackEnd {
    using Clock = std::chrono::steady_clock;
    enum class Pending { None, Send, Available, Read };
    // The longest step of a wait, so an interrupt check is seen this often.
    static constexpr int kPollStepMs = 10;

    BackEnd(const std::string& url, const SessionSettings& settings, bool secure, Control& caller);

    // "scheme://server[:port]" of `url`, as credentials are filed under; "" when it has none.
    static std::string ServerOf(const std::string& url);
    // Forgets the last response, for a new Send.
    void Restart();
    // Sends one request to `url` and waits for its head; false when interrupted.
    bool Exchange(const std::string& url);
    // Where the redirect from `url` to `location` leads, after `hops` redirects so far.
    std::string NextHop(const std::string& url, const std::string& location, long hops) const;
    // Brings the next piece of the body into request->Received(); false at
    // the end of the body, when interrupted, or, unless `mayWait`, when
    // nothing has arrived yet. The end of the body and failures are acted
    // on only when `mayWait`, so that bytes already taken are handed out first.
    bool Fill(bool mayWait);

    Control& control;
    std::unique_ptr<WinInetRequest> request;
    SessionSettings session;
    bool keepsToHttps;  // the request began at an https address
    std::vector<std::string> headers;
    std::string authorization;          // "Basic ..." for the server in credentialServer
    std::optional<Credentials> signIn;  // for WinINet to answer that server's challenges
    std::string credentialServer;

    std::string nextUrl;      // where the next Send goes
    std::string responseUrl;  // where the last response came from
    long status = 0;
    ResponseHead head;  // of the final response

    Pending pending = Pending::None;  // the WinINet call that has not ended yet
    bool sent = false;
    bool ended = false;
    std::uint64_t bodyBytes = 0;   // handed out so far
    std::size_t takenOfPiece = 0;  // of the piece in request->Received()

    Clock::time_point sendStart;
    Clock::time_point lastActivity;
    std::uint64_t notesSeen = 0;

  private:
    std::string HeadersFor(const std::string& url) const;
    bool AtEnd(bool mayWait);
    bool Await(InternetCall& call);
    void CheckClock();
};

}  // namespace net
