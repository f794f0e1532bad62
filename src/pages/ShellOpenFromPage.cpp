#include "pages/ShellOpenFromPage.h"

#include "package/Paths.h"
#include "platform/os/ShellOpen.h"

void ShellOpen(const CString& target) {
    os::ShellExecute(nullptr, "open", target, "", GetModuleDirectory(), SW_HIDE);
}
