#include "support/PageTestSupport.h"

#include "app/InstallerApp.h"
#include "download/DownloadHost.h"
#include "download/DownloadState.h"
#include "package/OSType.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/os/ModulePath.h"
#include "platform/os/VersionInfo.h"

namespace testing_support {

void PageTest::SetUp() {
    InstallWizardResources();
    os::SetModuleFileNameForTesting(dir.File("VessamoInstaller"));
    DetectPlatform(VER_PLATFORM_WIN32_NT);
    SetOSType(OSTYPE_AUTODETECT);
    SetCancelled(FALSE);
}

void PageTest::TearDown() {
    net::SetCredentialPrompt({});
    SetDownloadHostForTesting(nullptr);
    SetOSType(OSTYPE_AUTODETECT);
    os::SetPlatformIdForTesting(std::nullopt);
    os::SetModuleFileNameForTesting("");
}

void PageTest::DetectPlatform(DWORD platformId) {
    os::SetPlatformIdForTesting(platformId);
}

}  // namespace testing_support
