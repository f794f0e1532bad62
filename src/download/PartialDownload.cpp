#include "download/PartialDownload.h"

#include <errno.h>

#include <random>

#include "package/Paths.h"
#include "package/WizardFiles.h"

namespace {

// Another file under a drawn name is the only reason to draw again; a
// folder that refuses new files refuses every name.
constexpr int kNameAttempts = 16;

CString RandomName(std::mt19937& generator) {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kAlphabet) - 2);
    CString name = kPartialDownloadPrefix;
    for (int i = 0; i < kWizardFileSuffixLength; ++i) name += kAlphabet[pick(generator)];
    return name;
}

}  // namespace

PartialDownload::PartialDownload(const CString& strTargetPath) : m_strTarget(strTargetPath) {
    if (int error = os::CheckReplaceable(m_strTarget)) {
        Fail(error);
        return;
    }
    std::random_device seed;
    std::mt19937 generator(seed());
    // The name goes straight after the target's directory part, so both
    // paths map to the same folder on disk.
    CString strDirectory = GetDirectoryPart(m_strTarget);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        CString strPath = strDirectory + RandomName(generator);
        m_file = os::LocalFile::Open(strPath, os::OpenMode::CreateNew);
        if (m_file.IsOpen()) {
            m_strPath = strPath;
            m_error = 0;
            return;
        }
        m_error = m_file.Error();
        if (m_error != EEXIST) return;
    }
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
    return m_file.Write(data, size) || Fail(m_file.Error());
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
