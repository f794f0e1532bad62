#include "platform/net/HttpFile.h"

#include <cctype>
#include <cstring>
#include <optional>

#include "platform/net/ContentDecoder.h"
#include "platform/net/HttpTransfer.h"
#include "platform/net/InternetException.h"
#include "platform/net/UrlServer.h"

namespace {

std::string HeaderName(const std::string& line) {
    std::string name = line.substr(0, line.find(':'));
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return name;
}

bool IsHeaderLine(const std::string& line) {
    std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        unsigned char ch = static_cast<unsigned char>(line[i]);
        if (ch <= ' ' || ch >= 0x7F) return false;
    }
    return line.find_first_of("\r\n") == std::string::npos;
}

// `server` as a URL or a Host header names it: an IPv6 address, the only
// name with a colon, in brackets.
std::string BracketedHost(const CString& server) {
    return server.Find(':') >= 0 ? "[" + server.str() + "]" : server.str();
}

// The address of `object` on the server, with the bytes that cannot stand
// in a URL path written as %XX.
std::string RequestUrl(bool secure, const CString& server, INTERNET_PORT port,
                       const CString& object) {
    std::string url = (secure ? "https://" : "http://") + BracketedHost(server);
    url += ":" + std::to_string(port);
    const std::string& name = object.str();
    if (name.empty() || name[0] != '/') url += '/';
    static const char kHex[] = "0123456789ABCDEF";
    for (char ch : name) {
        unsigned char byte = static_cast<unsigned char>(ch);
        if (byte <= ' ' || byte >= 0x7F || byte == '#') {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0xF];
        } else {
            url += ch;
        }
    }
    return url;
}

}  // namespace

CHttpFile::CHttpFile(const net::SessionSettings& settings, const CString& strServer,
                     INTERNET_PORT nPort, const CString& strObject, bool bSecure)
    : m_strObject(strObject),
      m_transfer(std::make_unique<net::HttpTransfer>(
          RequestUrl(bSecure, strServer, nPort, strObject), settings, bSecure)) {}

CHttpFile::~CHttpFile() = default;

net::HttpTransfer& CHttpFile::Transfer() const {
    if (!m_transfer) {
        throw CInternetException(ERROR_INTERNET_INCORRECT_HANDLE_STATE, "the request is closed");
    }
    return *m_transfer;
}

BOOL CHttpFile::AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags, int dwHeadersLen) {
    if (pstrHeaders == nullptr) return FALSE;
    std::size_t length =
        dwHeadersLen < 0 ? std::strlen(pstrHeaders) : static_cast<std::size_t>(dwHeadersLen);
    std::string text(pstrHeaders, length);
    BOOL allAdded = TRUE;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 2;
        if (line.empty()) continue;
        if (!AddHeaderLine(line, dwFlags)) allAdded = FALSE;
    }
    Transfer().SetHeaders(m_headers);
    return allAdded;
}

bool CHttpFile::AddHeaderLine(const std::string& line, DWORD dwFlags) {
    if (!IsHeaderLine(line)) return false;
    std::string name = HeaderName(line);
    for (std::string& existing : m_headers) {
        if (HeaderName(existing) != name) continue;
        if ((dwFlags & HTTP_ADDREQ_FLAG_REPLACE) == 0) return false;
        existing = line;
        return true;
    }
    m_headers.push_back(line);
    return true;
}

BOOL CHttpFile::SendRequest() {
    m_decoder.reset();
    if (!Transfer().Send()) return FALSE;
    std::string coding = Transfer().Framing().ContentCoding();
    if (m_bDecoding && net::ContentDecoder::Decodes(coding)) {
        m_decoder = std::make_unique<net::ContentDecoder>(coding);
    }
    return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const {
    long status = Transfer().Status();
    if (status <= 0) return FALSE;
    dwStatusCode = static_cast<DWORD>(status);
    return TRUE;
}

BOOL CHttpFile::QueryContentLength(ULONGLONG& ullLength) const {
    return !m_decoder && Transfer().ContentLength(ullLength) ? TRUE : FALSE;
}

BOOL CHttpFile::QueryInfo(LPCTSTR pszName, CString& strValue) const {
    std::string field = Transfer().Framing().Field(std::string(pszName) + ":");
    if (field.empty()) return FALSE;
    strValue = CString(field.c_str());
    return TRUE;
}

BOOL CHttpFile::IsContentCoded() const {
    return Transfer().Framing().ContentCoding().empty() ? FALSE : TRUE;
}

void CHttpFile::SetContentDecoding(BOOL bDecode) {
    m_bDecoding = bDecode != FALSE;
    Transfer().SetDecoding(m_bDecoding);
}

UINT CHttpFile::Read(void* lpBuf, UINT nCount) {
    net::HttpTransfer& transfer = Transfer();
    char* buffer = static_cast<char*>(lpBuf);
    if (!m_decoder) return static_cast<UINT>(transfer.Read(buffer, nCount));
    auto readCoded = [&transfer](char* coded, std::size_t count) -> std::optional<std::size_t> {
        std::size_t got = transfer.Read(coded, count);
        if (got == 0 && transfer.WasInterrupted()) return std::nullopt;
        return got;
    };
    return static_cast<UINT>(m_decoder->Read(buffer, nCount, readCoded));
}

void CHttpFile::Close() {
    m_transfer.reset();
}

void CHttpFile::SetInterruptCheck(std::function<bool()> check) {
    Transfer().SetInterruptCheck(std::move(check));
}

BOOL CHttpFile::IsInterrupted() const {
    return m_transfer && m_transfer->WasInterrupted() ? TRUE : FALSE;
}

net::CredentialRequest CHttpFile::GetCredentialRequest() const {
    net::CredentialRequest request;
    net::SplitServer(Transfer().ResponseUrl(), request.scheme, request.host);
    request.realm = Transfer().Realm();
    return request;
}

BOOL CHttpFile::OffersSignIn() const {
    return Transfer().AnswersSignIn() ? TRUE : FALSE;
}

void CHttpFile::SetCredentials(const net::Credentials& credentials) {
    Transfer().SetCredentials(credentials.userName, credentials.password);
}
