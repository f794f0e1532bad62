#include "platform/net/HttpTransfer.h"

#include "platform/net/curl/TransferBackEnd.h"

namespace net {

namespace {

// Clears the read's target on every way out of Read, so that libcurl never
// writes into a buffer its caller has taken back.
class ReadScope {
  public:
    ReadScope(BodySink& sink, char* buffer, std::size_t size) : m_sink(sink) {
        m_sink.BeginRead(buffer, size);
    }
    ~ReadScope() {
        if (!m_ended) m_sink.EndRead();
    }
    std::size_t End() {
        m_ended = true;
        return m_sink.EndRead();
    }

  private:
    BodySink& m_sink;
    bool m_ended = false;
};

}  // namespace

HttpTransfer::HttpTransfer(const std::string& url, const SessionSettings& settings, bool secure)
    : m_backEnd(std::make_unique<BackEnd>(url, settings, secure, m_control)) {}

HttpTransfer::~HttpTransfer() = default;

void HttpTransfer::SetHeaders(const std::vector<std::string>& lines) {
    std::unique_ptr<curl_slist, BackEnd::ListCleanup> list;
    for (const std::string& line : lines) {
        curl_slist* longer = curl_slist_append(list.get(), line.c_str());
        if (longer == nullptr) throw CInternetException(ERROR_NOT_ENOUGH_MEMORY, "no header list");
        list.release();
        list.reset(longer);
    }
    m_backEnd->SetOption(CURLOPT_HTTPHEADER, list.get());
    m_backEnd->headerList = std::move(list);
}

void HttpTransfer::SetCredentials(const std::string& userName, const std::string& password) {
    BackEnd& backEnd = *m_backEnd;
    // libcurl sends credentials to the first host of a request only, so the
    // request starts where the 401 came from rather than where it began.
    backEnd.nextUrl = backEnd.ResponseUrl();
    backEnd.SetOption(CURLOPT_URL, backEnd.nextUrl.c_str());
    // Digest only where it was offered: the password then never goes in clear.
    backEnd.answeringDigest = backEnd.AnsweredScheme() == SignInScheme::Digest;
    backEnd.SetOption(
        CURLOPT_HTTPAUTH,
        static_cast<long>(backEnd.answeringDigest ? CURLAUTH_DIGEST : CURLAUTH_BASIC));
    backEnd.SetOption(CURLOPT_USERNAME, userName.c_str());
    backEnd.SetOption(CURLOPT_PASSWORD, password.c_str());
}

bool HttpTransfer::Send() {
    BackEnd& backEnd = *m_backEnd;
    m_control.interrupted = false;
    backEnd.Restart();
    for (;;) {
        backEnd.Perform();
        if (backEnd.headersDone || backEnd.done) break;
        if (m_control.CheckInterrupt()) return false;
        backEnd.WaitForData();
    }
    // A failure that came after some of the body is reported by the Read that reaches it.
    if (backEnd.done && backEnd.result != CURLE_OK && backEnd.sink.Spilled() == 0) {
        backEnd.ThrowTransferError();
    }
    return true;
}

long HttpTransfer::Status() const {
    return m_backEnd->Status();
}

const ResponseFraming& HttpTransfer::Framing() const {
    return m_backEnd->framing;
}

std::string HttpTransfer::ResponseUrl() const {
    return m_backEnd->ResponseUrl();
}

bool HttpTransfer::AnswersSignIn() const {
    return m_backEnd->AnsweredScheme().has_value();
}

const std::string& HttpTransfer::Realm() const {
    static const std::string kNone;
    std::optional<SignInScheme> scheme = m_backEnd->AnsweredScheme();
    return scheme ? m_backEnd->offer.Realm(*scheme) : kNone;
}

std::size_t HttpTransfer::Read(char* buffer, std::size_t size) {
    BackEnd& backEnd = *m_backEnd;
    m_control.interrupted = false;
    if (!backEnd.attached) {
        throw CInternetException(ERROR_INTERNET_INCORRECT_HANDLE_STATE, "the request was not sent");
    }
    if (size == 0) return 0;
    ReadScope read(backEnd.sink, buffer, size);
    backEnd.lastActivity = BackEnd::Clock::now();
    for (;;) {
        if (!backEnd.sink.IsFull() && !backEnd.done) {
            backEnd.Resume();
            std::size_t before = backEnd.sink.Received();
            backEnd.Perform();
            // While data keeps coming, take more of it before handing it out.
            if (backEnd.sink.Received() > before) continue;
        }
        // Whatever has arrived is handed out before a failure that followed it.
        if (backEnd.sink.Received() > 0) break;
        if (backEnd.done) {
            if (backEnd.result != CURLE_OK) backEnd.ThrowTransferError();
            break;
        }
        if (m_control.CheckInterrupt()) break;
        backEnd.WaitForData();
    }
    return read.End();
}

}  // namespace net
