#include "download/HostRequest.h"

#include "download/DownloadHost.h"
#include "download/DownloadState.h"
#include "platform/net/CredentialPrompt.h"

namespace {

using Kind = DownloadOutcome::Kind;

constexpr LPCTSTR kAgentName = "Korvane Vessamo Download";
constexpr DWORD_PTR kSessionContext = 1;
constexpr LPCTSTR kAcceptHeader = "Accept: *\r\n";

// Whether a final status other than 401 lets the body be taken. A 206 is
// a part of the file only, taken only by a request that asked for one.
DownloadOutcome Accepted(DWORD status, BOOL bRanged) {
    bool part = status == HTTP_STATUS_PARTIAL_CONTENT;
    bool taken = status >= 200 && status <= 299 && (!part || bRanged);
    return taken ? DownloadOutcome{Kind::Succeeded} : DownloadOutcome{Kind::Refused, status};
}

}  // namespace

std::unique_ptr<CInternetSession> OpenDownloadSession(DWORD dwMaxSilenceMs) {
    auto session =
        std::make_unique<CInternetSession>(kAgentName, kSessionContext, INTERNET_OPEN_TYPE_DIRECT);
    DownloadTimeouts timeouts = GetDownloadTimeouts();
    session->SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, timeouts.connectMs);
    session->SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, timeouts.receiveMs);
    DWORD dwReceiveMs = 0;
    session->QueryOption(INTERNET_OPTION_RECEIVE_TIMEOUT, dwReceiveMs);
    if (dwMaxSilenceMs != 0 && dwMaxSilenceMs < dwReceiveMs) {
        session->SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, dwMaxSilenceMs);
    }
    return session;
}

std::unique_ptr<CHttpConnection> ConnectToDownloadHost(CInternetSession& session, BOOL& bSecure) {
    CString strServer;
    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER;
    GetDownloadServer(strServer, nPort, bSecure);
    return session.GetHttpConnection(strServer, nPort);
}

std::unique_ptr<CHttpFile> OpenHostRequest(CHttpConnection& connection, LPCTSTR pszObject,
                                           BOOL bSecure, const StopFlag& stop) {
    DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT | (bSecure ? INTERNET_FLAG_SECURE : 0);
    std::unique_ptr<CHttpFile> request =
        connection.OpenRequest(CHttpConnection::HTTP_VERB_GET, pszObject, dwFlags);
    request->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW, -1);
    request->SetInterruptCheck([&stop] { return stop.load() != FALSE; });
    return request;
}

DownloadOutcome SendAndAccept(CHttpFile& request, const StopFlag& stop, BOOL bRanged) {
    net::Credentials credentials;
    net::CredentialRequest asked;
    for (;;) {
        if (!request.SendRequest()) return {Kind::Cancelled};
        DWORD status = 0;
        if (!request.QueryInfoStatusCode(status)) {
            return {Kind::TransportFailed, ERROR_HTTP_INVALID_SERVER_RESPONSE};
        }
        if (status != HTTP_STATUS_DENIED) return Accepted(status, bRanged);
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
        asking.abandoned = [&stop] { return stop.load() != FALSE; };
        net::CredentialAnswer answer = net::AskForCredentials(asking, credentials);
        if (stop.load()) return {Kind::Cancelled};
        if (answer != net::CredentialAnswer::Retry) return {Kind::SignInCancelled};
        request.SetCredentials(credentials);
    }
}
