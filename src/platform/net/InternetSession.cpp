#include "platform/net/InternetSession.h"

#include <stdexcept>

namespace {

// The settings field that holds session option `dwOption`, or nullptr for
// an option the session does not have.
DWORD net::SessionSettings::*OptionField(DWORD dwOption) {
    if (dwOption == INTERNET_OPTION_CONNECT_TIMEOUT) return &net::SessionSettings::connectTimeoutMs;
    if (dwOption == INTERNET_OPTION_RECEIVE_TIMEOUT) return &net::SessionSettings::receiveTimeoutMs;
    return nullptr;
}

}  // namespace

CInternetSession::CInternetSession(LPCTSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType)
    : m_dwContext(dwContext) {
    if (dwAccessType != INTERNET_OPEN_TYPE_DIRECT) {
        throw std::invalid_argument("only direct internet connections are supported");
    }
    m_settings.agent = pstrAgent ? pstrAgent : "";
    m_settings.connectTimeoutMs = kDefaultConnectTimeoutMs;
    m_settings.receiveTimeoutMs = kDefaultReceiveTimeoutMs;
}

BOOL CInternetSession::SetOption(DWORD dwOption, DWORD dwValue) {
    DWORD net::SessionSettings::*field = OptionField(dwOption);
    if (field == nullptr) return FALSE;
    if (dwValue != 0) m_settings.*field = dwValue;
    return TRUE;
}

BOOL CInternetSession::QueryOption(DWORD dwOption, DWORD& dwValue) const {
    DWORD net::SessionSettings::*field = OptionField(dwOption);
    if (field == nullptr) return FALSE;
    dwValue = m_settings.*field;
    return TRUE;
}

std::unique_ptr<CHttpConnection> CInternetSession::GetHttpConnection(LPCTSTR pstrServer,
                                                                     INTERNET_PORT nPort) const {
    INTERNET_PORT port = nPort == INTERNET_INVALID_PORT_NUMBER ? INTERNET_DEFAULT_HTTP_PORT : nPort;
    return std::unique_ptr<CHttpConnection>(
        new CHttpConnection(m_settings, pstrServer ? pstrServer : "", port));
}
