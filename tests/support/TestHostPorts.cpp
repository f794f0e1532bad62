#include "support/TestHostPorts.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace testing_support {

namespace {

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

}  // namespace

int BindLoopback(int port, bool reuseAddress, int& boundPort) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int reuse = 1;
    if (fd >= 0 && reuseAddress) setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address = Loopback(port);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0) close(fd);
        throw std::runtime_error("no loopback port");
    }
    boundPort = ntohs(address.sin_port);
    return fd;
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
    if (listen(m_listener, 0) != 0) throw std::runtime_error("listen failed");
    sockaddr_in address = Loopback(m_port);
    for (int i = 0; i < 2; ++i) {
        int filler = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        m_fillers.push_back(filler);
    }
    pollfd first{m_fillers[0], POLLOUT, 0};
    poll(&first, 1, 5000);
}

UnansweringPort::~UnansweringPort() {
    for (int filler : m_fillers) close(filler);
    close(m_listener);
}

}  // namespace testing_support
