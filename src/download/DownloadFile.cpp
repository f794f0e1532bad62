#include "download/DownloadFile.h"

#include <algorithm>
#include <memory>

#include "download/DownloadPercentage.h"
#include "download/DownloadState.h"
#include "download/HostRequest.h"
#include "download/RestRequest.h"
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

// The file a body goes into, and where in the whole file the body starts.
struct BodyTarget {
    DownloadOrigin origin;
    std::unique_ptr<PartialDownload> file;
    std::unique_ptr<crypto::Sha256> hash;  // of the file's bytes, when a signature is demanded
    ULONGLONG ullLength = 0;               // of the whole file, for the percentage; 0 when unknown
};

// What the request was, for the signature that follows the body, and what stops it.
struct Source {
    CHttpConnection& connection;
    BOOL bSecure;
    LPCTSTR pszObject;
    const crypto::PublicKey* key;
    const StopFlag& stop;
};

int Percentage(const BodyTarget& target) {
    int nPercent = DownloadPercentage(target.file->Size(), target.ullLength);
    return target.hash ? std::min(nPercent, kUncheckedPercentMax) : nPercent;
}

// Streams the body into the file through one buffer, reporting the
// percentage after every read. Succeeded once the body has ended.
Kind CopyBody(CHttpFile& request, const Source& source, BodyTarget& target,
              DownloadOutcome& outcome) {
    std::unique_ptr<char[]> buffer(new char[kBufferSize]);
    for (;;) {
        if (source.stop.load()) return Kind::Cancelled;
        UINT nRead = request.Read(buffer.get(), kReadSize);
        if (nRead == 0) return request.IsInterrupted() ? Kind::Cancelled : Kind::Succeeded;
        if (!target.file->Write(buffer.get(), nRead)) {
            outcome.code = static_cast<DWORD>(target.file->Error());
            return Kind::LocalFileFailed;
        }
        if (target.hash) target.hash->Update(buffer.get(), nRead);
        SetProgress(Percentage(target));
    }
}

// Checks the publisher's signature of the whole file, when one is
// demanded, and puts the file in place.
BOOL FinishBody(const Source& source, BodyTarget& target, DownloadOutcome& outcome) {
    DownloadOutcome checked{Kind::Succeeded};
    if (source.key != nullptr) {
        checked = CheckSignature(source.connection, source.bSecure, source.pszObject,
                                 target.hash->Finish(), *source.key, source.stop);
    }
    if (checked.kind != Kind::Succeeded) return Finish(outcome, checked.kind, checked.code);
    if (!target.file->Commit()) {
        return Finish(outcome, Kind::LocalFileFailed, target.file->Error());
    }
    outcome.verified = checked.verified;
    // The body has ended in full, whether or not its length was known.
    SetProgress(100);
    return Finish(outcome, Kind::Succeeded);
}

// Takes the body into the target. A transport failure while it arrives
// leaves the bytes so far in `kept`, when their rest may be asked for.
BOOL TakeBody(CHttpFile& request, const Source& source, BodyTarget& target, KeptDownload& kept,
              DownloadOutcome& outcome) {
    Kind kind = Kind::NotFinished;
    try {
        kind = CopyBody(request, source, target, outcome);
    } catch (const CInternetException&) {
        kept.Keep(target.origin, std::move(target.file), std::move(target.hash));
        throw;
    }
    if (kind != Kind::Succeeded) return Finish(outcome, kind, outcome.code);
    return FinishBody(source, target, outcome);
}

// A target for the whole body of `request`'s answer, from byte zero.
Kind StartAfresh(const CHttpFile& request, const Source& source, LPCTSTR pszLocalPath,
                 BodyTarget& target, DownloadOutcome& outcome) {
    target.origin = OriginOf(request, source.pszObject);
    request.QueryContentLength(target.ullLength);
    target.file = std::make_unique<PartialDownload>(pszLocalPath);
    if (!target.file->IsOpen()) {
        outcome.code = static_cast<DWORD>(target.file->Error());
        return Kind::LocalFileFailed;
    }
    if (source.key != nullptr) target.hash = std::make_unique<crypto::Sha256>();
    return Kind::Succeeded;
}

