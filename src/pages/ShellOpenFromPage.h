// The shell's open verb as the wizard uses it, on the sheet (Help) and on
// the pages (the package's address, the downloaded installer).
#pragma once

#include "platform/CString.h"

// Opens `target` with the shell's "open" verb: no owner window, empty
// parameters, the executable's directory as the working directory, show
// command SW_HIDE. An address goes to the web browser; a bare file name is
// found in the executable's directory and started. Nobody waits for it and
// the result is not looked at.
void ShellOpen(const CString& target);
