// Scalar types of the platform API that the wizard is written against.
// They keep the widths and meanings the wizard relies on: BOOL is a 32-bit
// truth value, the message parameters are pointer-sized, and a window handle
// is an opaque pointer-sized value whose null value means "no window".
#pragma once

#include <cstdint>
#include <type_traits>

using BOOL = std::int32_t;
// The same types as the Windows headers', so that the two agree where a
// Windows back end sees both.
#ifdef _WIN32
using DWORD = unsigned long;
// LONG_PTR: a long on 32-bit Windows, where intptr_t is an int.
using LPARAM = std::conditional_t<sizeof(void*) == sizeof(long), long, long long>;
#else
using DWORD = std::uint32_t;
using LPARAM = std::intptr_t;
#endif
using UINT = unsigned int;
using LPCTSTR = const char*;
using LPVOID = void*;
using WPARAM = std::uintptr_t;
using LRESULT = LPARAM;
using HWND = struct HWND__*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
