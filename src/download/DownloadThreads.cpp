#include "download/DownloadThreads.h"

#include "download/DownloadState.h"
#include "download/DownloadWorker.h"
#include "download/ProgressPoller.h"

bool DownloadThreads::Start(LPVOID pPage, const crypto::PublicKey* key, KeptDownload kept) {
    SetCancelled(FALSE);
    SetProgress(0);
    m_job = {key, std::move(kept), {}};
    if (!m_worker.Start(&DownloadThreadProc, &m_job)) {
        SetCancelled(TRUE);
        return false;
    }
    bool pollerStarted = m_poller.Start(&ProgressThreadProc, pPage);
    if (!pollerStarted) SetCancelled(TRUE);
    m_worker.SetBelowNormalPriority();
    if (pollerStarted) m_poller.SetBelowNormalPriority();
    return pollerStarted;
}

void DownloadThreads::Join() {
    m_worker.Join();
    m_poller.Join();
}
