// Sends one HttpReply on a connected socket, with its pacing and faults.
#pragma once

#include <cstdint>
#include <string>

#include "support/LoopbackSocket.h"
#include "support/TestHostControl.h"
#include "support/TestHostReply.h"

namespace testing_support {

class ReplyWriter {
  public:
    ReplyWriter(SocketHandle socket, HostControl& control) : m_socket(socket), m_control(control) {}

    // Sends `reply`. True when the connection may carry another request;
    // false when it was closed or reset (the socket is then closed too).
    bool Send(const HttpReply& reply);

  private:
    bool SendHead(const HttpReply& reply);
    bool SendBody(const HttpReply& reply);
    // False when the reply ends at `offset` (a reset, a close or a stop).
    bool ApplyFaults(const HttpReply& reply, std::uint64_t offset, bool& stalled);
    std::size_t NextPieceSize(const HttpReply& reply, std::uint64_t offset) const;
    bool SendPiece(const HttpReply& reply, std::uint64_t offset, std::size_t size);
    bool SendAll(const std::string& bytes);
    void Close(bool reset);

    SocketHandle m_socket;
    HostControl& m_control;
    bool m_closed = false;
};

}  // namespace testing_support
