// What a session hands down to its connections and requests. Plain values,
// copied, so that a request never depends on the session object's lifetime.
#pragma once

#include <string>

#include "platform/Types.h"

namespace net {

struct SessionSettings {
    std::string agent;           // sent as the User-Agent of every request
    DWORD connectTimeoutMs = 0;  // longest wait for a connection to be made
    DWORD receiveTimeoutMs = 0;  // longest silence of the server while we wait for data
};

}  // namespace net
