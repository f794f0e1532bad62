#include "download/DownloadFailureText.h"

#include <errno.h>

#include <cstdio>

#include "platform/net/InternetDefs.h"

namespace {

struct CodeText {
    DWORD code;
    const char* text;
};

// The standard reason phrases of the statuses a download host may refuse with.
constexpr CodeText kStatusPhrases[] = {
    {100, "Continue"},
    {101, "Switching Protocols"},
    {206, "Partial Content"},
    {300, "Multiple Choices"},
    {301, "Moved Permanently"},
    {302, "Found"},
    {303, "See Other"},
    {304, "Not Modified"},
    {305, "Use Proxy"},
    {307, "Temporary Redirect"},
    {308, "Permanent Redirect"},
    {400, "Bad Request"},
    {401, "Unauthorized"},
    {402, "Payment Required"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {406, "Not Acceptable"},
    {407, "Proxy Authentication Required"},
    {408, "Request Timeout"},
    {409, "Conflict"},
    {410, "Gone"},
    {411, "Length Required"},
    {412, "Precondition Failed"},
    {413, "Content Too Large"},
    {414, "URI Too Long"},
    {415, "Unsupported Media Type"},
    {416, "Range Not Satisfiable"},
    {417, "Expectation Failed"},
    {421, "Misdirected Request"},
    {422, "Unprocessable Content"},
    {425, "Too Early"},
    {426, "Upgrade Required"},
    {428, "Precondition Required"},
    {429, "Too Many Requests"},
    {431, "Request Header Fields Too Large"},
    {451, "Unavailable For Legal Reasons"},
    {500, "Internal Server Error"},
    {501, "Not Implemented"},
    {502, "Bad Gateway"},
    {503, "Service Unavailable"},
    {504, "Gateway Timeout"},
    {505, "HTTP Version Not Supported"},
    {507, "Insufficient Storage"},
    {511, "Network Authentication Required"},
};

constexpr CodeText kTransportTexts[] = {
    {ERROR_NOT_ENOUGH_MEMORY, "the computer ran out of memory"},
    {ERROR_INTERNET_TIMEOUT, "the download host did not answer in time"},
    {ERROR_INTERNET_NAME_NOT_RESOLVED, "the download host's name could not be found"},
    {ERROR_INTERNET_CANNOT_CONNECT, "cannot connect to the download host"},
    {ERROR_INTERNET_CONNECTION_ABORTED, "the connection to the download host broke"},
    {ERROR_INTERNET_CONNECTION_RESET, "the connection to the download host broke"},
    {ERROR_HTTP_INVALID_SERVER_RESPONSE, "the download host sent an answer that cannot be used"},
    {ERROR_HTTP_REDIRECT_FAILED,
     "the download host sent the wizard to an address it cannot follow"},
    {ERROR_INTERNET_SECURITY_CHANNEL_ERROR,
     "the download host's certificate could not be verified"},
};

const char* Find(const CodeText* begin, const CodeText* end, DWORD code) {
    for (const CodeText* entry = begin; entry != end; ++entry) {
        if (entry->code == code) return entry->text;
    }
    return nullptr;
}

template <std::size_t N>
const char* Find(const CodeText (&table)[N], DWORD code) {
    return Find(table, table + N, code);
}

CString WithNumber(const char* format, DWORD code) {
    char text[96];
    std::snprintf(text, sizeof text, format, static_cast<unsigned long>(code));
    return text;
}

CString DescribeStatus(DWORD status) {
    const char* phrase = Find(kStatusPhrases, status);
    if (phrase == nullptr) return WithNumber("the server answered status %lu", status);
    return WithNumber("the server answered %lu ", status) + phrase;
}

CString DescribeTransport(DWORD error) {
    const char* text = Find(kTransportTexts, error);
    return text != nullptr ? CString(text) : WithNumber("a network error occurred (%lu)", error);
}

CString DescribeLocalFile(DWORD error) {
    switch (error) {
        case ENOSPC:
            return "the disk is full";
        case EFBIG:
            return "the file is larger than this system allows";
        case EACCES:
        case EPERM:
        case EROFS:
        case ENOENT:
        case ENOTDIR:
            return "the folder cannot be written";
        case EISDIR:
        case EEXIST:
            return "something else already has the package's name in the folder";
        case EIO:
            return "the disk reported an error";
        default:
            return WithNumber("the file could not be written (error %lu)", error);
    }
}

}  // namespace

CString DescribeDownloadFailure(const DownloadOutcome& outcome) {
    switch (outcome.kind) {
        case DownloadOutcome::Kind::Refused:
            return DescribeStatus(outcome.code);
        case DownloadOutcome::Kind::SignInCancelled:
            return "the sign-in was cancelled";
        case DownloadOutcome::Kind::TransportFailed:
            return DescribeTransport(outcome.code);
        case DownloadOutcome::Kind::LocalFileFailed:
            return DescribeLocalFile(outcome.code);
        case DownloadOutcome::Kind::Unsigned:
            return "it is not signed by the publisher, so it was deleted";
        case DownloadOutcome::Kind::NotFinished:
        case DownloadOutcome::Kind::Succeeded:
        case DownloadOutcome::Kind::Cancelled:
            break;
    }
    return "";
}
