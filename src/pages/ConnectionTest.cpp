#include "pages/ConnectionTest.h"

#include <random>

#include "download/DownloadFile.h"
#include "package/LocalFiles.h"
#include "package/Paths.h"
#include "package/WizardFiles.h"
#include "platform/net/InternetException.h"
#include "platform/os/LocalFile.h"

namespace {

constexpr const char* kTestObject = "index.html";
// A name is taken only by a file already there; a directory that refuses
// new files refuses every name, so a few tries are enough.
constexpr int kNameAttempts = 16;

CString RandomSuffix(std::mt19937& generator) {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kAlphabet) - 2);
    CString suffix;
    for (int i = 0; i < kWizardFileSuffixLength; ++i) suffix += kAlphabet[pick(generator)];
    return suffix;
}

// An empty file of our own in `directory`, created under a name nobody else
// had, and deleted again with this object.
class ScratchFile {
  public:
    explicit ScratchFile(const CString& directory) {
        std::random_device seed;
        std::mt19937 generator(seed());
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            CString path = PathJoin(directory, kConnectionTestPrefix + RandomSuffix(generator));
            os::LocalFile file = os::LocalFile::Open(path, os::OpenMode::CreateNew);
            if (!file.IsOpen()) continue;
            m_path = path;
            file.Close();
            return;
        }
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        if (!m_path.IsEmpty()) DeleteLocalFile(m_path);
    }

    BOOL IsCreated() const { return !m_path.IsEmpty(); }
    const CString& Path() const { return m_path; }

  private:
    CString m_path;
};

}  // namespace

BOOL TestDirectConnection() {
    // The download writes into a file it finds in place (truncating it), so
    // the scratch file exists before the request is made.
    ScratchFile scratch(GetModuleDirectory());
    if (!scratch.IsCreated()) return FALSE;
    try {
        return DownloadFile(kTestObject, scratch.Path());
    } catch (const CInternetException&) {
        return FALSE;
    }
}
