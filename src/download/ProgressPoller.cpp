#include "download/ProgressPoller.h"

#include "download/DownloadState.h"
#include "platform/os/Thread.h"

namespace {

constexpr DWORD kWakeCheckMs = 10;

// Waits one polling period, cut short when the cancel flag is set or the
// percentage has reached 100. After a cancel the page waits for this thread
// on the user-interface thread, and at 100 the user waits for OK: ending
// the wait early keeps both prompt.
void WaitOnePeriod() {
    for (DWORD waited = 0; waited < kProgressPollPeriodMs; waited += kWakeCheckMs) {
        if (IsCancelled() || GetProgress() >= 100) return;
        os::Sleep(kWakeCheckMs);
    }
}

}  // namespace

DWORD ProgressThreadProc(LPVOID /*pPage*/) {
    int nLast = GetProgress();
    NotifyProgress();
    if (!IsCancelled()) {
        while (nLast < 100) {
            // Once cancelled, only a percentage that still moved is worth a redraw.
            if (!IsCancelled() || GetProgress() > nLast) NotifyProgress();
            nLast = GetProgress();
            WaitOnePeriod();
            if (IsCancelled()) break;
        }
    }
    NotifyProgress();
    return 0;
}
