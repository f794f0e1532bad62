#include "download/DownloadFile.h"

#include <memory>

#include "download/DownloadHost.h"
#include "download/DownloadPercentage.h"
#include "download/DownloadState.h"
#include "download/PartialDownload.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/net/InternetException.h"
#include "platform/net/InternetSession.h"

namespace {

using Kind = DownloadOutcome::Kind;

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

BOOL Finish(DownloadOutcome& outcome, Kind kind, DWORD code = 0) {
    outcome = {kind, code};
    return kind == Kind::Succeeded ? TRUE : FALSE;
}

// Whether a final status other than 401 lets the body be taken. A 206
// answers a range request the wizard never makes: its body is a part only.
DownloadOutcome Accepted(DWORD status) {
    bool whole = status >= 200 && status <= 299 && status != HTTP_STATUS_PARTIAL_CONTENT;
    return whole ? DownloadOutcome{Kind::Succeeded} : DownloadOutcome{Kind::Refused, status};
}

// Sends the request and answers each 401 through the credential prompt
// until the user gives up or another status comes. Succeeded for a 2xx
// status (the body is wanted); otherwise why the download ends here.
DownloadOutcome SendAndAccept(CHttpFile& request) {
    net::Credentials credentials;
    net::CredentialRequest asked;
    for (;;) {
        if (!request.SendRequest()) return {Kind::Cancelled};
        DWORD status = 0;
        if (!request.QueryInfoStatusCode(status)) {
            return {Kind::TransportFailed, ERROR_HTTP_INVALID_SERVER_RESPONSE};
        }
        if (status != HTTP_STATUS_DENIED) return Accepted(status);
        // A host that asks for a sign-in in no scheme this build answers is
        // not sent the password in another one: it is a refusal.
        if (!request.OffersSignIn()) return {Kind::Refused, status};
        net::CredentialRequest asking = request.GetCredentialRequest();
        // Credentials tried on one host and realm are no answer for another:
        // a host reached by a redirect is asked for as if for the first time.
        if (asking.scheme != asked.scheme || asking.host != asked.host ||
            asking.realm != asked.realm) {
            credentials = {};
        }
        asked = asking;
        net::CredentialAnswer answer = net::AskForCredentials(asking, credentials);
        if (IsCancelled()) return {Kind::Cancelled};
        if (answer != net::CredentialAnswer::Retry) return {Kind::SignInCancelled};
        request.SetCredentials(credentials);
    }
}

// Streams the body into `file` through one buffer, reporting the percentage
// after every read, and puts the file in place once the body has ended.
BOOL CopyBody(CHttpFile& request, PartialDownload& file, ULONGLONG ullContentLength,
              DownloadOutcome& outcome) {
    std::unique_ptr<char[]> buffer(new char[kBufferSize]);
    ULONGLONG ullTotal = 0;
    for (;;) {
        if (IsCancelled()) return Finish(outcome, Kind::Cancelled);
        UINT nRead = request.Read(buffer.get(), kReadSize);
        if (nRead == 0 && request.IsInterrupted()) return Finish(outcome, Kind::Cancelled);
        if (nRead == 0) {
            if (!file.Commit()) return Finish(outcome, Kind::LocalFileFailed, file.Error());
            // The body has ended in full, whether or not its length was known.
            SetProgress(100);
            return Finish(outcome, Kind::Succeeded);
        }
        if (!file.Write(buffer.get(), nRead)) {
            return Finish(outcome, Kind::LocalFileFailed, file.Error());
        }
        ullTotal += nRead;
        SetProgress(DownloadPercentage(ullTotal, ullContentLength));
    }
}

BOOL Download(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
              DWORD dwMaxSilenceMs) {
    CInternetSession session(kAgentName, kSessionContext, INTERNET_OPEN_TYPE_DIRECT);
    ApplyTimeouts(session, dwMaxSilenceMs);
    CString strServer;
    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER;
    BOOL bSecure = FALSE;
    GetDownloadServer(strServer, nPort, bSecure);
    std::unique_ptr<CHttpConnection> connection = session.GetHttpConnection(strServer, nPort);

    if (IsCancelled()) return Finish(outcome, Kind::Cancelled);
    ULONGLONG ullContentLength = 0;

    DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT | (bSecure ? INTERNET_FLAG_SECURE : 0);
    std::unique_ptr<CHttpFile> request =
        connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, pszObject, dwFlags);
    request->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW, -1);
    request->SetInterruptCheck([] { return IsCancelled() != FALSE; });

    DownloadOutcome answer = SendAndAccept(*request);
    if (answer.kind != Kind::Succeeded) return Finish(outcome, answer.kind, answer.code);
    if (IsCancelled()) return Finish(outcome, Kind::Cancelled);
    request->QueryContentLength(ullContentLength);
    if (IsCancelled()) return Finish(outcome, Kind::Cancelled);

    PartialDownload file(pszLocalPath);
    if (!file.IsOpen()) return Finish(outcome, Kind::LocalFileFailed, file.Error());
    return CopyBody(*request, file, ullContentLength, outcome);
}

}  // namespace

BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DWORD dwMaxSilenceMs) {
    DownloadOutcome outcome;
    return DownloadFile(pszObject, pszLocalPath, outcome, dwMaxSilenceMs);
}

BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
                  DWORD dwMaxSilenceMs) {
    outcome = {};
    try {
        return Download(pszObject, pszLocalPath, outcome, dwMaxSilenceMs);
    } catch (const CInternetException& failure) {
        outcome = {Kind::TransportFailed, failure.GetErrorCode()};
        throw;
    }
}
