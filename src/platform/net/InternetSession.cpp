#include "platform/net/InternetSession.h"

#include <stdexcept>

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
    DWORD* option = nullptr;
    if (dwOption == INTERNET_OPTION_CONNECT_TIMEOUT) option = &m_settings.connectTimeoutMs;
    if (dwOption == INTERNET_OPTION_RECEIVE_TIMEOUT) option = &m_settings.receiveTimeoutMs;
    if (option == nullptr) return FALSE;
    if (dwValue != 0) *option = dwValue;
    return TRUE;
}

BOOL CInternetSession::QueryOption(DWORD dwOption, DWORD& dwValue) const {
    if (dwOption == INTERNET_OPTION_CONNECT_TIMEOUT) {
        dwValue = m_settings.connectTimeoutMs;
    } else if (dwOption == INTERNET_OPTION_RECEIVE_TIMEOUT) {
        dwValue = m_settings.receiveTimeoutMs;
    } else {
        return FALSE;
    }
    return TRUE;
}

std::unique_ptr<CHttpConnection> CInternetSession::GetHttpConnection(LPCTSTR pstrServer,
                                                                     INTERNET_PORT nPort) const {
    INTERNET_PORT port = nPort == INTERNET_INVALID_PORT_NUMBER ? INTERNET_DEFAULT_HTTP_PORT : nPort;
    return std::unique_ptr<CHttpConnection>(
        new CHttpConnection(m_settings, pstrServer ? pstrServer : "", port));
}
