#include "support/LoopbackSocket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace testing_support {

namespace {

SOCKET Sock(SocketHandle socket) {
    return static_cast<SOCKET>(socket);
}

// Winsock wants one WSAStartup before the first socket of the process.
bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    return address;
}

void MakeNonBlocking(SOCKET socket) {
    u_long on = 1;
    ioctlsocket(socket, FIONBIO, &on);
}

}  // namespace

SocketHandle OpenSocket(bool nonBlocking) {
    if (!StartWinsock()) return kNoSocket;
    SOCKET socket =
        WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (socket == INVALID_SOCKET) return kNoSocket;
    if (nonBlocking) MakeNonBlocking(socket);
    return static_cast<SocketHandle>(socket);
}

bool BindLoopbackSocket(SocketHandle socket, int port, bool reuseAddress, int& boundPort) {
    // Without SO_EXCLUSIVEADDRUSE another program could bind the same port
    // with SO_REUSEADDR and take our connections.
    BOOL on = TRUE;
    int option = reuseAddress ? SO_REUSEADDR : SO_EXCLUSIVEADDRUSE;
    setsockopt(Sock(socket), SOL_SOCKET, option, reinterpret_cast<const char*>(&on), sizeof on);
    sockaddr_in address = Loopback(port);
    int length = sizeof address;
    if (bind(Sock(socket), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(Sock(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return false;
    }
    boundPort = ntohs(address.sin_port);
    return true;
}

bool ListenOn(SocketHandle socket, int backlog) {
    return listen(Sock(socket), backlog) == 0;
}

void StartConnect(SocketHandle socket, int port) {
    sockaddr_in address = Loopback(port);
    connect(Sock(socket), reinterpret_cast<sockaddr*>(&address), sizeof address);
}

SocketHandle AcceptConnection(SocketHandle listener) {
    SOCKET connection = accept(Sock(listener), nullptr, nullptr);
    if (connection == INVALID_SOCKET) return kNoSocket;
    // Winsock has no per-call MSG_DONTWAIT: a client that stops reading must
    // not block a send for good.
    MakeNonBlocking(connection);
    return static_cast<SocketHandle>(connection);
}

int WaitForSocket(SocketHandle socket, Readiness readiness, int timeoutMs) {
    WSAPOLLFD entry{Sock(socket),
                    static_cast<SHORT>(readiness == Readiness::Readable ? POLLRDNORM : POLLWRNORM),
                    0};
    int ready = WSAPoll(&entry, 1, timeoutMs);
    if (ready < 0) return WSAGetLastError() == WSAEINTR ? 0 : -1;
    return ready;
}

bool PeerHasLeft(SocketHandle socket) {
    WSAPOLLFD entry{Sock(socket), POLLRDNORM, 0};
    if (WSAPoll(&entry, 1, 0) <= 0) return false;
    if (entry.revents & (POLLHUP | POLLERR)) return true;
    char byte = 0;
    // Readable, so the peek does not wait: 0 bytes means the peer has ended.
    return recv(Sock(socket), &byte, 1, MSG_PEEK) == 0;
}

long ReceiveSome(SocketHandle socket, char* buffer, std::size_t size) {
    return recv(Sock(socket), buffer, static_cast<int>(size), 0);
}

long SendSome(SocketHandle socket, const char* bytes, std::size_t size) {
    int n = send(Sock(socket), bytes, static_cast<int>(size), 0);
    if (n == SOCKET_ERROR) return WSAGetLastError() == WSAEWOULDBLOCK ? 0 : -1;
    return n;
}

void CloseGracefully(SocketHandle socket) {
    shutdown(Sock(socket), SD_SEND);
    closesocket(Sock(socket));
}

void CloseWithReset(SocketHandle socket) {
    // Closing with a zero linger time sends RST instead of FIN.
    linger option{1, 0};
    setsockopt(Sock(socket), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&option),
               sizeof option);
    closesocket(Sock(socket));
}

void CloseSocket(SocketHandle socket) {
    closesocket(Sock(socket));
}

}  // namespace testing_support
