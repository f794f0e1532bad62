// How soon the progress dialog shows a finished download: the time from the
// last body byte leaving the host to the dialog's completed state (OK
// offered), through the real download page, worker, poller and dialog on the
// headless renderer.
//
//   vessamo-bench-completion RUNS   ->   completion_latency_ms_median=..., _max=...
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/InstallWizard.h"
#include "app/InstallerApp.h"
#include "download/DownloadHost.h"
#include "download/DownloadState.h"
#include "package/LocalFiles.h"
#include "platform/os/ModulePath.h"
#include "platform/ui/Input.h"
#include "platform/ui/ModalLoop.h"
#include "support/TempDir.h"
#include "support/TestHost.h"
#include "support/UiTestSupport.h"
#include "support/seams/TestDownloadHost.h"
#include "support/seams/TestSystemEntries.h"

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<Clock::rep> g_lastByteSent{0};

ui::Window* ActiveProgressDialog() {
    ui::Window* active = ui::ActiveWindow();
    return active != nullptr && ui::TemplateKey(*active) == IDD_DOWNLOAD_PROGRESS ? active
                                                                                  : nullptr;
}

void ShowPage(CInstallWizard& wizard, UINT templateId) {
    wizard.SetActivePage(wizard.FindPageByTemplate(templateId));
    ui::PumpMessages();
}

// One download from the page, answered with OK as soon as it completes.
double OneDownload(testing_support::UiTestEnvironment& env, CInstallWizard& wizard,
                   const std::string& package) {
    Clock::time_point completed{};
    env.Renderer().WhenTrue(
        [] {
            ui::Window* dialog = ActiveProgressDialog();
            return dialog != nullptr && testing_support::ControlOf(*dialog, IDOK).IsEnabled();
        },
        [&completed](ui::Window& dialog) {
            completed = Clock::now();
            testing_support::Click(dialog, IDOK);
        });
    testing_support::Click(wizard.m_pageDownload, IDC_DOWNLOAD);
    ui::PumpMessages();
    // Back to a page without the package, so the next press downloads again.
    DeleteLocalFile(package.c_str());
    ShowPage(wizard, IDD_WIZ_INTRO);
    ShowPage(wizard, IDD_WIZ_DOWNLOAD);
    Clock::time_point sent{Clock::duration(g_lastByteSent.load())};
    return std::chrono::duration<double, std::milli>(completed - sent).count();
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    testing_support::UiTestEnvironment env;
    testing_support::TempDir dir;
    testing_support::TestHost host;
    testing_support::HttpReply reply = testing_support::HttpReply::Ok(1 << 20);
    reply.onBodySent = [] { g_lastByteSent.store(Clock::now().time_since_epoch().count()); };
    host.Serve("/vessamo-nten.exe", reply);

    InstallWizardResources();
    testing_support::PlaceExecutable(dir.File("VessamoInstaller"));
    testing_support::SetDownloadHost(host.HostAndPort().c_str());
    env.Renderer().SetIdleLimit(std::chrono::seconds(30));
    auto wizard = std::make_unique<CInstallWizard>();
    if (!wizard->Create()) return 1;
    ui::PumpMessages();
    ShowPage(*wizard, IDD_WIZ_DOWNLOAD);

    std::vector<double> latencies;
    for (int run = 0; run < runs; ++run) {
        latencies.push_back(OneDownload(env, *wizard, dir.File("vessamo-nten.exe")));
    }
    wizard->DestroyWindow();
    ui::PumpMessages();
    std::sort(latencies.begin(), latencies.end());
    std::printf("completion_latency_ms_median=%.1f\n", latencies[latencies.size() / 2]);
    std::printf("completion_latency_ms_max=%.1f\n", latencies.back());
    return 0;
}
