// The poller thread of a package download: wakes the progress dialog.
#pragma once

#include "platform/Types.h"

// How often the poller notifies the progress dialog while a download runs.
constexpr DWORD kProgressPollPeriodMs = 100;

// Thread entry: notifies the progress dialog (NotifyProgress) at once, then
// about every kProgressPollPeriodMs until the percentage has reached 100 or
// the cancel flag is set, then once more. The shared state must have been
// reset before the thread starts. The parameter (the download page) is not
// used; the exit code is always 0.
DWORD ProgressThreadProc(LPVOID pPage);
