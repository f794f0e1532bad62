// One HTTP request and its response, read like a file.
//
// The request is sent by SendRequest, which returns once the status of the
// final response is known (redirects to http and https are followed, to
// https only for a secure request) and before any byte of its body has been
// handed out. Read then pulls the body in pieces. Waits are cut into steps
// of at most 100 ms, so an interrupt check (a cancel flag, say) is seen while
// the server is silent, and a server that stays silent for the receive
// time-out fails the request.
//
// Transport failures throw CInternetException, and so does a response whose
// head leaves the body's length in doubt or whose 2xx body comes in a
// content coding that cannot be undone (br, a stack of codings, ...): no
// byte of such a body is handed out. A gzip or deflate body is decoded, and
// a corrupt or cut one fails the Read that reaches the fault. Credentials, when set, go to the
// server that asked for them only, in a scheme it offered: Basic (where the password goes in clear)
// only to a server that offered Basic.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/net/InternetDefs.h"
#include "platform/net/SessionSettings.h"

namespace net {
class ContentDecoder;
class HttpTransfer;
}  // namespace net

class CHttpFile {
  public:
    CHttpFile(const CHttpFile&) = delete;
    CHttpFile& operator=(const CHttpFile&) = delete;
    ~CHttpFile();

    // Adds "Name: value" lines, separated by CR LF, to the request headers.
    // `dwHeadersLen` -1 means the text is null-terminated. With
    // HTTP_ADDREQ_FLAG_ADD_IF_NEW a header whose name is already present is
    // not added (and the result is FALSE); HTTP_ADDREQ_FLAG_REPLACE replaces
    // it. FALSE for a line that is not a header.
    BOOL AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW,
                           int dwHeadersLen = -1);

    // Sends the request, or sends it again (after new credentials, say), and
    // waits for the final response's status. FALSE when the interrupt check
    // stopped the wait; throws CInternetException on a transport failure.
    BOOL SendRequest();

    // The status code of the response; FALSE before one was received.
    BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;
    // The length of the response body as the server announced it; FALSE
    // when it announced none (a chunked body, one that ends at the close),
    // and for a body that Read decodes, whose announced length counts
    // coded bytes rather than the bytes Read hands out.
    BOOL QueryContentLength(ULONGLONG& ullLength) const;
    // The value of the final response's header `pszName` ("ETag"), trimmed;
    // FALSE when the response has none.
    BOOL QueryInfo(LPCTSTR pszName, CString& strValue) const;
    // Whether the final response's body comes in a content coding (decoded
    // by Read or not): a Range would count coded bytes, not those that Read
    // hands out, so such a body is never to be resumed.
    BOOL IsContentCoded() const;
    // Whether the next SendRequest decodes a gzip or deflate body and
    // refuses a 2xx body in any other coding (TRUE, the default), or hands
    // the body out as sent, whatever its coding (FALSE): for a caller that
    // only needs to know that a whole body arrives.
    void SetContentDecoding(BOOL bDecode);

    // Up to `nCount` bytes of the body into `lpBuf`: whatever has arrived,
    // waiting only while nothing has. 0 at the end of the body, or when the
    // interrupt check stopped the wait (IsInterrupted then tells). A body
    // that ends short of its announced length, a reset, or a silence beyond
    // the receive time-out throws CInternetException.
    UINT Read(void* lpBuf, UINT nCount);

    // Ends the request; later calls throw CInternetException. Also done on destruction.
    void Close();

    // A check made at every step of a wait; true stops the wait. Called on
    // the thread that waits; set it before SendRequest.
    void SetInterruptCheck(std::function<bool()> check);
    // Whether the last SendRequest or Read was stopped by the interrupt check.
    BOOL IsInterrupted() const;

    // Who asks for credentials after a 401: the server of the response that
    // carried it (where redirects led) and the realm of the challenge that
    // the credentials would answer.
    net::CredentialRequest GetCredentialRequest() const;
    // Whether the 401 offered a sign-in scheme that this build answers with
    // the user's credentials (README: "Signing in"); without one there is
    // nothing to ask the user for.
    BOOL OffersSignIn() const;
    // Credentials for the next SendRequest, which goes straight to the server
    // that asked for them (GetCredentialRequest) and sends them to it only.
    void SetCredentials(const net::Credentials& credentials);

    const CString& GetObject() const { return m_strObject; }

  private:
    friend class CHttpConnection;
    CHttpFile(const net::SessionSettings& settings, const CString& strServer, INTERNET_PORT nPort,
              const CString& strObject, bool bSecure);

    net::HttpTransfer& Transfer() const;
    bool AddHeaderLine(const std::string& line, DWORD dwFlags);

    CString m_strObject;
    std::vector<std::string> m_headers;
    std::unique_ptr<net::HttpTransfer> m_transfer;  // null once closed
    // Both back ends hand out the body as it was sent; its coding is undone
    // here, once for both.
    bool m_bDecoding = true;
    std::unique_ptr<net::ContentDecoder> m_decoder;  // of the final response's coded body
};
