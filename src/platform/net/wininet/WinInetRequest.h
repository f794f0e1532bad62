// One HTTP request at a time over WinINet in asynchronous mode, in plain
// C++ types.
//
// Only the sources of this file, InternetUrl and WinInetErrors see windows.h
// and wininet.h, whose macros clash with the names of InternetDefs.h;
// failures come out as the ERROR_ numbers of InternetDefs.h, which are
// WinINet's own numbers. Asynchronous mode is
// what lets a wait end: a synchronous WinINet read can be neither
// interrupted nor timed out safely. A call that answers Pending is finished
// by Wait, which returns after a short step whatever happened, so that the
// caller can look at its own clock and interrupt check in between.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "InternetUrl.h"
#include "platform/net/CredentialPrompt.h"

namespace net {

// How a call into WinINet ended.
struct InternetCall {
    enum class State { Done, Pending, Failed };
    State state = State::Done;
    unsigned long error = 0;  // when Failed: an ERROR_ code of InternetDefs.h
    std::string detail;       // when Failed: what WinINet said
};

class WinInetRequest {
  public:
    // A session of its own: direct connections only, `agent` as the
    // User-Agent; WinINet's own time-outs are set beyond `connectTimeoutMs`
    // and `silenceLimitMs`, so that the caller's clock decides.
    WinInetRequest(const std::string& agent, unsigned long connectTimeoutMs,
                   unsigned long silenceLimitMs, unsigned long receiveBufferSize);
    WinInetRequest(const WinInetRequest&) = delete;
    WinInetRequest& operator=(const WinInetRequest&) = delete;
    // Closes every handle. What a pending call may still write to stays
    // alive until WinINet lets go of the request.
    ~WinInetRequest();

    // Ends the current request and opens a GET of `address` that carries
    // `headers` ("Name: value" lines, each ended by CR LF). Nothing is sent.
    // With `signIn`, WinINet answers the server's sign-in challenges (Digest,
    // NTLM, Negotiate) on this request itself, with these credentials;
    // without, it answers none.
    InternetCall Open(const InternetAddress& address, const std::string& headers,
                      const Credentials* signIn = nullptr);
    InternetCall Send();
    // How many body bytes can be read at once; 0 at the end of the body.
    InternetCall QueryAvailable(unsigned long& bytes);
    // Reads what has arrived, up to the receive buffer's size, into
    // Received(), without waiting for more: WinINet hands over its own small
    // buffer and then takes straight from the connection whatever is there.
    // 0 bytes when nothing had arrived or at the end of the body. Pending
    // when nothing had arrived and WinINet now waits for it: its end says that
    // something has, and Received() stays empty; read again then.
    InternetCall Read();
    const char* Received() const;
    unsigned long ReceivedSize() const;

    // Waits at most `stepMs` for the pending call. True when it ended, and
    // `call` then says how (a pending Read has then delivered nothing).
    bool Wait(unsigned long stepMs, InternetCall& call);

    // The status code of the response, 0 before there is one.
    unsigned long Status() const;
    // The response head as received: the status line and the header lines, each ended by CR LF.
    std::string RawHead() const;
    // Counts WinINet's notes about the request (connecting, sending, receiving):
    // when it moves, something happened while we waited.
    std::uint64_t Notes() const;
    // Whether the request has reached its server.
    bool Connected() const;
    // Ends the request, whose body has been read; false when WinINet then
    // closed the connection instead of keeping it for another request.
    bool Finish();

  private:
    struct Handles;
    // Closes the request, waiting at most `waitMs` for WinINet to confirm it;
    // true when WinINet confirmed it and closed its connection too.
    bool CloseRequest(unsigned long waitMs);

    std::unique_ptr<Handles> m_handles;
};

}  // namespace net
