#include "WinInetRequest.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <vector>

#include "WinInetErrors.h"

namespace net {

namespace {

// How long the end of a request whose body has been read may take to be
// confirmed by WinINet; it comes within milliseconds.
constexpr DWORD kFinishWaitMs = 2000;
// WinINet's own time-outs lie this far beyond ours: a WinINet read that times
// out is followed by a false end of the body, so only our clock may decide.
constexpr DWORD kTimeoutMarginMs = 30000;

InternetCall Failed(DWORD error) {
    return {InternetCall::State::Failed, InternetErrorFromWinInet(error),
            "WinINet reported error " + std::to_string(error)};
}

InternetCall Outcome(BOOL ok) {
    if (ok) return {};
    DWORD error = GetLastError();
    if (error == ERROR_IO_PENDING) return {InternetCall::State::Pending, 0, {}};
    return Failed(error);
}

// What the status callback shares with the thread that waits. Both hold
// it, and the last to let go frees it: WinINet says the request's handle is
// closing only once a pending call has ended, which a silent server can
// put off for as long as it likes, and a closed request must not wait for that.
struct Shared {
    explicit Shared(unsigned long bufferSize)
        : event(CreateEventW(nullptr, FALSE, FALSE, nullptr)), buffer(bufferSize) {}
    ~Shared() {
        if (event != nullptr) CloseHandle(event);
    }
    HANDLE event;
    std::atomic<bool> completed{false};
    std::atomic<bool> closing{false};
    std::atomic<bool> connected{false};
    std::atomic<bool> dropped{false};  // WinINet closed the connection
    std::atomic<DWORD_PTR> result{0};
    std::atomic<DWORD> error{0};
    std::atomic<std::uint64_t> notes{0};
    std::atomic<int> holders{1};
    // A pending call writes its answer here when it ends.
    std::vector<char> buffer;
    INTERNET_BUFFERSA buffers = {};
    DWORD received = 0;
    DWORD available = 0;
};

void LetGo(Shared* shared) {
    if (shared->holders.fetch_sub(1) == 1) delete shared;
}

struct OurHold {
    void operator()(Shared* shared) const { LetGo(shared); }
};

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD) {
    auto* shared = reinterpret_cast<Shared*>(context);
    if (shared == nullptr) return;
    shared->notes.fetch_add(1);
    switch (status) {
        case INTERNET_STATUS_CONNECTED_TO_SERVER:
        case INTERNET_STATUS_REQUEST_SENT:
        case INTERNET_STATUS_RESPONSE_RECEIVED:
            shared->connected.store(true);
            break;
        case INTERNET_STATUS_REQUEST_COMPLETE: {
            auto* async = static_cast<INTERNET_ASYNC_RESULT*>(info);
            shared->result.store(async->dwResult);
            shared->error.store(async->dwError);
            shared->completed.store(true);
            SetEvent(shared->event);
            break;
        }
        case INTERNET_STATUS_CLOSING_CONNECTION:
            shared->dropped.store(true);
            break;
        case INTERNET_STATUS_HANDLE_CLOSING:
            // The last note about the request: WinINet lets go of it.
            shared->closing.store(true);
            SetEvent(shared->event);
            LetGo(shared);
            break;
        default:
            break;
    }
}

void SetTimeout(HINTERNET handle, DWORD option, DWORD ms) {
    InternetSetOptionW(handle, option, &ms, sizeof ms);
}

}  // namespace

struct WinInetRequest::Handles {
    HINTERNET session = nullptr;
    HINTERNET connection = nullptr;
    HINTERNET request = nullptr;
    InternetAddress server;                   // of `connection`
    std::unique_ptr<Shared, OurHold> shared;  // of the open request
    unsigned long bufferSize = 0;
    DWORD silenceLimitMs = 0;
};

