#include "download/SignatureFetch.h"

#include <string>

#include "download/HostRequest.h"
#include "platform/net/InternetException.h"

namespace {

using Kind = DownloadOutcome::Kind;

constexpr DWORD kStatusNotFound = 404;
constexpr DWORD kStatusGone = 410;

// Reads the whole body, but never more than one byte past the limit.
DownloadOutcome ReadSignature(CHttpFile& request, std::string& signature) {
    ULONGLONG ullLength = 0;
    if (request.QueryContentLength(ullLength) && ullLength > crypto::kMaxSignatureSize) {
        return {Kind::Unsigned};
    }
    char buffer[crypto::kMaxSignatureSize + 1];
    for (;;) {
        UINT nWanted = static_cast<UINT>(sizeof buffer - signature.size());
        UINT nRead = request.Read(buffer, nWanted);
        if (nRead == 0 && request.IsInterrupted()) return {Kind::Cancelled};
        if (nRead == 0) return {Kind::Succeeded};
        signature.append(buffer, nRead);
        if (signature.size() > crypto::kMaxSignatureSize) return {Kind::Unsigned};
    }
}

}  // namespace

DownloadOutcome CheckSignature(CHttpConnection& connection, BOOL bSecure, LPCTSTR pszObject,
                               const crypto::Digest& digest, const crypto::PublicKey& key,
                               const StopFlag& stop) {
    CString strObject = CString(pszObject) + ".sig";
    std::unique_ptr<CHttpFile> request = OpenHostRequest(connection, strObject, bSecure, stop);
    DownloadOutcome answer = SendAndAccept(*request, stop);
    if (answer.kind == Kind::Refused &&
        (answer.code == kStatusNotFound || answer.code == kStatusGone)) {
        return {Kind::Unsigned};
    }
    if (answer.kind != Kind::Succeeded) return answer;
    std::string signature;
    DownloadOutcome read = ReadSignature(*request, signature);
    if (read.kind != Kind::Succeeded) return read;
    if (!crypto::VerifySignature(key, digest, signature)) return {Kind::Unsigned};
    DownloadOutcome verified{Kind::Succeeded};
    verified.verified = digest;
    return verified;
}

DownloadOutcome CheckPublishedSignature(LPCTSTR pszObject, const crypto::Digest& digest,
                                        const crypto::PublicKey& key, DWORD dwMaxSilenceMs) {
    // The page waits for the answer; no cancel reaches the check.
    StopFlag never{FALSE};
    try {
        std::unique_ptr<CInternetSession> session = OpenDownloadSession(dwMaxSilenceMs);
        BOOL bSecure = FALSE;
        std::unique_ptr<CHttpConnection> connection = ConnectToDownloadHost(*session, bSecure);
        return CheckSignature(*connection, bSecure, pszObject, digest, key, never);
    } catch (const CInternetException& failure) {
        return {Kind::TransportFailed, failure.GetErrorCode()};
    }
}
