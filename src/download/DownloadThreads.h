// The two threads of one package download, started and joined together by
// the download page: the worker (DownloadThreadProc) and the poller
// (ProgressThreadProc). They share only the atomics of DownloadState.h; the
// worker also fills the outcome, which is read once it has ended.
#pragma once

#include "download/DownloadOutcome.h"
#include "download/DownloadWorker.h"
#include "platform/Types.h"
#include "platform/os/Thread.h"

class DownloadThreads {
  public:
    DownloadThreads() = default;
    DownloadThreads(const DownloadThreads&) = delete;
    DownloadThreads& operator=(const DownloadThreads&) = delete;
    // Joins whatever still runs.
    ~DownloadThreads() = default;

    // Clears the cancel flag and the percentage, then starts the worker and
    // the poller (given `pPage`) in that order and lowers both to below-normal
    // priority. Clearing here, before either thread exists, means both see a
    // fresh download from their first read and the progress dialog, opened
    // afterwards, does too. A thread that cannot be created fails the
    // download: the cancel flag is set, so the other one ends soon and the
    // dialog stays short of completion. True when both threads run. With
    // `key`, the worker accepts only a package signed with it; with bytes in
    // `kept`, it asks for their rest.
    bool Start(LPVOID pPage, const crypto::PublicKey* key = nullptr, KeptDownload kept = {});
    // Waits without time limit for the worker, then for the poller; both end
    // soon after the cancel flag is set.
    void Join();
    // How the worker's download ended; read it only after Join.
    const DownloadOutcome& Outcome() const { return m_job.outcome; }
    // What the worker's download kept for a later one; take it only after Join.
    KeptDownload TakeKept() { return std::move(m_job.kept); }

  private:
    // Declared first, so that it outlives the threads that fill it.
    DownloadJob m_job;
    os::Thread m_worker;
    os::Thread m_poller;
};