WinInetRequest::WinInetRequest(const std::string& agent, unsigned long connectTimeoutMs,
                               unsigned long silenceLimitMs, unsigned long receiveBufferSize)
    : m_handles(std::make_unique<Handles>()) {
    m_handles->bufferSize = receiveBufferSize;
    m_handles->silenceLimitMs = silenceLimitMs;
    // The session has no context, so WinINet sends it no notes: only the
    // request's notes reach OnStatus, with the request's Shared.
    m_handles->session = InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr,
                                       INTERNET_FLAG_ASYNC);
    if (m_handles->session == nullptr) return;
    InternetSetStatusCallbackA(m_handles->session, &OnStatus);
    SetTimeout(m_handles->session, INTERNET_OPTION_CONNECT_TIMEOUT,
               connectTimeoutMs + kTimeoutMarginMs);
}

WinInetRequest::~WinInetRequest() {
    CloseRequest(0);
    if (m_handles->connection != nullptr) InternetCloseHandle(m_handles->connection);
    if (m_handles->session != nullptr) InternetCloseHandle(m_handles->session);
}

bool WinInetRequest::CloseRequest(unsigned long waitMs) {
    Handles& h = *m_handles;
    if (h.request == nullptr) return false;
    InternetCloseHandle(h.request);
    h.request = nullptr;
    ULONGLONG deadline = GetTickCount64() + waitMs;
    while (!h.shared->closing.load() && GetTickCount64() < deadline) {
        WaitForSingleObject(h.shared->event, 10);
    }
    bool dropped = h.shared->closing.load() && h.shared->dropped.load();
    h.shared.reset();
    return dropped;
}

bool WinInetRequest::Finish() {
    if (m_handles->request == nullptr) return true;
    m_handles->shared->dropped.store(false);
    return !CloseRequest(kFinishWaitMs);
}

InternetCall WinInetRequest::Open(const InternetAddress& address, const std::string& headers,
                                  const Credentials* signIn) {
    Handles& h = *m_handles;
    CloseRequest(0);
    if (h.session == nullptr) return Failed(ERROR_INTERNET_INTERNAL_ERROR);
    bool sameServer = h.connection != nullptr && h.server.host == address.host &&
                      h.server.port == address.port && h.server.secure == address.secure;
    if (!sameServer) {
        if (h.connection != nullptr) InternetCloseHandle(h.connection);
        h.connection = InternetConnectA(h.session, address.host.c_str(), address.port, nullptr,
                                        nullptr, INTERNET_SERVICE_HTTP, 0, 0);
        if (h.connection == nullptr) return Failed(GetLastError());
        h.server = address;
    }
    // Redirects are ours to follow, and 401s ours to answer unless the user's
    // credentials for this server are handed to WinINet; nothing is cached,
    // stored or decoded, and certificates are checked (no flag turns that off).
    DWORD flags = INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES |
                  INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD |
                  INTERNET_FLAG_KEEP_CONNECTION;
    if (signIn == nullptr) flags |= INTERNET_FLAG_NO_AUTH;
    if (address.secure) flags |= INTERNET_FLAG_SECURE;
    h.shared.reset(new Shared(h.bufferSize));
    h.shared->holders.fetch_add(1);  // WinINet's, let go with its closing note
    h.request = HttpOpenRequestA(h.connection, "GET", address.path.c_str(), nullptr, nullptr,
                                 nullptr, flags, reinterpret_cast<DWORD_PTR>(h.shared.get()));
    if (h.request == nullptr) {
        DWORD error = GetLastError();
        h.shared.release();  // whether WinINet let go of it is unknown: it is given up
        return Failed(error);
    }
    DWORD limit = h.silenceLimitMs + kTimeoutMarginMs;
    SetTimeout(h.request, INTERNET_OPTION_RECEIVE_TIMEOUT, limit);
    SetTimeout(h.request, INTERNET_OPTION_SEND_TIMEOUT, limit);
    // The body comes as sent, and ContentDecoder undoes its coding: WinINet's
    // own decoding (Wine's, at least) drops the Content-Length and
    // Content-Encoding lines from the head that the framing checks read,
    // and ends a cut gzip stream as if it were whole.
    BOOL off = FALSE;
    InternetSetOptionW(h.request, INTERNET_OPTION_HTTP_DECODING, &off, sizeof off);
    if (signIn != nullptr) {
        InternetSetOptionA(h.request, INTERNET_OPTION_USERNAME,
                           const_cast<char*>(signIn->userName.c_str()),
                           static_cast<DWORD>(signIn->userName.size()));
        InternetSetOptionA(h.request, INTERNET_OPTION_PASSWORD,
                           const_cast<char*>(signIn->password.c_str()),
                           static_cast<DWORD>(signIn->password.size()));
    }
    if (headers.empty()) return {};
    return Outcome(HttpAddRequestHeadersA(h.request, headers.c_str(),
                                          static_cast<DWORD>(headers.size()),
                                          HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE));
}

