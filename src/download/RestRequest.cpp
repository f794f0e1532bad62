#include "download/RestRequest.h"

#include <string>

#include "download/HostRequest.h"

namespace {

using Kind = DownloadOutcome::Kind;

bool IsWeakTag(const CString& tag) {
    return tag.Left(2) == "W/";
}

// Whether the response names the kept file's validator, or none of its kind.
bool KeepsValidator(const CHttpFile& request, const std::string& validator) {
    bool isTag = !validator.empty() && validator.front() == '"';
    CString named;
    if (!request.QueryInfo(isTag ? "ETag" : "Last-Modified", named)) return true;
    return named.str() == validator;
}

// Whether a 206 carries exactly the bytes from N to the end of the file
// whose first N bytes are kept.
bool IsRestOf(const CHttpFile& request, const KeptDownload& kept) {
    ULONGLONG ullKept = kept.Bytes();
    ULONGLONG ullLength = kept.Origin().ullLength;
    if (ullKept >= ullLength) return false;
    std::string expected = "bytes " + std::to_string(ullKept) + "-" +
                           std::to_string(ullLength - 1) + "/" + std::to_string(ullLength);
    CString range;
    ULONGLONG ullBody = 0;
    return request.QueryInfo("Content-Range", range) && range.str() == expected &&
           request.QueryContentLength(ullBody) && ullBody == ullLength - ullKept &&
           !request.IsContentCoded() && KeepsValidator(request, kept.Origin().validator);
}

}  // namespace

DownloadOrigin OriginOf(const CHttpFile& request, LPCTSTR pszObject) {
    DownloadOrigin origin;
    origin.strObject = pszObject;
    CString value;
    if (request.QueryInfo("ETag", value) && !IsWeakTag(value)) {
        origin.validator = value.str();
    } else if (request.QueryInfo("Last-Modified", value)) {
        origin.validator = value.str();
    }
    ULONGLONG ullLength = 0;
    if (!request.IsContentCoded() && request.QueryContentLength(ullLength)) {
        origin.ullLength = ullLength;
    }
    return origin;
}

RestAnswer AskForRest(CHttpFile& request, const KeptDownload& kept, const StopFlag& stop,
                      DownloadOutcome& answer) {
    std::string headers = "Range: bytes=" + std::to_string(kept.Bytes()) +
                          "-\r\nIf-Range: " + kept.Origin().validator + "\r\n";
    request.AddRequestHeaders(headers.c_str(), HTTP_ADDREQ_FLAG_ADD_IF_NEW, -1);
    answer = SendAndAccept(request, stop, TRUE);
    if (answer.kind == Kind::Refused && answer.code == HTTP_STATUS_RANGE_NOT_SATISFIABLE) {
        return RestAnswer::Restart;
    }
    if (answer.kind != Kind::Succeeded) return RestAnswer::Failed;
    DWORD status = 0;
    request.QueryInfoStatusCode(status);
    if (status != HTTP_STATUS_PARTIAL_CONTENT) return RestAnswer::Whole;
    return IsRestOf(request, kept) ? RestAnswer::Rest : RestAnswer::Restart;
}
