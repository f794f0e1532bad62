#include "support/TestHostWriter.h"

#include <algorithm>
#include <cstdio>

#include "support/TestHostBody.h"

namespace testing_support {

namespace {

constexpr std::size_t kLargestPiece = 64 * 1024;

bool AnnouncesNoLength(const HttpReply& reply) {
    return reply.framing == HttpReply::Framing::Close;
}

}  // namespace

bool ReplyWriter::Send(const HttpReply& reply) {
    if (reply.hangUp || !SendHead(reply) || !SendBody(reply)) {
        Close(false);
        return false;
    }
    if (reply.onBodySent) reply.onBodySent();
    bool lengthLies = reply.framing == HttpReply::Framing::Length && reply.announcedLength &&
                      *reply.announcedLength != reply.BodySize();
    if (lengthLies || AnnouncesNoLength(reply)) {
        Close(false);
        return false;
    }
    return !m_closed;
}

bool ReplyWriter::SendHead(const HttpReply& reply) {
    std::vector<std::string> lines{reply.statusLine};
    lines.insert(lines.end(), reply.headers.begin(), reply.headers.end());
    if (reply.framing == HttpReply::Framing::Length) {
        lines.push_back("Content-Length: " +
                        std::to_string(reply.announcedLength.value_or(reply.BodySize())));
    } else if (reply.framing == HttpReply::Framing::Chunked) {
        lines.push_back("Transfer-Encoding: chunked");
        if (reply.announcedLength) {
            lines.push_back("Content-Length: " + std::to_string(*reply.announcedLength));
        }
    }
    if (AnnouncesNoLength(reply)) lines.push_back("Connection: close");
    lines.push_back("");
    for (const std::string& line : lines) {
        if (reply.headerDelayMs > 0 && !m_control.Sleep(reply.headerDelayMs)) return false;
        if (!SendAll(line + "\r\n")) return false;
    }
    return true;
}

bool ReplyWriter::SendBody(const HttpReply& reply) {
    std::uint64_t size = reply.BodySize();
    std::uint64_t offset = 0;
    bool stalled = false;
    for (;;) {
        if (!ApplyFaults(reply, offset, stalled)) return false;
        if (offset == size) break;
        std::size_t piece = NextPieceSize(reply, offset);
        if (!SendPiece(reply, offset, piece)) return false;
        offset += piece;
        if (reply.dripIntervalMs > 0 && !m_control.Sleep(reply.dripIntervalMs)) return false;
    }
    if (reply.framing == HttpReply::Framing::Chunked) return SendAll("0\r\n\r\n");
    return true;
}

bool ReplyWriter::ApplyFaults(const HttpReply& reply, std::uint64_t offset, bool& stalled) {
    if (reply.resetAt && *reply.resetAt == offset) {
        Close(true);
        return false;
    }
    if (reply.closeAt && *reply.closeAt == offset) {
        Close(false);
        return false;
    }
    if (reply.stallAt && *reply.stallAt == offset && !stalled) {
        stalled = true;
        if (!m_control.WaitForRelease(m_socket)) return false;
    }
    return !m_control.Stopped();
}

std::size_t ReplyWriter::NextPieceSize(const HttpReply& reply, std::uint64_t offset) const {
    std::uint64_t end = reply.BodySize();
    for (const auto& point : {reply.stallAt, reply.resetAt, reply.closeAt}) {
        if (point && *point > offset) end = std::min(end, *point);
    }
    std::size_t limit = kLargestPiece;
    if (reply.dripBytes > 0) limit = std::min(limit, reply.dripBytes);
    if (reply.framing == HttpReply::Framing::Chunked) limit = std::min(limit, reply.chunkSize);
    return static_cast<std::size_t>(std::min<std::uint64_t>(end - offset, limit));
}

bool ReplyWriter::SendPiece(const HttpReply& reply, std::uint64_t offset, std::size_t size) {
    std::string payload = reply.body ? reply.body->substr(offset, size)
                                     : PatternBytes(reply.patternFrom + offset, size);
    if (reply.framing != HttpReply::Framing::Chunked) return SendAll(payload);
    char sizeLine[32];
    std::snprintf(sizeLine, sizeof sizeLine, "%zx\r\n", size);
    return SendAll(sizeLine + payload + "\r\n");
}

bool ReplyWriter::SendAll(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (m_closed || m_control.Stopped()) return false;
        // A client that does not read must not keep the host from stopping.
        if (WaitForSocket(m_socket, Readiness::Writable, 20) <= 0) continue;
        long n = SendSome(m_socket, bytes.data() + sent, bytes.size() - sent);
        if (n < 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void ReplyWriter::Close(bool reset) {
    if (m_closed) return;
    m_closed = true;
    if (reset) {
        CloseWithReset(m_socket);
    } else {
        CloseGracefully(m_socket);
    }
}

}  // namespace testing_support
