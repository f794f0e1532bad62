#include "download/DownloadPercentage.h"

namespace {

// The next decimal digit of `fraction` / `whole` (fraction < whole): floor(10
// x fraction / whole), leaving 10 x fraction mod whole in `fraction`. Added up
// one step at a time, so nothing passes 64 bits however large the numbers.
int NextDigit(ULONGLONG& fraction, ULONGLONG whole) {
    int digit = 0;
    ULONGLONG rest = 0;
    for (int i = 0; i < 10; ++i) {
        if (rest >= whole - fraction) {
            rest -= whole - fraction;
            ++digit;
        } else {
            rest += fraction;
        }
    }
    fraction = rest;
    return digit;
}

}  // namespace

int DownloadPercentage(ULONGLONG ullTotal, ULONGLONG ullContentLength) {
    if (ullContentLength == 0) return 0;
    if (ullTotal >= ullContentLength) return 100;
    // total x 100 can pass 64 bits for bodies beyond 184 PB, and no wider
    // integer exists on every target: the two digits come one at a time.
    int tens = NextDigit(ullTotal, ullContentLength);
    return tens * 10 + NextDigit(ullTotal, ullContentLength);
}
