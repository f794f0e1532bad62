// The socket calls of the test host that differ between POSIX and Winsock,
// behind plain functions; each platform's folder implements them. Sockets
// are always TCP on 127.0.0.1.
#pragma once

#include <cstddef>
#include <cstdint>

namespace testing_support {

// A socket descriptor or Winsock SOCKET; kNoSocket when there is none.
using SocketHandle = std::intptr_t;
constexpr SocketHandle kNoSocket = -1;

enum class Readiness { Readable, Writable };

// A new TCP socket, not inherited by child processes; non-blocking when asked.
SocketHandle OpenSocket(bool nonBlocking);
// Binds to 127.0.0.1:`port` (0: a fresh port) and stores the port it got.
// `reuseAddress` lets a listener take a port whose earlier connections linger.
bool BindLoopbackSocket(SocketHandle socket, int port, bool reuseAddress, int& boundPort);
bool ListenOn(SocketHandle socket, int backlog);
// Starts connecting a non-blocking socket to 127.0.0.1:`port`.
void StartConnect(SocketHandle socket, int port);
// The next waiting connection, or kNoSocket.
SocketHandle AcceptConnection(SocketHandle listener);

// Waits up to `timeoutMs` for `readiness`: 1 when ready, 0 when not yet,
// -1 when the socket failed. Interrupted waits count as "not yet".
int WaitForSocket(SocketHandle socket, Readiness readiness, int timeoutMs);
// Whether the peer has closed its side or reset the connection; never waits.
bool PeerHasLeft(SocketHandle socket);

// Bytes received into `buffer`: 0 when the peer has ended, -1 on failure.
long ReceiveSome(SocketHandle socket, char* buffer, std::size_t size);
// Bytes sent without waiting (0 when the socket takes none now), -1 on
// failure; a peer that has gone never raises a signal.
long SendSome(SocketHandle socket, const char* bytes, std::size_t size);

// Ends the sending side (FIN) and closes.
void CloseGracefully(SocketHandle socket);
// Closes with a reset (RST) instead of a FIN.
void CloseWithReset(SocketHandle socket);
void CloseSocket(SocketHandle socket);

}  // namespace testing_support
