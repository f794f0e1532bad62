#include "app/OutsideServices.h"

CString GetVendorHost() {
    return VESSAMO_VENDOR_HOST;
}

CString GetSupportPageAddress() {
    return "http://" + GetVendorHost() + "/support/vessamo/installation.php";
}
