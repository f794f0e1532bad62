// The state that the download threads and the user-interface thread share:
// three process-wide variables and one window message. There is no lock:
// each variable is one machine word, only ever loaded or stored whole.
#pragma once

#include <atomic>

#include "platform/Types.h"
#include "platform/ui/MessageQueue.h"

// Posted to the progress dialog (both parameters 0) when the percentage may
// have changed; it carries no data, the dialog reads g_nProgress itself.
constexpr UINT WM_DOWNLOAD_PROGRESS = WM_USER + 97;

// Percentage of the current download, 0 to 100.
extern std::atomic<int> g_nProgress;
// Stop request and failure mark in one, of the package download.
extern std::atomic<BOOL> g_bCancel;
// What asks a running download routine to stop: g_bCancel for the package
// download; a check that is no package download (the connection test, the
// signature of a package found on disk) has a flag of its own.
using StopFlag = std::atomic<BOOL>;
// The progress dialog's window, stored by the dialog itself; never cleared.
extern std::atomic<HWND> g_hProgressWnd;

int GetProgress();
void SetProgress(int nPercent);
BOOL IsCancelled();
void SetCancelled(BOOL bCancel);

// Posts WM_DOWNLOAD_PROGRESS to g_hProgressWnd from any thread; nothing waits
// for it, and it is dropped when that window is gone or was never there.
void NotifyProgress();
