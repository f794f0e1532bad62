// The errno values that the program words its file failures with, for the
// error codes that Windows reports (GetLastError).
#pragma once

namespace os {

// The errno value closest in meaning to Windows error `code`; EIO for a
// code with no closer match, 0 for 0.
int ErrnoFromSystemError(unsigned long code);

// ErrnoFromSystemError of the calling thread's last Windows error.
int LastErrorAsErrno();

}  // namespace os
