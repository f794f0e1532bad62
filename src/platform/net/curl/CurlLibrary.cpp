// libcurl, loaded on first use rather than at exec.
//
// libcurl brings a long chain of libraries with it (TLS, HTTP/2, IDN, LDAP,
// Kerberos, SSH). Linked the usual way, the dynamic loader maps and
// relocates all of them before the wizard can open its window, although the
// first request comes only after the user presses Next. This file provides
// the few libcurl functions the internet classes call and forwards each to
// the real one, found with dlopen the first time any of them is called.
// When libcurl cannot be loaded, every call fails the way libcurl reports
// failure, so a download ends in a CInternetException.
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>
#include <mutex>

namespace {

struct CurlFunctions {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_easy_pause) easyPause = nullptr;
    decltype(&curl_easy_strerror) easyStrerror = nullptr;
    decltype(&curl_multi_init) multiInit = nullptr;
    decltype(&curl_multi_cleanup) multiCleanup = nullptr;
    decltype(&curl_multi_add_handle) multiAddHandle = nullptr;
    decltype(&curl_multi_remove_handle) multiRemoveHandle = nullptr;
    decltype(&curl_multi_perform) multiPerform = nullptr;
    decltype(&curl_multi_poll) multiPoll = nullptr;
    decltype(&curl_multi_info_read) multiInfoRead = nullptr;
    decltype(&curl_multi_strerror) multiStrerror = nullptr;
    decltype(&curl_slist_append) slistAppend = nullptr;
    decltype(&curl_slist_free_all) slistFreeAll = nullptr;
    bool complete = false;
};

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

CurlFunctions Load() {
    CurlFunctions f;
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return f;
    f.complete = Find(library, "curl_global_init", f.globalInit) &&
                 Find(library, "curl_easy_init", f.easyInit) &&
                 Find(library, "curl_easy_cleanup", f.easyCleanup) &&
                 Find(library, "curl_easy_setopt", f.easySetopt) &&
                 Find(library, "curl_easy_getinfo", f.easyGetinfo) &&
                 Find(library, "curl_easy_pause", f.easyPause) &&
                 Find(library, "curl_easy_strerror", f.easyStrerror) &&
                 Find(library, "curl_multi_init", f.multiInit) &&
                 Find(library, "curl_multi_cleanup", f.multiCleanup) &&
                 Find(library, "curl_multi_add_handle", f.multiAddHandle) &&
                 Find(library, "curl_multi_remove_handle", f.multiRemoveHandle) &&
                 Find(library, "curl_multi_perform", f.multiPerform) &&
                 Find(library, "curl_multi_poll", f.multiPoll) &&
                 Find(library, "curl_multi_info_read", f.multiInfoRead) &&
                 Find(library, "curl_multi_strerror", f.multiStrerror) &&
                 Find(library, "curl_slist_append", f.slistAppend) &&
                 Find(library, "curl_slist_free_all", f.slistFreeAll);
    // The library stays loaded for the rest of the run.
    return f;
}

const CurlFunctions& Curl() {
    static const CurlFunctions functions = Load();
    return functions;
}

constexpr const char* kNotLoaded = "libcurl could not be loaded";

}  // namespace

extern "C" {

CURLcode curl_global_init(long flags) {
    return Curl().complete ? Curl().globalInit(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
    return Curl().complete ? Curl().easyInit() : nullptr;
}

void curl_easy_cleanup(CURL* handle) {
    if (Curl().complete) Curl().easyCleanup(handle);
}

// Every option takes one argument whose type follows from the option's
// number: long, an object or function pointer, or a curl_off_t.
CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
    if (!Curl().complete) return CURLE_FAILED_INIT;
    va_list args;
    va_start(args, option);
    CURLcode code = CURLE_OK;
    if (option < CURLOPTTYPE_OBJECTPOINT) {
        code = Curl().easySetopt(handle, option, va_arg(args, long));
    } else if (option < CURLOPTTYPE_OFF_T) {
        code = Curl().easySetopt(handle, option, va_arg(args, void*));
    } else if (option < CURLOPTTYPE_BLOB) {
        code = Curl().easySetopt(handle, option, va_arg(args, curl_off_t));
    } else {
        code = Curl().easySetopt(handle, option, va_arg(args, void*));
    }
    va_end(args);
    return code;
}

// Every query takes a pointer to where the answer goes.
CURLcode curl_easy_getinfo(CURL* handle, CURLINFO info, ...) {
    if (!Curl().complete) return CURLE_FAILED_INIT;
    va_list args;
    va_start(args, info);
    CURLcode code = Curl().easyGetinfo(handle, info, va_arg(args, void*));
    va_end(args);
    return code;
}

CURLcode curl_easy_pause(CURL* handle, int bitmask) {
    return Curl().complete ? Curl().easyPause(handle, bitmask) : CURLE_FAILED_INIT;
}

const char* curl_easy_strerror(CURLcode code) {
    return Curl().complete ? Curl().easyStrerror(code) : kNotLoaded;
}

CURLM* curl_multi_init() {
    return Curl().complete ? Curl().multiInit() : nullptr;
}

CURLMcode curl_multi_cleanup(CURLM* multi) {
    return Curl().complete ? Curl().multiCleanup(multi) : CURLM_INTERNAL_ERROR;
}

CURLMcode curl_multi_add_handle(CURLM* multi, CURL* handle) {
    return Curl().complete ? Curl().multiAddHandle(multi, handle) : CURLM_INTERNAL_ERROR;
}

CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* handle) {
    return Curl().complete ? Curl().multiRemoveHandle(multi, handle) : CURLM_INTERNAL_ERROR;
}

CURLMcode curl_multi_perform(CURLM* multi, int* running) {
    return Curl().complete ? Curl().multiPerform(multi, running) : CURLM_INTERNAL_ERROR;
}

CURLMcode curl_multi_poll(CURLM* multi, struct curl_waitfd extra[], unsigned int count,
                          int timeoutMs, int* ready) {
    return Curl().complete ? Curl().multiPoll(multi, extra, count, timeoutMs, ready)
                           : CURLM_INTERNAL_ERROR;
}

CURLMsg* curl_multi_info_read(CURLM* multi, int* left) {
    return Curl().complete ? Curl().multiInfoRead(multi, left) : nullptr;
}

const char* curl_multi_strerror(CURLMcode code) {
    return Curl().complete ? Curl().multiStrerror(code) : kNotLoaded;
}

struct curl_slist* curl_slist_append(struct curl_slist* list, const char* text) {
    return Curl().complete ? Curl().slistAppend(list, text) : nullptr;
}

void curl_slist_free_all(struct curl_slist* list) {
    if (Curl().complete) Curl().slistFreeAll(list);
}

}  // extern "C"
