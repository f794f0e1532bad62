#include "download/DownloadState.h"

static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<BOOL>::is_always_lock_free);
static_assert(std::atomic<HWND>::is_always_lock_free);

std::atomic<int> g_nProgress{0};
std::atomic<BOOL> g_bCancel{FALSE};
std::atomic<HWND> g_hProgressWnd{nullptr};

int GetProgress() {
    return g_nProgress.load();
}

void SetProgress(int nPercent) {
    g_nProgress.store(nPercent);
}

BOOL IsCancelled() {
    return g_bCancel.load();
}

void SetCancelled(BOOL bCancel) {
    g_bCancel.store(bCancel);
}

void NotifyProgress() {
    PostMessage(g_hProgressWnd.load(), WM_DOWNLOAD_PROGRESS, 0, 0);
}
