#include "download/DownloadWorker.h"

#include <exception>

#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "package/OSType.h"
#include "package/PackageName.h"

namespace {

// TRUE when the whole package is in its file. A transport failure, or
// anything else thrown on the way, is a failed download like a FALSE result
// (DownloadFile has recorded a transport failure in the job's outcome): an exception
// must never end the process from this thread.
BOOL DownloadPackage(DownloadJob& job) {
    CString strObject = GetPackageName(GetOSType());
    CString strLocalPath = GetPackagePath();
    try {
        return DownloadFile(strObject, strLocalPath, job.key, job.outcome, job.kept);
    } catch (const std::exception&) {
        return FALSE;
    }
}

}  // namespace

DWORD DownloadThreadProc(LPVOID pParam) {
    DownloadJob spare;
    DownloadJob& job = pParam != nullptr ? *static_cast<DownloadJob*>(pParam) : spare;
    // The flag was cleared before this thread started and only a cancel or a
    // failure sets it, so a success leaves it alone: writing FALSE here could
    // overwrite a cancel that arrived during the last read, and the page would
    // then wait for a poller that never sees it.
    if (!DownloadPackage(job)) SetCancelled(TRUE);
    return 0;
}
