#include "platform/net/InternetException.h"

#include <utility>

CInternetException::CInternetException(DWORD dwError, std::string detail)
    : m_dwError(dwError), m_detail(std::move(detail)) {
    if (m_detail.empty()) m_detail = "internet error " + std::to_string(dwError);
}
