// Where the https back ends meet the system's trust: which certificate
// authorities a server's certificate may chain up to.
#pragma once

namespace net {

// A PEM file of authorities trusted besides the system's own, or nullptr:
// the product trusts the system's store alone. Test programs link their own
// definition (tests/support/seams), which names their test authority.
const char* ExtraTrustedAuthorities();

}  // namespace net
