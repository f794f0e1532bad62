#include "support/PageTestSupport.h"

#include "app/InstallerApp.h"
#include "package/OSType.h"
#include "platform/os/ModulePath.h"
#include "platform/os/VersionInfo.h"

namespace testing_support {

void PageTest::SetUp() {
    InstallWizardResources();
    os::SetModuleFileNameForTesting(dir.File("VessamoInstaller"));
    DetectPlatform(VER_PLATFORM_WIN32_NT);
    SetOSType(OSTYPE_AUTODETECT);
}

void PageTest::TearDown() {
    SetOSType(OSTYPE_AUTODETECT);
    os::SetPlatformIdForTesting(std::nullopt);
    os::SetModuleFileNameForTesting("");
}

void PageTest::DetectPlatform(DWORD platformId) {
    os::SetPlatformIdForTesting(platformId);
}

}  // namespace testing_support
