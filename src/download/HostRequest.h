// What every request of the download routine shares: the session's agent
// and time-outs, the connection to the download host, a GET with its
// Accept header, and the answer to its status, 401 rounds included.
#pragma once

#include <memory>

#include "download/DownloadOutcome.h"
#include "download/DownloadState.h"
#include "platform/net/HttpConnection.h"
#include "platform/net/HttpFile.h"
#include "platform/net/InternetSession.h"

// A session as the download routine opens it, with its time-outs;
// `dwMaxSilenceMs`, when not 0, only ever shortens the receive time-out.
std::unique_ptr<CInternetSession> OpenDownloadSession(DWORD dwMaxSilenceMs);

// The connection to the download host; `bSecure` tells whether it is https.
std::unique_ptr<CHttpConnection> ConnectToDownloadHost(CInternetSession& session, BOOL& bSecure);

// A GET of `pszObject` on `connection`, not yet sent, that `stop`
// interrupts while it waits.
std::unique_ptr<CHttpFile> OpenHostRequest(CHttpConnection& connection, LPCTSTR pszObject,
                                           BOOL bSecure, const StopFlag& stop);

// Sends the request and answers each 401 through the credential prompt
// until the user gives up or another status comes. Succeeded for a whole
// 2xx answer (the body is wanted), and for a 206 when the request asks for
// a range (`bRanged`); otherwise why the request ends here. `stop` ends
// the wait for the user's answer too.
DownloadOutcome SendAndAccept(CHttpFile& request, const StopFlag& stop, BOOL bRanged = FALSE);
