#include "download/KeptDownload.h"

void KeptDownload::Keep(const DownloadOrigin& origin, std::unique_ptr<PartialDownload> file,
                        std::unique_ptr<crypto::Sha256> hash) {
    Discard();
    if (!file || file->Size() == 0 || !origin.AllowsResume()) return;
    m_origin = origin;
    m_file = std::move(file);
    m_hash = std::move(hash);
}

bool KeptDownload::CanResume(LPCTSTR pszObject) const {
    return m_file && m_origin.strObject == CString(pszObject);
}

std::unique_ptr<PartialDownload> KeptDownload::TakeFile() {
    m_origin = {};
    return std::move(m_file);
}

void KeptDownload::Discard() {
    m_origin = {};
    m_file.reset();
    m_hash.reset();
}
