// What the end-to-end runs of the wizard's routes share: the hosts built
// into the product, the files in which the programs the wizard starts leave
// their traces, and how each page and dialog is told apart on screen.
//
// Pages are recognised by what only they draw where their templates put it
// (a push button's dark lower-right corner, a check box's white inside, text
// in a region no other page uses), so a test knows which page it sees
// without reference pictures.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "Look.h"
#include "WizardLayout.h"
#include "WizardRun.h"
#include "e2e/support/WindowImage.h"
#include "support/NonCopyable.h"
#include "support/TempDir.h"

namespace e2e::route {

// Linux and Wine's default version report the NT family, so this is the
// package the wizard fetches.
constexpr const char* kPackageName = "vessamo-nten.exe";
constexpr const char* kProgressTitle = "Download Progress";
constexpr const char* kCredentialTitle = "Enter Network Password";
constexpr const char* kSetupTitle = "K7 Vessamo Setup";

// The face of dialogs and buttons in the product's look; text and dark
// frames, and the inside of edit and check boxes.
inline const std::string kFace = Hex(kLook.face);
constexpr const char* kBlack = "#000000";
constexpr const char* kWhite = "#FFFFFF";

constexpr std::chrono::seconds kStepWait{90};
constexpr std::chrono::seconds kDownloadWait{180};

// The port of the compiled-in download host; 0 when the build names no
// loopback host with a port (the route tests then have nothing to serve).
int DownloadPort();
// "http://" + the compiled-in download host + "/" + name.
std::string DownloadAddress(const std::string& name);
// The support page's address on the compiled-in vendor host.
std::string SupportAddress();
// The bytes of the demo installer program, which the hosts serve as packages.
std::string DemoInstallerBytes();

// Where the programs the wizard starts leave their traces: the demo
// installer's start record and the recording opener (tests/e2e/fakes/
// xdg-open, put first on the wizard's PATH, so no real browser opens).
class Traces : testing_support::NonCopyable {
  public:
    Traces();
    // Stops the installers that recorded their start (under Wine their
    // prefix ends them, and a Windows process id means nothing here).
    ~Traces();

    // The wizard's environment entries that point the programs here.
    std::vector<std::string> Environment() const;
    // One line per installer start: "ran PATH in DIR as pid N".
    std::vector<std::string> SetupLines() const;
    // One line per call of the opener: its arguments.
    std::vector<std::string> OpenedLines() const;
    // Waits until the record has `count` lines (true) or time runs out.
    bool WaitForSetup(std::size_t count, std::chrono::milliseconds timeout = kStepWait) const;
    bool WaitForOpened(std::size_t count, std::chrono::milliseconds timeout = kStepWait) const;

  private:
    testing_support::TempDir m_folder;
};

// The size of the download in progress in the wizard's `folder` (the file
// named with the wizard's partial-download prefix); -1 when there is none.
std::int64_t PartialDownloadSize(const testing_support::TempDir& folder);

// A wizard run whose environment carries `traces`, with `files` in its folder.
WizardOptions OptionsWith(const Traces& traces,
                          std::vector<std::pair<std::string, std::string>> files = {});

// A check box's 13-pixel glyph, within the height of the control at `r`,
// is white inside.
bool CheckBoxAt(const WindowImage& image, const layout::Rect& r);

// The wizard's pages.
bool IsWelcomePage(const WindowImage& image);
bool IsOsPage(const WindowImage& image);
bool IsDownloadPage(const WindowImage& image);
bool IsBrowserPage(const WindowImage& image);
bool IsCompletionPage(const WindowImage& image);
// The download page's Download button takes input (its label is black).
bool DownloadButtonEnabled(const WindowImage& image);
// Where the download page shows its message (1004) and its status (1007).
layout::Rect DownloadMessage();
layout::Rect DownloadStatus();

// The progress dialog.
bool ProgressOkEnabled(const WindowImage& image);
bool ProgressCancelEnabled(const WindowImage& image);
// The bar shows its first block / reaches its end (the last block may
// stop a gap short of the end).
bool ProgressStarted(const WindowImage& image);
bool ProgressAtEnd(const WindowImage& image);

}  // namespace e2e::route
