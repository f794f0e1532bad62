// Path strings as the wizard builds them: Windows style, either separator
// accepted on input, one chosen separator on output.
#pragma once

#include "platform/CString.h"

// The directory of the running executable, ending with its separator;
// "" when the executable's path cannot be read.
CString GetModuleDirectory();

// `path` up to and including its last '\' or '/'; "" when it has none.
CString GetDirectoryPart(const CString& path);

// PathJoinWithSeparator with the backslash.
CString PathJoin(const CString& dir, const CString& name);

// `dir` and `name` joined by `sep` (not doubled when `name` starts with a
// separator), doubled separators collapsed, every separator made `sep`.
CString PathJoinWithSeparator(const CString& dir, const CString& name, char sep);

// `path` with every '\' and '/' replaced by `sep`.
CString ReplaceSeparators(const CString& path, char sep);
