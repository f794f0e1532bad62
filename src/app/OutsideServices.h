// The outside services the wizard frame relies on: the vendor's web host
// with the support page, and the shell open every page uses.
#pragma once

#include "platform/CString.h"

// The vendor's web host, fixed when the program is built.
CString GetVendorHost();
// "http://" + the vendor host + "/support/vessamo/installation.php".
CString GetSupportPageAddress();
// The shell's open verb on `target`, with the executable's directory as the
// working directory; the result is not looked at.
void ShellOpen(const CString& target);
