// The WinINet side of a CHttpFile: asynchronous WinINet requests, one per
// hop, awaited in short steps so that the interrupt check and our own clock
// are looked at while WinINet waits. Redirects and 401s are answered here,
// not by WinINet, so that the rules of HttpFile.h hold exactly.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ResponseHead.h"
#include "WinInetRequest.h"
#include "platform/net/SessionSettings.h"

namespace net {

class HttpTransfer {
  public:
    // Near 100 KiB: smaller receive buffers measured clearly slower.
    static constexpr long kReceiveBufferSize = 100 * 1024;
    // The longest step of a wait, so an interrupt check is seen this often.
    static constexpr int kPollStepMs = 10;
    static constexpr long kMaxRedirects = 20;

    // `secure`: `url` is an https address, and the transfer keeps to https.
    HttpTransfer(const std::string& url, const SessionSettings& settings, bool secure);
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;
    ~HttpTransfer();

    // Header lines ("Name: value") for the next Send.
    void SetHeaders(const std::vector<std::string>& lines);
    // Credentials for the next Send, which then goes straight to the server of
    // the last response (the one that asked) and answers its challenge alone.
    void SetCredentials(const std::string& userName, const std::string& password);
    void SetInterruptCheck(std::function<bool()> check) { m_interruptCheck = std::move(check); }
    // Whether the next Send refuses a 2xx body in a coding that the caller
    // cannot decode (the default), or takes it in any coding.
    void SetDecoding(bool decoding) { m_decoding = decoding; }

    // Starts the request afresh and waits until the final response's status
    // is known and its body is ready; false when the interrupt check stopped the wait.
    bool Send();
    // Status of the final response, 0 before one arrived.
    long Status() const { return m_status; }
    // The announced body length; false when there is none or the body is chunked.
    bool ContentLength(std::uint64_t& length) const;
    // What the final response's head says of its body.
    const ResponseFraming& Framing() const { return m_head.framing; }
    // The address of the last response: where a redirect led, else the request's own.
    std::string ResponseUrl() const { return m_responseUrl; }
    // Whether the final response offered a sign-in that this back end answers
    // with the user's credentials: Basic, which it answers itself, or else
    // Digest, NTLM or Negotiate, which WinINet answers as far as it can.
    bool AnswersSignIn() const;
    // Realm of the challenge that SetCredentials would answer, "" when none.
    const std::string& Realm() const;
    // Up to `size` body bytes as they were sent; 0 at the end or when interrupted.
    std::size_t Read(char* buffer, std::size_t size);
    bool WasInterrupted() const { return m_interrupted; }

  private:
    using Clock = std::chrono::steady_clock;
    enum class Pending { None, Send, Available, Read };

    bool Exchange(const std::string& url);
    std::string HeadersFor(const std::string& url) const;
    std::string NextHop(const std::string& url, const std::string& location, long hops) const;
    bool Fill(bool mayWait);
    bool AtEnd(bool mayWait);
    bool Await(InternetCall& call);
    void CheckClock();

    std::unique_ptr<WinInetRequest> m_request;
    SessionSettings m_settings;
    bool m_secure;
    std::vector<std::string> m_headers;
    std::string m_authorization;          // "Basic ..." for the server in m_credentialServer
    std::optional<Credentials> m_signIn;  // for WinINet to answer that server's challenges
    std::string m_credentialServer;
    std::function<bool()> m_interruptCheck;

    std::string m_url;          // where the next Send goes
    std::string m_responseUrl;  // where the last response came from
    long m_status = 0;
    ResponseHead m_head;  // of the final response
    bool m_decoding = true;

    Pending m_pending = Pending::None;  // the WinINet call that has not ended yet
    bool m_sent = false;
    bool m_ended = false;
    std::uint64_t m_bodyBytes = 0;   // handed out so far
    std::size_t m_takenOfPiece = 0;  // of the piece in m_request->Received()
    bool m_interrupted = false;

    Clock::time_point m_sendStart;
    Clock::time_point m_lastActivity;
    std::uint64_t m_notesSeen = 0;
};

}  // namespace net
