#include "support/PageTestSupport.h"

#include "app/InstallerApp.h"
#include "download/DownloadHost.h"
#include "download/DownloadState.h"
#include "package/OSType.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/os/ModulePath.h"
#include "platform/os/VersionInfo.h"
#include "support/seams/TestDownloadHost.h"
#include "support/seams/TestSystemEntries.h"

namespace testing_support {

void PageTest::SetUp() {
    InstallWizardResources();
    PlaceExecutable(dir.File("VessamoInstaller"));
    DetectPlatform(VER_PLATFORM_WIN32_NT);
    SetOSType(OSTYPE_AUTODETECT);
    SetCancelled(FALSE);
}

void PageTest::TearDown() {
    net::SetCredentialPrompt({});
    SetDownloadHost(nullptr);
    SetOSType(OSTYPE_AUTODETECT);
    ReportPlatformId(std::nullopt);
    PlaceExecutable("");
}

void PageTest::DetectPlatform(DWORD platformId) {
    ReportPlatformId(platformId);
}

}  // namespace testing_support
