// A connection to one HTTP server, from which requests are opened.
#pragma once

#include <memory>

#include "platform/CString.h"
#include "platform/net/HttpFile.h"
#include "platform/net/InternetDefs.h"
#include "platform/net/SessionSettings.h"

class CHttpConnection {
  public:
    enum { HTTP_VERB_GET = 1 };

    // A request for `pstrObjectName` on this server: a bare name ("index.html")
    // or a path ("/dir/file") names that object at the root of the server.
    // Only HTTP_VERB_GET exists; another verb throws std::invalid_argument.
    // With INTERNET_FLAG_SECURE in `dwFlags` the request is made over https.
    std::unique_ptr<CHttpFile> OpenRequest(int nVerb, LPCTSTR pstrObjectName,
                                           DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT) const;

    const CString& GetServerName() const { return m_strServer; }
    INTERNET_PORT GetPort() const { return m_nPort; }

  private:
    friend class CInternetSession;
    CHttpConnection(net::SessionSettings settings, CString strServer, INTERNET_PORT nPort);

    net::SessionSettings m_settings;
    CString m_strServer;
    INTERNET_PORT m_nPort;
};
