// The download host, fixed when the product is built ("host", "host:port",
// "https://host" or "https://host:port"), and how the download routine
// reaches it. GetDownloadHost and GetDownloadTimeouts are the one point
// through which the routine learns its host: the product answers them in
// DownloadHost.cpp, and test programs link definitions of their own that
// point the routine at a host of the test's, with shorter time-outs.
#pragma once

#include "platform/CString.h"
#include "platform/net/InternetDefs.h"

// Time-outs for the download routine's session, in milliseconds; 0 keeps
// the session's own (see CInternetSession).
struct DownloadTimeouts {
    DWORD connectMs = 0;
    DWORD receiveMs = 0;
};

// The download host as built in, scheme included when it names one.
CString GetDownloadHost();

// GetDownloadHost() split into a server name and a port, and whether it is
// reached over https: an "https://" prefix, in any case, says so; an
// "http://" one, or none, means plain http. Without a port the port is 0
// (INTERNET_INVALID_PORT_NUMBER, meaning 80) for http and INTERNET_DEFAULT_HTTPS_PORT for https. A
// bracketed IPv6 address loses its brackets.
void GetDownloadServer(CString& strServer, INTERNET_PORT& nPort, BOOL& bSecure);

// The address of the download host's root as a browser takes it,
// "http://host[:port]" or "https://host[:port]", without the closing slash.
CString GetDownloadAddress();

// Splits "host", "host:port", "[v6]" or "[v6]:port" as GetDownloadServer
// does; FALSE (and `strServer` the whole text, port 0) when the port is not a
// number from 1 to 65535.
BOOL SplitHostAndPort(const CString& strHost, CString& strServer, INTERNET_PORT& nPort);

// The time-outs of the download routine's session: the session's own.
DownloadTimeouts GetDownloadTimeouts();
