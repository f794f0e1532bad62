// The libcurl side of a CHttpFile: one easy handle driven through its own
// multi handle, so that the caller pulls the body while libcurl pushes it.
// Only this file and its source, with CurlErrors, know libcurl.
#pragma once

#include <curl/curl.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/net/BodySink.h"
#include "platform/net/ResponseFraming.h"
#include "platform/net/SessionSettings.h"
#include "platform/net/SignInOffer.h"

namespace net {

class HttpTransfer {
  public:
    // Near 100 KiB: smaller receive buffers measured clearly slower.
    static constexpr long kReceiveBufferSize = 100 * 1024;
    // The longest step of a wait, so an interrupt check is seen this often.
    static constexpr int kPollStepMs = 100;
    static constexpr long kMaxRedirects = 20;

    // `secure`: `url` is an https address, and the transfer keeps to https.
    HttpTransfer(const std::string& url, const SessionSettings& settings, bool secure);
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;
    ~HttpTransfer();

    // Header lines ("Name: value") for the next Send.
    void SetHeaders(const std::vector<std::string>& lines);
    // Credentials for the next Send, which then goes straight to the server
    // of the last response (the one that asked) and answers its challenge
    // alone, in the scheme that AnswersSignIn found.
    void SetCredentials(const std::string& userName, const std::string& password);
    void SetInterruptCheck(std::function<bool()> check) { m_interruptCheck = std::move(check); }
    // Whether the next Send refuses a 2xx body in a coding that the caller
    // cannot decode (the default), or takes it in any coding.
    void SetDecoding(bool decoding) { m_decoding = decoding; }

    // Starts the request afresh and waits until the final response's status
    // is known and its body is ready; false when the interrupt check stopped the wait.
    bool Send();
    // Status of the final response, 0 before one arrived.
    long Status() const;
    // The announced body length; false when there is none or the body is chunked.
    bool ContentLength(std::uint64_t& length) const;
    // What the final response's head says of its body.
    const ResponseFraming& Framing() const { return m_framing; }
    // The address of the last response: where a redirect led, else the request's own.
    std::string ResponseUrl() const;
    // Whether the final response offered a sign-in that this back end answers
    // with the user's credentials: Digest (preferred) or Basic. libcurl
    // answers Digest itself; Basic goes only to a server that offered it.
    bool AnswersSignIn() const { return AnsweredScheme().has_value(); }
    // Realm of the challenge that SetCredentials would answer, "" when none.
    const std::string& Realm() const;
    // Up to `size` body bytes as they were sent; 0 at the end or when interrupted.
    std::size_t Read(char* buffer, std::size_t size);
    bool WasInterrupted() const { return m_interrupted; }

  private:
    using Clock = std::chrono::steady_clock;

    static std::size_t OnBody(char* data, std::size_t, std::size_t size, void* self);
    static std::size_t OnHeader(char* data, std::size_t, std::size_t size, void* self);
    void OnEndOfHead();
    std::optional<net::SignInScheme> AnsweredScheme() const;

    void Configure(const std::string& url, const SessionSettings& settings, bool secure);
    void ConfigureSecurity(bool secure);
    void Attach();
    void Detach();
    void Perform();
    void Resume();
    bool CheckInterrupt();
    void WaitForData();
    [[noreturn]] void ThrowTransferError() const;

    struct MultiCleanup {
        void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
    };
    struct EasyCleanup {
        void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
    };
    struct ListCleanup {
        void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    };

    template <typename Value>
    void SetOption(CURLoption option, Value value);

    // The multi handle outlives the easy handle, which is removed from it first.
    std::unique_ptr<CURLM, MultiCleanup> m_multi;
    std::unique_ptr<CURL, EasyCleanup> m_easy;
    std::unique_ptr<curl_slist, ListCleanup> m_headerList;
    char m_errorText[CURL_ERROR_SIZE] = {};  // libcurl's own words about the last failure

    BodySink m_sink;
    std::function<bool()> m_interruptCheck;
    std::chrono::milliseconds m_stallLimit;
    Clock::time_point m_lastActivity;

    std::string m_url;               // where the next Send goes
    SignInOffer m_offer;             // of the response being received
    bool m_answeringDigest = false;  // libcurl answers a Digest challenge itself
    bool m_denied = false;           // the last response of this Send was a 401
    ResponseFraming m_framing;       // of the response being received
    bool m_decoding = true;
    std::string m_refusal;  // why its body was refused, "" when it was not
    bool m_attached = false;
    bool m_paused = false;       // libcurl holds a piece we refused
    bool m_discarding = false;   // the response is being dropped
    bool m_redirecting = false;  // the response being received sends us elsewhere
    bool m_headersDone = false;  // the final response's head has arrived
    bool m_done = false;
    CURLcode m_result = CURLE_OK;
    bool m_interrupted = false;
};

}  // namespace net
