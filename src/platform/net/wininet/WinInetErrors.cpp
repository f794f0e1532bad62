#include "WinInetErrors.h"

#include <windows.h>
#include <wininet.h>

namespace net {

unsigned long InternetErrorFromWinInet(unsigned long error) {
    switch (error) {
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_INTERNET_TIMEOUT:
        case ERROR_INTERNET_INVALID_URL:
        case ERROR_INTERNET_NAME_NOT_RESOLVED:
        case ERROR_INTERNET_INCORRECT_HANDLE_STATE:
        case ERROR_INTERNET_CANNOT_CONNECT:
        case ERROR_INTERNET_CONNECTION_ABORTED:
        case ERROR_INTERNET_CONNECTION_RESET:
        case ERROR_HTTP_INVALID_SERVER_RESPONSE:
        case ERROR_HTTP_REDIRECT_FAILED:
        case ERROR_INTERNET_SECURITY_CHANNEL_ERROR:
            return error;
        case ERROR_INTERNET_SERVER_UNREACHABLE:
        case WSAECONNREFUSED:
            return ERROR_INTERNET_CANNOT_CONNECT;
        // WinINet passes on some socket failures as they are.
        case WSAECONNRESET:
            return ERROR_INTERNET_CONNECTION_RESET;
        case WSAECONNABORTED:
            return ERROR_INTERNET_CONNECTION_ABORTED;
        case WSAETIMEDOUT:
            return ERROR_INTERNET_TIMEOUT;
        case ERROR_INTERNET_INVALID_CA:
        case ERROR_INTERNET_SEC_CERT_CN_INVALID:
        case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
        case ERROR_INTERNET_SEC_CERT_ERRORS:
        case ERROR_INTERNET_SEC_CERT_NO_REV:
        case ERROR_INTERNET_SEC_CERT_REV_FAILED:
        case ERROR_INTERNET_SEC_CERT_REVOKED:
        case ERROR_INTERNET_SEC_INVALID_CERT:
        case ERROR_INTERNET_CLIENT_AUTH_CERT_NEEDED:
            return ERROR_INTERNET_SECURITY_CHANNEL_ERROR;
        default:
            return ERROR_INTERNET_INTERNAL_ERROR;
    }
}

}  // namespace net
