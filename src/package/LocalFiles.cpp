#include "package/LocalFiles.h"

#include "platform/os/LocalFile.h"

BOOL FileExists(LPCTSTR path) {
    os::LocalFile probe = os::LocalFile::Open(path, os::OpenMode::Probe);
    return probe.IsOpen() ? TRUE : FALSE;
}

BOOL DeleteLocalFile(LPCTSTR path) {
    return os::DeleteLocalPath(path) ? TRUE : FALSE;
}
