#include "support/LoopbackSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace testing_support {

namespace {

int Fd(SocketHandle socket) {
    return static_cast<int>(socket);
}

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

}  // namespace

SocketHandle OpenSocket(bool nonBlocking) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | (nonBlocking ? SOCK_NONBLOCK : 0), 0);
    return fd < 0 ? kNoSocket : fd;
}

bool BindLoopbackSocket(SocketHandle socket, int port, bool reuseAddress, int& boundPort) {
    int reuse = 1;
    if (reuseAddress) setsockopt(Fd(socket), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address = Loopback(port);
    socklen_t length = sizeof address;
    if (bind(Fd(socket), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(Fd(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return false;
    }
    boundPort = ntohs(address.sin_port);
    return true;
}

bool ListenOn(SocketHandle socket, int backlog) {
    return listen(Fd(socket), backlog) == 0;
}

void StartConnect(SocketHandle socket, int port) {
    sockaddr_in address = Loopback(port);
    connect(Fd(socket), reinterpret_cast<sockaddr*>(&address), sizeof address);
}

SocketHandle AcceptConnection(SocketHandle listener) {
    int fd = accept4(Fd(listener), nullptr, nullptr, SOCK_CLOEXEC);
    return fd < 0 ? kNoSocket : fd;
}

int WaitForSocket(SocketHandle socket, Readiness readiness, int timeoutMs) {
    pollfd entry{Fd(socket),
                 static_cast<short>(readiness == Readiness::Readable ? POLLIN : POLLOUT), 0};
    int ready = poll(&entry, 1, timeoutMs);
    if (ready < 0) return errno == EINTR ? 0 : -1;
    return ready;
}

bool PeerHasLeft(SocketHandle socket) {
    pollfd entry{Fd(socket), POLLIN | POLLRDHUP, 0};
    if (poll(&entry, 1, 0) <= 0) return false;
    if (entry.revents & (POLLRDHUP | POLLHUP | POLLERR)) return true;
    char byte = 0;
    return recv(Fd(socket), &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

long ReceiveSome(SocketHandle socket, char* buffer, std::size_t size) {
    return static_cast<long>(recv(Fd(socket), buffer, size, 0));
}

long SendSome(SocketHandle socket, const char* bytes, std::size_t size) {
    ssize_t n = ::send(Fd(socket), bytes, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    return static_cast<long>(n);
}

void CloseGracefully(SocketHandle socket) {
    ::shutdown(Fd(socket), SHUT_WR);
    ::close(Fd(socket));
}

void CloseWithReset(SocketHandle socket) {
    // Closing with a zero linger time sends RST instead of FIN.
    linger option{1, 0};
    setsockopt(Fd(socket), SOL_SOCKET, SO_LINGER, &option, sizeof option);
    ::close(Fd(socket));
}

void CloseSocket(SocketHandle socket) {
    ::close(Fd(socket));
}

}  // namespace testing_support
