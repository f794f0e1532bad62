// What WinINet's account of a response head (the status line and the header
// lines, as HTTP_QUERY_RAW_HEADERS_CRLF gives them) tells a transfer before
// it takes any byte of the body.
#pragma once

#include <string>

#include "platform/net/ResponseFraming.h"
#include "platform/net/SignInOffer.h"

namespace net {

struct ResponseHead {
    // Why WinINet's account of the head cannot be trusted, "" when it can.
    std::string fault;
    ResponseFraming framing;
    SignInOffer offer;     // the challenges of a 401
    std::string location;  // "" when there is none
    // HTTP/1.1 without "Connection: close": WinINet keeps the connection
    // after a body that it read to its proper end.
    bool keepsConnection = false;
};

// Reads `raw`, each line ended by CR LF.
ResponseHead ReadResponseHead(const std::string& raw);

}  // namespace net
