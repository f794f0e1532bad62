#include "download/PartialDownload.h"

#include <errno.h>

#include "package/Paths.h"
#include "package/WizardFiles.h"

PartialDownload::PartialDownload(const CString& strTargetPath) : m_strTarget(strTargetPath) {
    if (int error = os::CheckReplaceable(m_strTarget)) {
        Fail(error);
        return;
    }
    // The name goes straight after the target's directory part, so both
    // paths map to the same folder on disk.
    m_file = CreateWizardFile(GetDirectoryPart(m_strTarget), kPartialDownloadPrefix, m_strPath);
    m_error = m_file.IsOpen() ? 0 : m_file.Error();
}

PartialDownload::~PartialDownload() {
    m_file.Close();
    if (!m_bCommitted && !m_strPath.IsEmpty()) os::DeleteLocalPath(m_strPath);
}

bool PartialDownload::Fail(int error) {
    m_error = error;
    return false;
}

bool PartialDownload::Write(const void* data, std::size_t size) {
    if (!m_file.Write(data, size)) return Fail(m_file.Error());
    m_ullSize += size;
    return true;
}

bool PartialDownload::Commit() {
    if (!m_file.IsOpen()) return Fail(m_error != 0 ? m_error : EBADF);
    // Synced before the rename: after a power cut the target holds the old
    // file or the whole new one, never a renamed empty one.
    if (!m_file.Sync() || !m_file.Close()) return Fail(m_file.Error());
    if (int error = os::RenameLocalPath(m_strPath, m_strTarget)) return Fail(error);
    m_bCommitted = true;
    return true;
}
