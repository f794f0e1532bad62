// The sign-in side of the TestHost: the 401 that a protected reply sends,
// and whether a request's Authorization answers it.
#pragma once

#include "support/TestHostReply.h"
#include "support/TestHostRequest.h"

namespace testing_support {

// The 401 with a challenge for each scheme that `auth` offers.
HttpReply Unauthorized(const HostAuth& auth);
// Whether `request` carries `auth`'s credentials in an offered scheme: Basic
// as BasicCredentials makes it, Digest with the right response for this host's
// nonce, the request's method and the address it names.
bool Authorized(const RecordedRequest& request, const HostAuth& auth);

}  // namespace testing_support
