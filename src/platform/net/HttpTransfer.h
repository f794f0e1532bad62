// One HTTP request under a CHttpFile, with its redirects and sign-in
// rounds, as the build's back end speaks it: libcurl on Linux, WinINet on
// Windows. This face is the same for both. Each back end defines its
// functions in its folder's HttpTransfer.cpp, and keeps its own state and
// helpers in BackEnd (its folder's TransferBackEnd.h), which only it sees.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/net/ResponseFraming.h"
#include "platform/net/SessionSettings.h"

namespace net {

class HttpTransfer {
  public:
    // Near 100 KiB: smaller receive buffers measured clearly slower.
    static constexpr long kReceiveBufferSize = 100 * 1024;
    static constexpr long kMaxRedirects = 20;

    // `secure`: `url` is an https address, and the transfer keeps to https.
    HttpTransfer(const std::string& url, const SessionSettings& settings, bool secure);
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;
    ~HttpTransfer();

    // Header lines ("Name: value") for the next Send.
    void SetHeaders(const std::vector<std::string>& lines);
    // Credentials for the next Send, which then goes straight to the server
    // of the last response (the one that asked) and answers its challenge
    // alone, in a scheme that AnswersSignIn found.
    void SetCredentials(const std::string& userName, const std::string& password);
    void SetInterruptCheck(std::function<bool()> check) {
        m_control.interruptCheck = std::move(check);
    }
    // Whether the next Send refuses a 2xx body in a coding that the caller
    // cannot decode (the default), or takes it in any coding.
    void SetDecoding(bool decoding) { m_control.decoding = decoding; }

    // Starts the request afresh and waits until the final response's status
    // is known and its body is ready; false when the interrupt check stopped the wait.
    bool Send();
    // Status of the final response, 0 before one arrived.
    long Status() const;
    // What the final response's head says of its body.
    const ResponseFraming& Framing() const;
    // The announced body length; false when there is none or the body is chunked.
    bool ContentLength(std::uint64_t& length) const { return Framing().Length(length); }
    // The address of the last response: where a redirect led, else the request's own.
    std::string ResponseUrl() const;
    // Whether the final response offered a sign-in that this back end answers
    // with the user's credentials. libcurl answers Digest (preferred) and
    // Basic; WinINet answers Basic itself, else Digest, NTLM or Negotiate as
    // far as it can.
    bool AnswersSignIn() const;
    // Realm of the challenge that SetCredentials would answer, "" when none.
    const std::string& Realm() const;
    // Up to `size` body bytes as they were sent; 0 at the end or when interrupted.
    std::size_t Read(char* buffer, std::size_t size);
    bool WasInterrupted() const { return m_control.interrupted; }

  private:
    // What the caller asked of the request, which the back end follows.
    struct Control {
        std::function<bool()> interruptCheck;
        bool decoding = true;
        bool interrupted = false;  // the last Send or Read was stopped by the check

        // Asks the interrupt check, and remembers the answer.
        bool CheckInterrupt() {
            interrupted = interruptCheck && interruptCheck();
            return interrupted;
        }
    };
    struct BackEnd;

    Control m_control;
    std::unique_ptr<BackEnd> m_backEnd;
};

}  // namespace net
