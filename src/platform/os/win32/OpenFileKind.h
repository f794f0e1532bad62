// What an open Windows file is, in the terms the wizard's file rules use.
#pragma once

namespace os {

// 0 when the file open on Windows handle `handle` is a regular file (no
// link or other reparse point, no folder, no device), with one name only
// when `refuseSecondName`. Otherwise the errno that says why not: EISDIR
// for a folder, EMLINK for a second name, EEXIST for anything else, or the
// error of the query itself.
int OpenFileKindError(void* handle, bool refuseSecondName);

// The attributes of what is at `path` (a system path), not following a
// link at its end; false when nothing can be read there.
bool PathAttributes(const wchar_t* path, unsigned long& attributes);

// Whether `attributes` describe a folder or a link (a reparse point).
bool IsFolder(unsigned long attributes);
bool IsLink(unsigned long attributes);

}  // namespace os
