#include "e2e/support/WinePrefix.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "e2e/support/Subprocess.h"

namespace e2e {

namespace {

constexpr std::chrono::seconds kPrefixWait{180};
constexpr const char* kDialogFont = "/usr/share/wine/fonts/sserife.fon";

std::string NewFolder(const std::string& root) {
    std::filesystem::create_directories(root);
    std::string pattern = root + "/prefix-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed in " + root);
    return pattern;
}

}  // namespace

WinePrefix::WinePrefix(const std::string& root, const std::string& displayEntry)
    : m_path(NewFolder(root)), m_displayEntry(displayEntry) {
    RunToEnd("wineboot -i");
    // The dialog font, "MS Sans Serif", is a bitmap font every Windows has;
    // Wine finds its own copy (Debian's fonts-wine) only among the prefix's
    // fonts, and measures another face without it.
    if (!std::filesystem::exists(kDialogFont)) {
        throw std::runtime_error(std::string("no ") + kDialogFont + " (Debian's fonts-wine)");
    }
    std::filesystem::create_symlink(kDialogFont, m_path + "/drive_c/windows/Fonts/sserife.fon");
}

WinePrefix::~WinePrefix() {
    RunCommand({"wineserver", "-k"}, Environment());
    RunCommand({"wineserver", "-w"}, Environment());
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> WinePrefix::Environment() const {
    return {"WINEPREFIX=" + m_path, "WINEARCH=win64", "WINEDEBUG=-all",
            "WINEDLLOVERRIDES=mscoree,mshtml=", m_displayEntry};
}

void WinePrefix::SetWindowsVersion(const std::string& version) {
    RunToEnd("wine reg add 'HKCU\\Software\\Wine' /v Version /d '" + version + "' /f");
}

void WinePrefix::RunToEnd(const std::string& command) {
    // The server would otherwise linger in the command's process group,
    // which ends with it, before it saved the registry.
    CommandResult result = RunCommand({"sh", "-c", command + " >/dev/null 2>&1 && wineserver -w"},
                                      Environment(), kPrefixWait);
    if (result.exitCode != 0) {
        throw std::runtime_error("\"" + command + "\" failed in the Wine prefix " + m_path);
    }
}

}  // namespace e2e
