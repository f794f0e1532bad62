// A scriptable HTTP host on a loopback port, for tests.
//
// Replies are data (HttpReply): a script per request target, played in
// order with the last reply repeated; unknown targets get 404. Every request
// is recorded (method, target, headers) for assertions, and so are the
// first bytes of connections that do not speak plain HTTP (a TLS greeting).
// The host serves each connection on its own thread, keeps connections
// alive between requests, and stops by itself when destroyed.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/LoopbackSocket.h"
#include "support/NonCopyable.h"
#include "support/TestHostControl.h"
#include "support/TestHostReply.h"
#include "support/TestHostRequest.h"

namespace testing_support {

class TestHost : NonCopyable {
  public:
    // Listens on 127.0.0.1 on a free port and starts serving.
    TestHost();
    // Listens on 127.0.0.1:port (a product built with that download host).
    explicit TestHost(int port);
    ~TestHost();

    int Port() const { return m_port; }
    // "127.0.0.1:port", as a download host is named.
    std::string HostAndPort() const;
    // "http://127.0.0.1:port" + target.
    std::string Url(const std::string& target) const;

    // The reply for `target` ("/index.html"), from now on.
    void Serve(const std::string& target, HttpReply reply);
    // Replies for successive requests of `target`; the last one repeats.
    void Serve(const std::string& target, std::vector<HttpReply> replies);
    // Ends one stall: the one under way, or else the next to begin.
    void ReleaseStall() { m_control.Release(); }

    std::vector<RecordedRequest> Requests() const;
    std::size_t RequestCount() const;
    int ConnectionCount() const;
    // The first bytes of each connection that did not start with a request.
    std::vector<std::string> RawOpenings() const;

  private:
    struct Script {
        std::vector<HttpReply> replies;
        std::size_t next = 0;
    };

    void AcceptLoop();
    void ServeConnection(SocketHandle socket);
    // Reads one request head; false when the client left or spoke no HTTP.
    bool ReadRequest(SocketHandle socket, std::string& pending, RecordedRequest& request);
    HttpReply ChooseReply(const RecordedRequest& request);

    SocketHandle m_listener = kNoSocket;
    int m_port = 0;
    HostControl m_control;

    mutable std::mutex m_lock;
    std::map<std::string, Script> m_scripts;
    std::vector<RecordedRequest> m_requests;
    std::vector<std::string> m_rawOpenings;
    int m_connections = 0;
    std::vector<std::thread> m_connectionThreads;
    std::thread m_acceptThread;
};

}  // namespace testing_support
