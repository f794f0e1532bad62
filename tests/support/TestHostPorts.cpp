#include "support/TestHostPorts.h"

#include <stdexcept>

namespace testing_support {

SocketHandle BindLoopback(int port, bool reuseAddress, int& boundPort) {
    SocketHandle socket = OpenSocket(false);
    if (socket == kNoSocket) throw std::runtime_error("no socket");
    if (!BindLoopbackSocket(socket, port, reuseAddress, boundPort)) {
        CloseSocket(socket);
        throw std::runtime_error("no loopback port");
    }
    return socket;
}

int UnusedLoopbackPort() {
    int port = 0;
    // Bound but never listening, and never closed: the port stays taken, so
    // no other test can start listening on it, and connects are refused.
    // One descriptor per call is the price; tests call this rarely.
    BindLoopback(0, false, port);
    return port;
}

UnansweringPort::UnansweringPort() {
    m_listener = BindLoopback(0, false, m_port);
    // With a backlog of 0 the kernel queues one connection; while that one
    // waits, further connection requests are dropped without an answer.
    if (!ListenOn(m_listener, 0)) throw std::runtime_error("listen failed");
    for (int i = 0; i < 2; ++i) {
        SocketHandle filler = OpenSocket(true);
        StartConnect(filler, m_port);
        m_fillers.push_back(filler);
    }
    WaitForSocket(m_fillers[0], Readiness::Writable, 5000);
}

UnansweringPort::~UnansweringPort() {
    for (SocketHandle filler : m_fillers) CloseSocket(filler);
    CloseSocket(m_listener);
}

}  // namespace testing_support
