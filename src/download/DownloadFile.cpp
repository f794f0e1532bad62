#include "download/DownloadFile.h"

#include <algorithm>
#include <memory>

#include "download/DownloadPercentage.h"
#include "download/DownloadState.h"
#include "download/HostRequest.h"
#include "download/PartialDownload.h"
#include "download/SignatureFetch.h"
#include "platform/net/InternetException.h"

namespace {

using Kind = DownloadOutcome::Kind;

constexpr UINT kReadSize = 65535;
constexpr std::size_t kBufferSize = 65536;
// Until its signature is checked, a signed package is not complete.
constexpr int kUncheckedPercentMax = 99;

BOOL Finish(DownloadOutcome& outcome, Kind kind, DWORD code = 0) {
    outcome.kind = kind;
    outcome.code = code;
    return kind == Kind::Succeeded ? TRUE : FALSE;
}

// What a signed download checks besides the body: the key, and the
// SHA-256 of the bytes as they are written.
struct SignatureDemand {
    const crypto::PublicKey& key;
    crypto::Sha256 hash;
};

// Where the body goes: the file, and the hash when a signature is demanded.
struct BodyTarget {
    CHttpConnection& connection;
    BOOL bSecure;
    LPCTSTR pszObject;
    PartialDownload& file;
    SignatureDemand* demand;
};

// Checks the publisher's signature of the body just written, when one is demanded.
DownloadOutcome CheckBody(BodyTarget& target) {
    if (target.demand == nullptr) return {Kind::Succeeded};
    crypto::Digest digest = target.demand->hash.Finish();
    return CheckSignature(target.connection, target.bSecure, target.pszObject, digest,
                          target.demand->key);
}

// Streams the body into the file through one buffer, reporting the
// percentage after every read, and puts the file in place once the body
// has ended (and, when demanded, its signature verified).
BOOL CopyBody(CHttpFile& request, BodyTarget& target, ULONGLONG ullContentLength,
              DownloadOutcome& outcome) {
    std::unique_ptr<char[]> buffer(new char[kBufferSize]);
    ULONGLONG ullTotal = 0;
    for (;;) {
        if (IsCancelled()) return Finish(outcome, Kind::Cancelled);
        UINT nRead = request.Read(buffer.get(), kReadSize);
        if (nRead == 0 && request.IsInterrupted()) return Finish(outcome, Kind::Cancelled);
        if (nRead == 0) {
            DownloadOutcome checked = CheckBody(target);
            if (checked.kind != Kind::Succeeded) return Finish(outcome, checked.kind, checked.code);
            if (!target.file.Commit()) {
                return Finish(outcome, Kind::LocalFileFailed, target.file.Error());
            }
            outcome.verified = checked.verified;
            // The body has ended in full, whether or not its length was known.
            SetProgress(100);
            return Finish(outcome, Kind::Succeeded);
        }
        if (!target.file.Write(buffer.get(), nRead)) {
            return Finish(outcome, Kind::LocalFileFailed, target.file.Error());
        }
        if (target.demand != nullptr) target.demand->hash.Update(buffer.get(), nRead);
        ullTotal += nRead;
        int nPercent = DownloadPercentage(ullTotal, ullContentLength);
        SetProgress(target.demand ? std::min(nPercent, kUncheckedPercentMax) : nPercent);
    }
}

BOOL Download(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
              SignatureDemand* demand, DWORD dwMaxSilenceMs) {
    std::unique_ptr<CInternetSession> session = OpenDownloadSession(dwMaxSilenceMs);
    BOOL bSecure = FALSE;
    std::unique_ptr<CHttpConnection> connection = ConnectToDownloadHost(*session, bSecure);

    if (IsCancelled()) return Finish(outcome, Kind::Cancelled);
    ULONGLONG ullContentLength = 0;

    std::unique_ptr<CHttpFile> request = OpenHostRequest(*connection, pszObject, bSecure);
    DownloadOutcome answer = SendAndAccept(*request);
    if (answer.kind != Kind::Succeeded) return Finish(outcome, answer.kind, answer.code);
    if (IsCancelled()) return Finish(outcome, Kind::Cancelled);
    request->QueryContentLength(ullContentLength);
    if (IsCancelled()) return Finish(outcome, Kind::Cancelled);

    PartialDownload file(pszLocalPath);
    if (!file.IsOpen()) return Finish(outcome, Kind::LocalFileFailed, file.Error());
    BodyTarget target{*connection, bSecure, pszObject, file, demand};
    return CopyBody(*request, target, ullContentLength, outcome);
}

BOOL DownloadRecorded(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
                      SignatureDemand* demand, DWORD dwMaxSilenceMs) {
    outcome = {};
    try {
        return Download(pszObject, pszLocalPath, outcome, demand, dwMaxSilenceMs);
    } catch (const CInternetException& failure) {
        outcome = {Kind::TransportFailed, failure.GetErrorCode()};
        throw;
    }
}

}  // namespace

BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DWORD dwMaxSilenceMs) {
    DownloadOutcome outcome;
    return DownloadFile(pszObject, pszLocalPath, outcome, dwMaxSilenceMs);
}

BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
                  DWORD dwMaxSilenceMs) {
    return DownloadRecorded(pszObject, pszLocalPath, outcome, nullptr, dwMaxSilenceMs);
}

BOOL DownloadSignedFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, const crypto::PublicKey& key,
                        DownloadOutcome& outcome, DWORD dwMaxSilenceMs) {
    SignatureDemand demand{key, {}};
    return DownloadRecorded(pszObject, pszLocalPath, outcome, &demand, dwMaxSilenceMs);
}
