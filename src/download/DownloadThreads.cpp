#include "download/DownloadThreads.h"

#include "download/DownloadState.h"
#include "download/DownloadWorker.h"
#include "download/ProgressPoller.h"

bool DownloadThreads::Start(LPVOID pPage) {
    SetCancelled(FALSE);
    SetProgress(0);
    if (!m_worker.Start(&DownloadThreadProc, nullptr)) {
        SetCancelled(TRUE);
        return false;
    }
    if (!m_poller.Start(&ProgressThreadProc, pPage)) {
        SetCancelled(TRUE);
        m_worker.SetBelowNormalPriority();
        return false;
    }
    m_worker.SetBelowNormalPriority();
    m_poller.SetBelowNormalPriority();
    return true;
}

void DownloadThreads::Join() {
    m_worker.Join();
    m_poller.Join();
}
