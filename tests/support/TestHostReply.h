// One scripted reply of the TestHost: what it sends back for a request,
// and how it misbehaves while doing so. Plain data; tests build it with the
// factories and adjust fields.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// Replies 401, with a challenge per scheme of `schemes` in that order
// ("Basic", "Digest" with MD5 and qop auth, "NTLM", "Negotiate"), unless the
// request carries these credentials in Basic or Digest, whichever is offered.
// NTLM and Negotiate are offered only: the host accepts no answer to them.
struct HostAuth {
    std::string realm;
    std::string userName;
    std::string password;
    std::vector<std::string> schemes = {"Basic"};
};

struct HttpReply {
    enum class Framing {
        Length,   // a Content-Length header (announcedLength, else the body's size)
        Chunked,  // Transfer-Encoding: chunked (plus announcedLength, when set)
        Close,    // no length: the body ends when the host closes the connection
    };

    std::string statusLine = "HTTP/1.1 200 OK";
    std::vector<std::string> headers;  // further header lines, "Name: value"
    std::optional<std::string> body;   // a literal body; when unset, bodySize pattern bytes
    std::uint64_t bodySize = 0;
    std::uint64_t patternFrom = 0;  // the pattern byte that a generated body starts with
    Framing framing = Framing::Length;
    std::optional<std::uint64_t> announcedLength;  // a Content-Length that may lie either way
    std::size_t chunkSize = 8192;

    bool hangUp = false;  // close the connection at once, without any answer

    // Faults, counted in body bytes sent.
    std::optional<std::uint64_t> stallAt;  // then send nothing until TestHost::ReleaseStall
    std::optional<std::uint64_t> resetAt;  // then reset the connection (RST)
    std::optional<std::uint64_t> closeAt;  // then close the connection (FIN)
    std::size_t dripBytes = 0;             // send the body this many bytes at a time,
    int dripIntervalMs = 0;                // with this pause after each piece
    int headerDelayMs = 0;                 // pause before each line of the head
    std::optional<HostAuth> auth;

    // Run on the host's thread when the request has arrived, before the reply.
    std::function<void()> onRequest;
    // Run on the host's thread once the last body byte has gone to the socket.
    std::function<void()> onBodySent;

    std::uint64_t BodySize() const { return body ? body->size() : bodySize; }

    // 200 with `size` pattern bytes and their exact length.
    static HttpReply Ok(std::uint64_t size);
    // 206 with the pattern bytes from `from` of a file of `total` bytes, and
    // the Content-Range that says so.
    static HttpReply Part(std::uint64_t from, std::uint64_t total);
    // `statusLine` with a literal body.
    static HttpReply Text(std::string statusLine, std::string body);
    // A redirect (301, 302, 303, 307, 308) to `location`.
    static HttpReply Redirect(int code, std::string location);
};

}  // namespace testing_support

namespace testing_support {

// The Authorization header value for Basic credentials: "Basic " + base64(user:password).
std::string BasicCredentials(const std::string& userName, const std::string& password);

}  // namespace testing_support
