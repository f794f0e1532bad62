#include "download/HostProbe.h"

#include <memory>

#include "download/DownloadState.h"
#include "download/HostRequest.h"

namespace {

constexpr UINT kReadSize = 65535;

}  // namespace

BOOL FetchAsSent(LPCTSTR pszObject, os::LocalFile& file, const StopFlag& stop,
                 DWORD dwMaxSilenceMs) {
    std::unique_ptr<CInternetSession> session = OpenDownloadSession(dwMaxSilenceMs);
    BOOL bSecure = FALSE;
    std::unique_ptr<CHttpConnection> connection = ConnectToDownloadHost(*session, bSecure);
    if (stop.load()) return FALSE;

    std::unique_ptr<CHttpFile> request = OpenHostRequest(*connection, pszObject, bSecure, stop);
    request->SetContentDecoding(FALSE);
    if (SendAndAccept(*request, stop).kind != DownloadOutcome::Kind::Succeeded) return FALSE;

    std::unique_ptr<char[]> buffer(new char[kReadSize]);
    for (;;) {
        if (stop.load()) return FALSE;
        UINT nRead = request->Read(buffer.get(), kReadSize);
        if (nRead == 0) return request->IsInterrupted() ? FALSE : TRUE;
        if (!file.Write(buffer.get(), nRead)) return FALSE;
    }
}