InternetCall WinInetRequest::Send() {
    if (m_handles->request == nullptr) return Failed(ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    m_handles->shared->completed.store(false);
    return Outcome(HttpSendRequestA(m_handles->request, nullptr, 0, nullptr, 0));
}

InternetCall WinInetRequest::QueryAvailable(unsigned long& bytes) {
    bytes = 0;
    if (m_handles->request == nullptr) return Failed(ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    Shared& shared = *m_handles->shared;
    shared.completed.store(false);
    shared.available = 0;
    InternetCall call =
        Outcome(InternetQueryDataAvailable(m_handles->request, &shared.available, 0, 0));
    bytes = call.state == InternetCall::State::Done ? shared.available : 0;
    return call;
}

InternetCall WinInetRequest::Read() {
    if (m_handles->request == nullptr) return Failed(ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    Shared& shared = *m_handles->shared;
    shared.completed.store(false);
    shared.received = 0;
    // Whatever has arrived, up to the whole buffer, without waiting for more.
    // Not sized by QueryAvailable, which never reports more than WinINet's
    // own small buffer holds, nor by the caller: each call into WinINet
    // costs far more than handing the bytes out in pieces afterwards.
    shared.buffers = {};
    shared.buffers.dwStructSize = sizeof shared.buffers;
    shared.buffers.lpvBuffer = shared.buffer.data();
    shared.buffers.dwBufferLength = static_cast<DWORD>(shared.buffer.size());
    InternetCall call =
        Outcome(InternetReadFileExA(m_handles->request, &shared.buffers, IRF_NO_WAIT, 0));
    if (call.state == InternetCall::State::Done) shared.received = shared.buffers.dwBufferLength;
    return call;
}

const char* WinInetRequest::Received() const {
    return m_handles->shared ? m_handles->shared->buffer.data() : nullptr;
}

unsigned long WinInetRequest::ReceivedSize() const {
    return m_handles->shared ? m_handles->shared->received : 0;
}

bool WinInetRequest::Wait(unsigned long stepMs, InternetCall& call) {
    if (!m_handles->shared) return false;
    Shared& shared = *m_handles->shared;
    if (!shared.completed.load()) WaitForSingleObject(shared.event, stepMs);
    if (!shared.completed.exchange(false)) return false;
    DWORD error = shared.error.load();
    call = shared.result.load() == 0 && error != ERROR_SUCCESS ? Failed(error) : InternetCall{};
    return true;
}

unsigned long WinInetRequest::Status() const {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (m_handles->request == nullptr ||
        !HttpQueryInfoA(m_handles->request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER,
                        &status, &size, nullptr)) {
        return 0;
    }
    return status;
}

std::string WinInetRequest::RawHead() const {
    if (m_handles->request == nullptr) return {};
    DWORD size = 0;
    HttpQueryInfoA(m_handles->request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    std::vector<char> head(size + 1);
    if (!HttpQueryInfoA(m_handles->request, HTTP_QUERY_RAW_HEADERS_CRLF, head.data(), &size,
                        nullptr)) {
        return {};
    }
    return std::string(head.data(), size);
}

std::uint64_t WinInetRequest::Notes() const {
    return m_handles->shared ? m_handles->shared->notes.load() : 0;
}

bool WinInetRequest::Connected() const {
    return m_handles->shared && m_handles->shared->connected.load();
}

}  // namespace net
