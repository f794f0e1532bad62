#include "app/OutsideServices.h"

#include "package/Paths.h"
#include "platform/os/ShellOpen.h"

CString GetVendorHost() {
    return VESSAMO_VENDOR_HOST;
}

CString GetSupportPageAddress() {
    return "http://" + GetVendorHost() + "/support/vessamo/installation.php";
}

void ShellOpen(const CString& target) {
    os::ShellExecute(nullptr, "open", target, "", GetModuleDirectory(), SW_HIDE);
}
