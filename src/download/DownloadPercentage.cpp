#include "download/DownloadPercentage.h"

int DownloadPercentage(ULONGLONG ullTotal, ULONGLONG ullContentLength) {
    if (ullContentLength == 0) return 0;
    if (ullTotal >= ullContentLength) return 100;
    // total x 100 can pass 64 bits for bodies beyond 184 PB; 128 bits never overflow.
    __extension__ using Wide = unsigned __int128;
    return static_cast<int>(static_cast<Wide>(ullTotal) * 100 / ullContentLength);
}
