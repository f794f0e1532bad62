#include "download/DownloadFile.h"

#include <memory>

#include "download/DownloadHost.h"
#include "download/DownloadPercentage.h"
#include "download/DownloadState.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/net/InternetSession.h"
#include "platform/os/LocalFile.h"

namespace {

constexpr LPCTSTR kAgentName = "Korvane Vessamo Download";
constexpr DWORD_PTR kSessionContext = 1;
constexpr LPCTSTR kAcceptHeader = "Accept: *\r\n";
constexpr UINT kReadSize = 65535;
constexpr std::size_t kBufferSize = 65536;

void ApplyTimeouts(CInternetSession& session, DWORD dwMaxSilenceMs) {
    DownloadTimeouts timeouts = GetDownloadTimeouts();
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, timeouts.connectMs);
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, timeouts.receiveMs);
    // The caller's limit only ever shortens the wait.
    DWORD dwReceiveMs = 0;
    session.QueryOption(INTERNET_OPTION_RECEIVE_TIMEOUT, dwReceiveMs);
    if (dwMaxSilenceMs != 0 && dwMaxSilenceMs < dwReceiveMs) {
        session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, dwMaxSilenceMs);
    }
}

// Sends the request and answers each 401 through the credential prompt
// until the user gives up or another status comes. True for a 2xx status;
// false for any other, for a cancelled prompt and for a cancel while waiting.
bool SendAndAccept(CHttpFile& request) {
    net::Credentials credentials;
    for (;;) {
        if (!request.SendRequest()) return false;
        DWORD status = 0;
        if (!request.QueryInfoStatusCode(status)) return false;
        if (status != HTTP_STATUS_DENIED) return status >= 200 && status <= 299;
        net::CredentialAnswer answer =
            net::AskForCredentials(request.GetCredentialRequest(), credentials);
        if (answer != net::CredentialAnswer::Retry || IsCancelled()) return false;
        request.SetCredentials(credentials);
    }
}

// Streams the body into `file` through one buffer, reporting the percentage
// after every read.
BOOL CopyBody(CHttpFile& request, os::LocalFile& file, ULONGLONG ullContentLength) {
    std::unique_ptr<char[]> buffer(new char[kBufferSize]);
    ULONGLONG ullTotal = 0;
    for (;;) {
        if (IsCancelled()) return FALSE;
        UINT nRead = request.Read(buffer.get(), kReadSize);
        if (nRead == 0 && request.IsInterrupted()) return FALSE;
        if (nRead == 0) {
            if (!file.Close()) return FALSE;
            // The body has ended in full, whether or not its length was known.
            SetProgress(100);
            return TRUE;
        }
        if (!file.Write(buffer.get(), nRead)) return FALSE;
        ullTotal += nRead;
        SetProgress(DownloadPercentage(ullTotal, ullContentLength));
    }
}

}  // namespace

BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DWORD dwMaxSilenceMs) {
    CInternetSession session(kAgentName, kSessionContext, INTERNET_OPEN_TYPE_DIRECT);
    ApplyTimeouts(session, dwMaxSilenceMs);
    CString strServer;
    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER;
    BOOL bSecure = FALSE;
    GetDownloadServer(strServer, nPort, bSecure);
    std::unique_ptr<CHttpConnection> connection = session.GetHttpConnection(strServer, nPort);

    if (IsCancelled()) return FALSE;

    // Only a file that can be opened without access counts as existing.
    os::LocalFile probe = os::LocalFile::Open(pszLocalPath, os::OpenMode::Probe);
    const bool bExisted = probe.IsOpen();
    ULONGLONG ullContentLength = 0;

    DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT | (bSecure ? INTERNET_FLAG_SECURE : 0);
    std::unique_ptr<CHttpFile> request =
        connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, pszObject, dwFlags);
    request->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW, -1);
    request->SetInterruptCheck([] { return IsCancelled() != FALSE; });

    if (!SendAndAccept(*request)) return FALSE;
    if (IsCancelled()) return FALSE;
    request->QueryContentLength(ullContentLength);
    if (IsCancelled()) return FALSE;

    probe.Close();
    os::LocalFile file = os::LocalFile::Open(
        pszLocalPath, bExisted ? os::OpenMode::TruncateExisting : os::OpenMode::CreateNew);
    if (!file.IsOpen()) return FALSE;
    return CopyBody(*request, file, ullContentLength);
}
