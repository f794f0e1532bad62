#include "package/Paths.h"

#include "platform/os/ModulePath.h"

namespace {

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

// Deletes the first character of each occurrence of `pair` until none is
// left. Collapsing one pair at a time, in a fixed order, makes the result
// of a mixed run such as "/\/" depend on that order; callers rely on it.
void CollapsePair(CString& path, const char* pair) {
    for (int at = path.Find(pair); at >= 0; at = path.Find(pair)) path.Delete(at);
}

}  // namespace

CString GetModuleDirectory() {
    // A failed query yields an empty path, and so an empty directory.
    return GetDirectoryPart(os::GetModuleFileName());
}

CString GetDirectoryPart(const CString& path) {
    for (int at = path.GetLength() - 1; at >= 0; --at) {
        if (IsSeparator(path.GetAt(at))) return path.Left(at + 1);
    }
    return "";
}

CString PathJoin(const CString& dir, const CString& name) {
    return PathJoinWithSeparator(dir, name, '\\');
}

CString PathJoinWithSeparator(const CString& dir, const CString& name, char sep) {
    CString joined = dir;
    if (name.IsEmpty() || !IsSeparator(name.GetAt(0))) joined += sep;
    joined += name;
    for (const char* pair : {"\\\\", "//", "\\/", "/\\"}) CollapsePair(joined, pair);
    return ReplaceSeparators(joined, sep);
}

CString ReplaceSeparators(const CString& path, char sep) {
    CString result = path;
    result.Replace('\\', sep);
    result.Replace('/', sep);
    return result;
}
