#include "download/DownloadHost.h"

CString GetDownloadHost() {
    return CString(VESSAMO_DOWNLOAD_HOST);
}

DownloadTimeouts GetDownloadTimeouts() {
    return {};
}
