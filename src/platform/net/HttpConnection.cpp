#include "platform/net/HttpConnection.h"

#include <stdexcept>
#include <utility>

CHttpConnection::CHttpConnection(net::SessionSettings settings, CString strServer,
                                 INTERNET_PORT nPort)
    : m_settings(std::move(settings)), m_strServer(std::move(strServer)), m_nPort(nPort) {}

std::unique_ptr<CHttpFile> CHttpConnection::OpenRequest(int nVerb, LPCTSTR pstrObjectName,
                                                        DWORD dwFlags) const {
    if (nVerb != HTTP_VERB_GET) throw std::invalid_argument("only GET requests are supported");
    bool secure = (dwFlags & INTERNET_FLAG_SECURE) != 0;
    return std::unique_ptr<CHttpFile>(new CHttpFile(m_settings, m_strServer, m_nPort,
                                                    pstrObjectName ? pstrObjectName : "", secure));
}
