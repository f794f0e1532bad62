#include "RouteSupport.h"

#include <signal.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "package/WizardFiles.h"
#include "platform/ui/Messages.h"
#include "support/TestHostWait.h"

namespace e2e::route {

namespace {

using layout::Rect;

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A push button's lower-right corner: the default frame's colour or the
// dark shadow's, with the face beyond it.
bool ButtonAt(const WindowImage& image, const Rect& r) {
    int right = r.x + r.w - 1, bottom = r.y + r.h - 1;
    std::string corner = image.Colour(right, bottom);
    return (corner == Hex(kLook.defaultCorner) || corner == Hex(kLook.plainCorner)) &&
           image.Colour(right + 1, bottom) == kFace && image.Colour(right, bottom + 1) == kFace;
}

// Black label text inside a push button (a greyed label has none); the
// bevel and the focus frame lie outside this inner part.
bool LabelBlack(const WindowImage& image, const Rect& r) {
    return image.CountDark(r.x + 5, r.y + 5, r.w - 10, r.h - 10) > 0;
}

bool HasText(const WindowImage& image, const Rect& r) {
    return image.CountDark(r.x, r.y, r.w, r.h) > 0;
}

Rect ProgressControl(int id) {
    return layout::ControlById(IDD_DOWNLOAD_PROGRESS, id);
}

}  // namespace

std::int64_t PartialDownloadSize(const testing_support::TempDir& folder) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(), ignored)) {
        if (entry.path().filename().string().rfind(kPartialDownloadPrefix, 0) != 0) continue;
        std::uintmax_t size = std::filesystem::file_size(entry.path(), ignored);
        return ignored ? -1 : static_cast<std::int64_t>(size);
    }
    return -1;
}

int DownloadPort() {
    std::string host = VESSAMO_DOWNLOAD_HOST;
    if (host.rfind("127.0.0.1:", 0) != 0) return 0;
    return std::atoi(host.substr(host.find(':') + 1).c_str());
}

std::string DownloadAddress(const std::string& name) {
    return std::string("http://") + VESSAMO_DOWNLOAD_HOST + "/" + name;
}

std::string SupportAddress() {
    return std::string("http://") + VESSAMO_VENDOR_HOST + "/support/vessamo/installation.php";
}

std::string DemoInstallerBytes() {
    std::ifstream in(VESSAMO_DEMO_INSTALLER, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Traces::Traces() = default;

Traces::~Traces() {
    if (kUnderWine) return;
    for (const std::string& line : SetupLines()) {
        std::size_t at = line.rfind(" as pid ");
        if (at == std::string::npos) continue;
        pid_t pid = static_cast<pid_t>(std::atol(line.c_str() + at + 8));
        if (pid > 1) kill(pid, SIGTERM);
    }
}

std::vector<std::string> Traces::Environment() const {
    const char* path = std::getenv("PATH");
    return {"VESSAMO_SETUP_RECORD=" + m_folder.File("setup-record"),
            "VESSAMO_OPEN_RECORD=" + m_folder.File("open-record"),
            std::string("PATH=") + E2E_SOURCE_DIR + "/fakes:" + (path ? path : "/usr/bin:/bin")};
}

std::vector<std::string> Traces::SetupLines() const {
    return Lines(m_folder.File("setup-record"));
}

std::vector<std::string> Traces::OpenedLines() const {
    return Lines(m_folder.File("open-record"));
}

bool Traces::WaitForSetup(std::size_t count, std::chrono::milliseconds timeout) const {
    return testing_support::WaitUntil([&] { return SetupLines().size() >= count; }, timeout,
                                      kLookInterval);
}

bool Traces::WaitForOpened(std::size_t count, std::chrono::milliseconds timeout) const {
    return testing_support::WaitUntil([&] { return OpenedLines().size() >= count; }, timeout,
                                      kLookInterval);
}

WizardOptions OptionsWith(const Traces& traces,
                          std::vector<std::pair<std::string, std::string>> files) {
    WizardOptions options;
    options.env = traces.Environment();
    options.files = std::move(files);
    return options;
}

bool CheckBoxAt(const WindowImage& image, const Rect& r) {
    // Renderers centre the glyph on the control or on its text line, which
    // may differ by a pixel.
    for (int top = r.y; top + 13 <= r.y + r.h; ++top) {
        if (image.Filled(r.x + 2, top + 2, 9, 9, kWhite)) return true;
    }
    return false;
}

bool IsOsPage(const WindowImage& image) {
    return CheckBoxAt(image, layout::ControlById(IDD_WIZ_OS, IDC_SELECT_MANUALLY)) &&
           CheckBoxAt(image, layout::ControlById(IDD_WIZ_OS, IDC_SAVE_INSTALL_FILE));
}

bool IsDownloadPage(const WindowImage& image) {
    return ButtonAt(image, layout::ControlById(IDD_WIZ_DOWNLOAD, IDC_DOWNLOAD));
}

bool IsBrowserPage(const WindowImage& image) {
    return ButtonAt(image, layout::ControlById(IDD_WIZ_MANUAL_DOWNLOAD, IDC_BROWSER_DOWNLOAD));
}

bool IsWelcomePage(const WindowImage& image) {
    // Its first text, "This may take several seconds." and "Click "Next" to continue."
    return HasText(image, layout::Control(IDD_WIZ_INTRO, 1)) &&
           HasText(image, layout::Control(IDD_WIZ_INTRO, 3)) &&
           HasText(image, layout::Control(IDD_WIZ_INTRO, 4)) && !IsOsPage(image) &&
           !IsDownloadPage(image) && !IsBrowserPage(image);
}

bool IsCompletionPage(const WindowImage& image) {
    // Its one text at the top, and nothing below it right of the picture.
    Rect text = layout::Control(IDD_WIZ_OUTRO, 1);
    Rect area = layout::ToPixels(layout::PageArea());
    int left = layout::Px(66), top = text.y + text.h + layout::Py(8);
    return HasText(image, text) &&
           image.CountOther(left, top, area.w - left, area.h - top, kFace) == 0;
}

bool DownloadButtonEnabled(const WindowImage& image) {
    return LabelBlack(image, layout::ControlById(IDD_WIZ_DOWNLOAD, IDC_DOWNLOAD));
}

Rect DownloadMessage() {
    return layout::ControlById(IDD_WIZ_DOWNLOAD, IDC_MESSAGE);
}

Rect DownloadStatus() {
    return layout::ControlById(IDD_WIZ_DOWNLOAD, IDC_STATUS);
}

bool ProgressOkEnabled(const WindowImage& image) {
    return LabelBlack(image, ProgressControl(IDOK));
}

bool ProgressCancelEnabled(const WindowImage& image) {
    return LabelBlack(image, ProgressControl(IDCANCEL));
}

// Block pixels in `columns` columns of the bar's inside from `left` on.
int BlockPixels(const WindowImage& image, int left, int columns) {
    Rect bar = ProgressControl(IDC_PROGRESS);
    int height = bar.h - 4;
    return columns * height -
           image.CountOther(left, bar.y + 2, columns, height, Hex(kLook.progressBlocks));
}

bool ProgressStarted(const WindowImage& image) {
    Rect bar = ProgressControl(IDC_PROGRESS);
    return BlockPixels(image, bar.x + 2, 1) > 0;
}

bool ProgressAtEnd(const WindowImage& image) {
    Rect bar = ProgressControl(IDC_PROGRESS);
    return BlockPixels(image, bar.x + bar.w - 5, 3) > 0;
}

}  // namespace e2e::route
