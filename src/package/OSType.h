// Which Windows family's installer package the user needs. Detection asks the
// version query; a manual choice on the operating-system page overrides it.
#pragma once

#include <atomic>

#include "platform/Types.h"

constexpr int OSTYPE_WIN9X = 1;       // Windows 95/98/Me
constexpr int OSTYPE_WINNT = 2;       // Windows NT/2000/XP
constexpr int OSTYPE_AUTODETECT = 3;  // no manual choice: ask the system each time

// The chosen family, or OSTYPE_AUTODETECT. The download worker reads it while
// the user-interface thread may have written it, so every load and store is
// one indivisible access.
extern std::atomic<int> g_nOSType;

// The manual choice if there is one, else the detected family (never stored).
int GetOSType();
// Records a manual choice, or OSTYPE_AUTODETECT to discard it.
void SetOSType(int nType);
