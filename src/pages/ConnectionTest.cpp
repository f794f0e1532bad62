#include "pages/ConnectionTest.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "download/DownloadState.h"
#include "download/HostProbe.h"
#include "package/LocalFiles.h"
#include "package/Paths.h"
#include "package/WizardFiles.h"
#include "platform/net/InternetException.h"
#include "platform/os/LocalFile.h"
#include "platform/os/Thread.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalLoop.h"

namespace {

constexpr const char* kTestObject = "index.html";
// A file of our own in `directory`, created empty under a name nobody else
// had, open for the body, and closed and deleted again with this object.
class ScratchFile {
  public:
    explicit ScratchFile(const CString& directory)
        : m_file(CreateWizardFile(directory, kConnectionTestPrefix, m_path)) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        m_file.Close();
        if (!m_path.IsEmpty()) DeleteLocalFile(m_path);
    }

    BOOL IsCreated() const { return m_file.IsOpen(); }
    os::LocalFile& File() { return m_file; }

  private:
    CString m_path;  // set by CreateWizardFile: declared before m_file
    os::LocalFile m_file;
};

BOOL Fetch(os::LocalFile& file, const StopFlag& stop) {
    try {
        return FetchAsSent(kTestObject, file, stop, kConnectionTestMaxSilenceMs);
    } catch (const CInternetException&) {
        return FALSE;
    }
}

// One fetch on the test's thread. The file is set before the thread starts
// and only used by it until `done`; the two threads share nothing else but
// the atomics. `stop` is the test's own: the wizard's end sets it, and the
// package download's cancel flag is none of the test's business.
struct TestRun {
    os::LocalFile* file = nullptr;
    StopFlag stop{FALSE};
    std::atomic<BOOL> result{FALSE};
    std::atomic<bool> done{false};
};

// Waits, unless the wizard is being ended, until `start` is
// kConnectionTestShortestBusyMs past.
void StayBusySince(std::chrono::steady_clock::time_point start, const StopFlag& stop) {
    const auto end = start + std::chrono::milliseconds(kConnectionTestShortestBusyMs);
    while (std::chrono::steady_clock::now() < end && !stop.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

DWORD RunTest(LPVOID parameter) {
    auto* run = static_cast<TestRun*>(parameter);
    const auto start = std::chrono::steady_clock::now();
    run->result = Fetch(*run->file, run->stop);
    StayBusySince(start, run->stop);
    run->done = true;
    // Wakes the user-interface thread, whose loop then sees `done`.
    ui::MessageQueue::Instance().PostTask([] {});
    return 0;
}

}  // namespace

BOOL TestDirectConnection(CPropertySheet* wizard) {
    // A name of the wizard's own, taken before the request is made, so that
    // a crash leaves a file the next run recognises. Joined with nothing,
    // the directory ends in its separator as the package path's does, even
    // when the executable's path is unknown.
    ScratchFile scratch(PathJoin(GetModuleDirectory(), ""));
    if (!scratch.IsCreated()) return FALSE;
    ui::Window* window = wizard != nullptr ? wizard->GetModelWindow() : nullptr;
    TestRun run;
    run.file = &scratch.File();
    // Declared after `run` and `scratch`: joined before either goes.
    os::Thread thread;
    if (window == nullptr || !thread.Start(RunTest, &run)) return Fetch(scratch.File(), run.stop);
    ui::RunBusyLoop(*window, [&] { return run.done.load() || wizard->GetResult() != -1; });
    bool ended = wizard->GetResult() != -1;
    if (ended) run.stop = TRUE;
    thread.Join();
    return ended ? FALSE : run.result.load();
}
