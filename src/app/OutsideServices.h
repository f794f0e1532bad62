// The outside services the wizard frame relies on: the vendor's web host
// with the support page, and the shell open (pages/ShellOpenFromPage.h),
// which the pages use as well.
#pragma once

#include "pages/ShellOpenFromPage.h"
#include "platform/CString.h"

// The vendor's web host, fixed when the program is built.
CString GetVendorHost();
// "http://" + the vendor host + "/support/vessamo/installation.php".
CString GetSupportPageAddress();
