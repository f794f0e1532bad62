// The shell's open verb as the wizard uses it, on the sheet (Help) and on
// the pages (the package's address, the downloaded installer).
#pragma once

#include <cstdint>

#include "platform/CString.h"

// Opens `target` with the shell's "open" verb: no owner window, empty
// parameters, the executable's directory as the working directory, show
// command SW_HIDE. An address goes to the web browser; a bare file name is
// found in the executable's directory and started. Nobody waits for it.
// Returns ShellExecute's result: above 32 when started, else an
// os::SE_ERR_* value (only the installer's start is checked; addresses
// are handed to the browser without looking).
std::intptr_t ShellOpen(const CString& target);
