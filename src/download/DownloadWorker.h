// The worker thread of a package download.
#pragma once

#include "platform/Types.h"

// Thread entry: downloads the selected package (GetPackageName(GetOSType()))
// from the download host into the package path, then records a failure by
// setting the cancel flag. A success writes nothing, so a cancel the user
// gave meanwhile stays set. `pParam` is a DownloadOutcome that receives how
// the download ended (nullptr: not wanted); it is the thread's alone until
// the thread has ended. The shared state must have been reset before the
// thread starts (DownloadThreads::Start does it). The exit code is always 0.
DWORD DownloadThreadProc(LPVOID pParam);
