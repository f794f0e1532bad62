// Test programs trust the test authority that the build names, whose
// certificates their https hosts serve, besides the system's.
#include "platform/net/TrustedAuthorities.h"

namespace net {

const char* ExtraTrustedAuthorities() {
#ifdef VESSAMO_TEST_CA_FILE
    return VESSAMO_TEST_CA_FILE;
#else
    return nullptr;
#endif
}

}  // namespace net
