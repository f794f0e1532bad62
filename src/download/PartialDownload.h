// The file a download is written into until it is complete. It is created
// afresh beside its target, under a name of the wizard's own
// (kPartialDownloadPrefix and random letters), so the target never holds a
// partial download: a cancel, a failure, a crash or a power cut leaves the
// target as it was, and at most a file that a later run recognises as a
// leftover. Commit renames it over the target in one step; otherwise the
// destructor removes it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/CString.h"
#include "platform/os/LocalFile.h"

class PartialDownload {
  public:
    // Creates the file beside `strTargetPath` (a path as the wizard builds
    // it), exclusively and never through a link. Fails, with Error() set,
    // when the target may not be replaced (a folder, a file we may not
    // write) or no file can be created in its folder.
    explicit PartialDownload(const CString& strTargetPath);
    PartialDownload(const PartialDownload&) = delete;
    PartialDownload& operator=(const PartialDownload&) = delete;
    // Removes the file unless it was committed.
    ~PartialDownload();

    bool IsOpen() const { return m_file.IsOpen(); }
    // Appends `size` bytes; false (Error() set) when they could not all be written.
    bool Write(const void* data, std::size_t size);
    // How many bytes were written.
    std::uint64_t Size() const { return m_ullSize; }
    // Flushes the file to the disk, closes it and renames it over the
    // target, replacing a file or link there (never what a link points to).
    // False, with Error() set, when any step failed; the file then goes
    // with this object.
    bool Commit();
    // The errno of the failure, 0 when nothing failed.
    int Error() const { return m_error; }
    // The file's own path while it exists; "" when none was created.
    const CString& Path() const { return m_strPath; }

  private:
    bool Fail(int error);

    CString m_strTarget;
    CString m_strPath;
    os::LocalFile m_file;
    std::uint64_t m_ullSize = 0;
    bool m_bCommitted = false;
    int m_error = 0;
};