// Asks for the rest of the kept bytes. Returns the request whose body is
// to be taken, with `target` set when it continues the kept file; null
// when the download must ask plainly, or has ended (`outcome` then says how).
std::unique_ptr<CHttpFile> Resume(const Source& source, KeptDownload& kept, BodyTarget& target,
                                  DownloadOutcome& outcome, BOOL& bEnded) {
    std::unique_ptr<CHttpFile> request =
        OpenHostRequest(source.connection, source.pszObject, source.bSecure, source.stop);
    RestAnswer answer = AskForRest(*request, kept, source.stop, outcome);
    if (answer == RestAnswer::Rest) {
        target.origin = kept.Origin();
        target.ullLength = target.origin.ullLength;
        target.hash = kept.TakeHash();
        target.file = kept.TakeFile();
        SetProgress(Percentage(target));
        return request;
    }
    kept.Discard();
    if (answer == RestAnswer::Whole) return request;
    bEnded = answer == RestAnswer::Failed;
    return nullptr;
}

// What a download is given besides where the file goes.
struct Order {
    const crypto::PublicKey* key;
    KeptDownload& kept;
    const StopFlag& stop;
    DWORD dwMaxSilenceMs;
};

BOOL Download(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
              const Order& order) {
    std::unique_ptr<CInternetSession> session = OpenDownloadSession(order.dwMaxSilenceMs);
    BOOL bSecure = FALSE;
    std::unique_ptr<CHttpConnection> connection = ConnectToDownloadHost(*session, bSecure);
    Source source{*connection, bSecure, pszObject, order.key, order.stop};
    KeptDownload& kept = order.kept;
    if (order.stop.load()) return Finish(outcome, Kind::Cancelled);

    // Bytes kept without their hash cannot be part of a signed file.
    if (!kept.CanResume(pszObject) || (order.key != nullptr && !kept.HasHash())) kept.Discard();
    BodyTarget target;
    std::unique_ptr<CHttpFile> request;
    if (kept.CanResume(pszObject)) {
        BOOL bEnded = FALSE;
        request = Resume(source, kept, target, outcome, bEnded);
        if (bEnded) return Finish(outcome, outcome.kind, outcome.code);
    }
    if (!request) {
        request = OpenHostRequest(*connection, pszObject, bSecure, order.stop);
        DownloadOutcome answer = SendAndAccept(*request, order.stop);
        if (answer.kind != Kind::Succeeded) return Finish(outcome, answer.kind, answer.code);
    }
    if (order.stop.load()) return Finish(outcome, Kind::Cancelled);
    if (!target.file) {
        Kind started = StartAfresh(*request, source, pszLocalPath, target, outcome);
        if (started != Kind::Succeeded) return Finish(outcome, started, outcome.code);
    }
    return TakeBody(*request, source, target, kept, outcome);
}

BOOL DownloadRecorded(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
                      const Order& order) {
    outcome = {};
    try {
        return Download(pszObject, pszLocalPath, outcome, order);
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
    KeptDownload none;
    return DownloadRecorded(pszObject, pszLocalPath, outcome,
                            {nullptr, none, g_bCancel, dwMaxSilenceMs});
}

BOOL DownloadSignedFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, const crypto::PublicKey& key,
                        DownloadOutcome& outcome, DWORD dwMaxSilenceMs) {
    KeptDownload none;
    return DownloadRecorded(pszObject, pszLocalPath, outcome,
                            {&key, none, g_bCancel, dwMaxSilenceMs});
}

BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, const crypto::PublicKey* key,
                  DownloadOutcome& outcome, KeptDownload& kept, DWORD dwMaxSilenceMs) {
    return DownloadRecorded(pszObject, pszLocalPath, outcome,
                            {key, kept, g_bCancel, dwMaxSilenceMs});
}
