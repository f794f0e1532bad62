#include "pages/ShellOpenFromPage.h"

#include "package/Paths.h"
#include "platform/os/ShellOpen.h"

std::intptr_t ShellOpen(const CString& target) {
    return os::ShellExecute(nullptr, "open", target, "", GetModuleDirectory(), SW_HIDE);
}
