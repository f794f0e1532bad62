// How libcurl's failures read as the error codes of CInternetException.
#pragma once

#include <curl/curl.h>

#include "platform/net/InternetDefs.h"

namespace net {

// The ERROR_ code for a failed transfer's result; `following` tells that
// the failure came while following a redirect (to a scheme we refuse, say).
DWORD InternetErrorFromCurl(CURLcode code, bool following);

}  // namespace net
