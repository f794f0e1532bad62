// The libcurl side of an HttpTransfer: one easy handle driven through its
// own multi handle, so that the caller pulls the body while libcurl pushes
// it. Only this folder knows libcurl.
#pragma once

#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/net/BodySink.h"
#include "platform/net/HttpTransfer.h"
#include "platform/net/InternetException.h"
#include "platform/net/SignInOffer.h"

namespace net {

struct HttpTransfer::BackEnd {
    using Clock = std::chrono::steady_clock;
    // The longest step of a wait, so an interrupt check is seen this often.
    static constexpr int kPollStepMs = 100;

    BackEnd(const std::string& url, const SessionSettings& settings, bool secure, Control& caller);
    BackEnd(const BackEnd&) = delete;
    BackEnd& operator=(const BackEnd&) = delete;
    ~BackEnd();

    template <typename Value>
    void SetOption(CURLoption option, Value value) {
        CURLcode code = curl_easy_setopt(easy.get(), option, value);
        if (code != CURLE_OK) {
            throw CInternetException(ERROR_INTERNET_INTERNAL_ERROR, curl_easy_strerror(code));
        }
    }
    // Forgets the last response and hands the handle to the multi handle again.
    void Restart();
    // Lets libcurl do what it can without waiting; notes the end of the transfer.
    void Perform();
    // Lets libcurl hand on the piece it holds for us, if it holds one.
    void Resume();
    // Waits one poll step at most for the socket; throws once the server
    // has been silent for the session's limit.
    void WaitForData();
    [[noreturn]] void ThrowTransferError() const;
    long Status() const;
    std::string ResponseUrl() const;
    // The scheme that SetCredentials answers of what the last response offered.
    std::optional<SignInScheme> AnsweredScheme() const;

    Control& control;

    struct MultiCleanup {
        void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
    };
    struct EasyCleanup {
        void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    };
    struct ListCleanup {
        void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    };
    // The multi handle outlives the easy handle, which is removed from it first.
    std::unique_ptr<CURLM, MultiCleanup> multi;
    std::unique_ptr<CURL, EasyCleanup> easy;
    std::unique_ptr<curl_slist, ListCleanup> headerList;
    char errorText[CURL_ERROR_SIZE] = {};  // libcurl's own words about the last failure

    BodySink sink;
    std::chrono::milliseconds stallLimit;
    Clock::time_point lastActivity;

    std::string nextUrl;           // where the next Send goes
    SignInOffer offer;             // of the response being received
    bool answeringDigest = false;  // libcurl answers a Digest challenge itself
    bool denied = false;           // the last response of this Send was a 401
    ResponseFraming framing;       // of the response being received
    std::string refusal;           // why its body was refused, "" when it was not
    bool attached = false;
    bool paused = false;       // libcurl holds a piece we refused
    bool discarding = false;   // the response is being dropped
    bool redirecting = false;  // the response being received sends us elsewhere
    bool headersDone = false;  // the final response's head has arrived
    bool done = false;
    CURLcode result = CURLE_OK;

  private:
    static std::size_t OnBody(char* data, std::size_t, std::size_t size, void* self);
    static std::size_t OnHeader(char* data, std::size_t, std::size_t size, void* self);
    void OnEndOfHead();
    void Configure(const SessionSettings& settings, bool secure);
    void ConfigureSecurity(bool secure);
    void Detach();
};

}  // namespace net
