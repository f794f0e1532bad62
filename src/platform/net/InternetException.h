// The one failure the internet classes report: a transport failure (host not
// found, connection refused or reset, a time-out, a broken response), thrown
// out of sending a request and reading its response.
#pragma once

#include <exception>
#include <string>

#include "platform/net/InternetDefs.h"

class CInternetException : public std::exception {
  public:
    // `dwError` is one of the ERROR_ codes of InternetDefs.h; `detail` says
    // what the transport reported, for people reading logs or test output.
    explicit CInternetException(DWORD dwError, std::string detail = {});

    DWORD GetErrorCode() const { return m_dwError; }
    const char* what() const noexcept override { return m_detail.c_str(); }

  private:
    DWORD m_dwError;
    std::string m_detail;
};
