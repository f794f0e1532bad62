// The installer package file of each Windows family, as served at the root
// of the download host and stored in the executable's directory.
#pragma once

#include "platform/CString.h"

// "vessamo-w9xen.exe" for OSTYPE_WIN9X, "vessamo-nten.exe" for OSTYPE_WINNT,
// and "" for any other value.
CString GetPackageName(int nType);

// The executable's directory joined with GetPackageName(GetOSType()).
CString GetPackagePath();
