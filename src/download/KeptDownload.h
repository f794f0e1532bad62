// What a broken package download leaves for the next press of Download in
// the same run: its partial file, still open and never under the
// package's name, and what a request for the rest must name so that the
// server sends the rest of the same file or the whole file anew.
#pragma once

#include <memory>
#include <string>

#include "download/PartialDownload.h"
#include "platform/CString.h"
#include "platform/crypto/Sha256.h"
#include "platform/net/InternetDefs.h"

// Where a body came from, as far as a later range request needs to know.
struct DownloadOrigin {
    CString strObject;        // the object asked for
    std::string validator;    // for If-Range: a strong ETag, else a Last-Modified; "" for none
    ULONGLONG ullLength = 0;  // the whole file's length; 0 when unknown

    // Whether the rest of such a body may be asked for: only a body whose
    // file has a strong validator and a known length.
    bool AllowsResume() const { return !validator.empty() && ullLength != 0; }
};

class KeptDownload {
  public:
    KeptDownload() = default;
    KeptDownload(KeptDownload&&) = default;
    KeptDownload& operator=(KeptDownload&&) = default;
    // Removes the partial file, if one is kept.
    ~KeptDownload() = default;

    // Keeps `file` and the SHA-256 of its bytes so far (`hash`, null when
    // no signature is checked) for a later request of the rest. Nothing is
    // kept, and the file goes, when it holds no byte or `origin` does not
    // allow resuming.
    void Keep(const DownloadOrigin& origin, std::unique_ptr<PartialDownload> file,
              std::unique_ptr<crypto::Sha256> hash);
    // Whether bytes of `pszObject` are kept and their rest may be asked for.
    bool CanResume(LPCTSTR pszObject) const;
    // How many bytes are kept; 0 when none are.
    ULONGLONG Bytes() const { return m_file ? m_file->Size() : 0; }
    // Whether the SHA-256 of the kept bytes is kept with them.
    bool HasHash() const { return m_hash != nullptr; }
    const DownloadOrigin& Origin() const { return m_origin; }

    // Hand the kept hash and then the kept file to the download that
    // continues them; nothing is kept once both are taken.
    std::unique_ptr<crypto::Sha256> TakeHash() { return std::move(m_hash); }
    std::unique_ptr<PartialDownload> TakeFile();
    // Removes the kept file and forgets everything.
    void Discard();

  private:
    DownloadOrigin m_origin;
    std::unique_ptr<PartialDownload> m_file;
    std::unique_ptr<crypto::Sha256> m_hash;
};
