#include "support/TestHost.h"

#include <algorithm>
#include <stdexcept>

#include "support/TestHostAuth.h"
#include "support/TestHostPorts.h"
#include "support/TestHostWriter.h"

namespace testing_support {

namespace {

constexpr int kPollStepMs = 20;
constexpr std::size_t kLongestHead = 64 * 1024;

// Waits until `socket` has bytes to read; false when `stopped` says so first.
bool WaitReadable(SocketHandle socket, const HostControl& control) {
    for (;;) {
        if (control.Stopped()) return false;
        int ready = WaitForSocket(socket, Readiness::Readable, kPollStepMs);
        if (ready != 0) return ready > 0;
    }
}

}  // namespace

TestHost::TestHost() : TestHost(0) {}

TestHost::TestHost(int port) {
    // A fixed port may still be held by a just-closed server of an earlier test.
    m_listener = BindLoopback(port, true, m_port);
    if (!ListenOn(m_listener, 16)) {
        CloseSocket(m_listener);
        throw std::runtime_error("TestHost: cannot listen");
    }
    m_acceptThread = std::thread(&TestHost::AcceptLoop, this);
}

TestHost::~TestHost() {
    m_control.Stop();
    m_acceptThread.join();
    // No new connection threads can start now.
    for (std::thread& thread : m_connectionThreads) thread.join();
    CloseSocket(m_listener);
}

std::string TestHost::HostAndPort() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

std::string TestHost::Url(const std::string& target) const {
    return "http://" + HostAndPort() + target;
}

void TestHost::Serve(const std::string& target, HttpReply reply) {
    Serve(target, std::vector<HttpReply>{std::move(reply)});
}

void TestHost::Serve(const std::string& target, std::vector<HttpReply> replies) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_scripts[target] = Script{std::move(replies), 0};
}

std::vector<RecordedRequest> TestHost::Requests() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_requests;
}

std::size_t TestHost::RequestCount() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_requests.size();
}

int TestHost::ConnectionCount() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_connections;
}

std::vector<std::string> TestHost::RawOpenings() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_rawOpenings;
}

void TestHost::AcceptLoop() {
    while (WaitReadable(m_listener, m_control)) {
        SocketHandle connection = AcceptConnection(m_listener);
        if (connection == kNoSocket) continue;
        std::lock_guard<std::mutex> lock(m_lock);
        ++m_connections;
        m_connectionThreads.emplace_back(&TestHost::ServeConnection, this, connection);
    }
}

void TestHost::ServeConnection(SocketHandle socket) {
    std::string pending;
    RecordedRequest request;
    while (ReadRequest(socket, pending, request)) {
        HttpReply reply = ChooseReply(request);
        if (reply.onRequest) reply.onRequest();
        ReplyWriter writer(socket, m_control);
        if (!writer.Send(reply)) return;  // the writer closed the connection
    }
    CloseSocket(socket);
}

bool TestHost::ReadRequest(SocketHandle socket, std::string& pending, RecordedRequest& request) {
    for (;;) {
        std::size_t end = pending.find("\r\n\r\n");
        if (end != std::string::npos) {
            std::string head = pending.substr(0, end);
            pending.erase(0, end + 4);
            if (!RecordedRequest::Parse(head, request)) return false;
            std::lock_guard<std::mutex> lock(m_lock);
            m_requests.push_back(request);
            return true;
        }
        // Anything but a request line (a TLS greeting, say) is kept as it came.
        bool speaksHttp = pending.empty() || (pending[0] >= 'A' && pending[0] <= 'Z');
        if (!speaksHttp || pending.size() > kLongestHead) {
            std::lock_guard<std::mutex> lock(m_lock);
            m_rawOpenings.push_back(pending);
            return false;
        }
        if (!WaitReadable(socket, m_control)) return false;
        char buffer[4096];
        long n = ReceiveSome(socket, buffer, sizeof buffer);
        if (n <= 0) return false;
        pending.append(buffer, static_cast<std::size_t>(n));
    }
}

HttpReply TestHost::ChooseReply(const RecordedRequest& request) {
    std::lock_guard<std::mutex> lock(m_lock);
    auto found = m_scripts.find(request.target);
    if (found == m_scripts.end() || found->second.replies.empty()) {
        return HttpReply::Text("HTTP/1.1 404 Not Found", "no such object");
    }
    Script& script = found->second;
    const HttpReply& reply = script.replies[std::min(script.next, script.replies.size() - 1)];
    if (reply.auth && !Authorized(request, *reply.auth)) return Unauthorized(*reply.auth);
    ++script.next;
    return reply;
}

}  // namespace testing_support
