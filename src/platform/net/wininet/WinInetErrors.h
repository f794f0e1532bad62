// WinINet's failures in the terms of the internet classes.
#pragma once

namespace net {

// The ERROR_ code of InternetDefs.h for `error`, a code that WinINet
// reported: WinINet's own numbers are those same numbers, the socket
// failures it passes on are given theirs, and every way a certificate or
// TLS can fail is ERROR_INTERNET_SECURITY_CHANNEL_ERROR.
unsigned long InternetErrorFromWinInet(unsigned long error);

}  // namespace net
