#include "pages/PackageVerification.h"

#include "download/SignatureFetch.h"
#include "package/LocalFiles.h"
#include "package/OSType.h"
#include "package/PackageName.h"
#include "package/Paths.h"
#include "pages/ConnectionTest.h"
#include "pages/ShellOpenFromPage.h"
#include "platform/os/ShellOpen.h"

namespace {

constexpr std::size_t kHashBlock = 65536;

const crypto::PublicKey* KeyOf(IInstallWizard* wizard) {
    return wizard != nullptr ? wizard->GetPublisherKey() : nullptr;
}

crypto::Digest HashOf(os::ProgramBytes& bytes) {
    crypto::Sha256 hash;
    std::unique_ptr<char[]> buffer(new char[kHashBlock]);
    while (std::size_t got = bytes.Read(buffer.get(), kHashBlock)) hash.Update(buffer.get(), got);
    return hash.Finish();
}

}  // namespace

BOOL IsPackagePresent(IInstallWizard* wizard) {
    if (!FileExists(GetPackagePath())) return FALSE;
    const crypto::PublicKey* key = KeyOf(wizard);
    if (key == nullptr) return TRUE;
    CString strName = GetPackageName(GetOSType());
    crypto::Digest digest{};
    auto hash = [&digest](os::ProgramBytes& bytes) {
        digest = HashOf(bytes);
        return true;
    };
    if (!os::CheckProgram(strName, GetModuleDirectory(), hash)) return FALSE;
    const crypto::Digest* known = wizard->GetVerifiedPackage(strName);
    if (known != nullptr && *known == digest) return TRUE;
    DownloadOutcome checked =
        CheckPublishedSignature(strName, digest, *key, kConnectionTestMaxSilenceMs);
    if (checked.kind != DownloadOutcome::Kind::Succeeded) return FALSE;
    wizard->SetVerifiedPackage(strName, digest);
    return TRUE;
}

std::intptr_t StartPackage(IInstallWizard* wizard) {
    CString strName = GetPackageName(GetOSType());
    if (KeyOf(wizard) == nullptr) return ShellOpen(strName);
    const crypto::Digest* known = wizard->GetVerifiedPackage(strName);
    if (known == nullptr) return os::SE_ERR_UNVERIFIED;
    crypto::Digest verified = *known;
    auto same = [&verified](os::ProgramBytes& bytes) { return HashOf(bytes) == verified; };
    return os::StartCheckedProgram(strName, GetModuleDirectory(), same);
}
