// Scalar types of the platform API that the wizard is written against.
// They keep the widths and meanings the wizard relies on: BOOL is a 32-bit
// truth value, the message parameters are pointer-sized, and a window handle
// is an opaque pointer-sized value whose null value means "no window".
#pragma once

#include <cstdint>

using BOOL = std::int32_t;
// The same types as the Windows headers', so that the two agree where a
// Windows back end sees both.
#ifdef _WIN32
using DWORD = unsigned long;
#else
using DWORD = std::uint32_t;
#endif
using UINT = unsigned int;
using LPCTSTR = const char*;
using LPVOID = void*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using HWND = struct HWND__*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
