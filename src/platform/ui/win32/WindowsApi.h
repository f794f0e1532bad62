// The Windows headers, for the renderer's files that call Windows. They
// define macros (WS_POPUP, LOGFONT, CreateFontIndirect, ...) that clash
// with the model's names, so they must follow every model header: include
// this file last (its name sorts it after the renderer's other headers).
// The model's LOGFONT and LONG cannot share a file with them at all.
#pragma once

#include <windows.h>
// After windows.h, on which it builds.
#include <commctrl.h>
