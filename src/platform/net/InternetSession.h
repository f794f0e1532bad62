// An internet session: the agent name and the time-outs shared by all the
// requests made through it. Connections are always direct: proxy settings of
// the environment are ignored.
#pragma once

#include <memory>

#include "platform/CString.h"
#include "platform/net/HttpConnection.h"
#include "platform/net/InternetDefs.h"

class CInternetSession {
  public:
    // Time-outs the session starts with, close to those of the desktop
    // platforms: a connection that cannot be made in 30 s, or a server that
    // stays silent for 60 s while we wait, fails the request.
    static constexpr DWORD kDefaultConnectTimeoutMs = 30000;
    static constexpr DWORD kDefaultReceiveTimeoutMs = 60000;

    // `pstrAgent` is sent as the User-Agent. Only INTERNET_OPEN_TYPE_DIRECT
    // is supported; anything else throws std::invalid_argument.
    explicit CInternetSession(LPCTSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = INTERNET_OPEN_TYPE_DIRECT);

    // Sets INTERNET_OPTION_CONNECT_TIMEOUT or INTERNET_OPTION_RECEIVE_TIMEOUT
    // (milliseconds, 0 keeps the current value) for requests opened later;
    // FALSE for any other option.
    BOOL SetOption(DWORD dwOption, DWORD dwValue);
    // The current value of one of those options; FALSE for any other option.
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;

    // A connection to `pstrServer` (a host name or address) on `nPort`;
    // port 0 means the default HTTP port 80. Nothing is sent yet.
    std::unique_ptr<CHttpConnection> GetHttpConnection(
        LPCTSTR pstrServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER) const;

    DWORD_PTR GetContext() const { return m_dwContext; }

  private:
    net::SessionSettings m_settings;
    DWORD_PTR m_dwContext;
};
