// The package as a build with the publisher's key sees it: present only
// when its bytes were verified, and started only when the bytes that start
// are those verified bytes.
#pragma once

#include <cstdint>

#include "pages/InstallWizardAccess.h"

// Whether the selected package in the executable's directory may count as
// present for `wizard`: in a build without a key, whenever FileExists says
// so; with one, only when its bytes, read through an open handle, are
// those this run verified, or the download host's signature for them
// verifies now (which is then recorded in `wizard`).
BOOL IsPackagePresent(IInstallWizard* wizard);

// Starts the selected package from the executable's directory: through
// the shell open in a build without a key; with one, only when the bytes
// that start are those this run verified (os::StartCheckedProgram).
// Returns the shell's result; os::SE_ERR_UNVERIFIED when nothing verified
// them or they have changed.
std::intptr_t StartPackage(IInstallWizard* wizard);
