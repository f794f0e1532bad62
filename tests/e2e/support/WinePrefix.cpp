#include "e2e/support/WinePrefix.h"

#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "e2e/support/Subprocess.h"

namespace e2e {

namespace {

constexpr std::chrono::seconds kPrefixWait{180};

std::string NewFolder(const std::string& root) {
    std::filesystem::create_directories(root);
    std::string pattern = root + "/prefix-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed in " + root);
    return pattern;
}

// Runs the prefix maker (scripts/wine-prefix) with `arguments`; throws when it fails.
std::string RunMaker(const std::vector<std::string>& arguments, const std::string& displayEntry) {
    std::vector<std::string> argv = {VESSAMO_WINE_PREFIX_SCRIPT};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    CommandResult result = RunCommand(argv, {displayEntry}, kPrefixWait);
    if (result.exitCode != 0) {
        throw std::runtime_error("wine-prefix " + arguments.front() + " failed for " +
                                 arguments.back());
    }
    return result.output;
}

}  // namespace

WinePrefix::WinePrefix(const std::string& root, const std::string& displayEntry)
    : m_path(NewFolder(root)), m_displayEntry(displayEntry) {
    RunMaker({"create", m_path}, m_displayEntry);
    std::istringstream lines(RunMaker({"env", m_path}, m_displayEntry));
    for (std::string line; std::getline(lines, line);) m_environment.push_back(line);
    m_environment.push_back(m_displayEntry);
}

WinePrefix::~WinePrefix() {
    RunCommand({VESSAMO_WINE_PREFIX_SCRIPT, "stop", m_path}, {}, kPrefixWait);
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
    std::filesystem::remove(m_path + ".log", ignored);
}

void WinePrefix::SetWindowsVersion(const std::string& version) {
    // The server would otherwise linger in the command's process group,
    // which ends with it, before it saved the registry.
    std::string command = "wine reg add 'HKCU\\Software\\Wine' /v Version /d '" + version + "' /f";
    CommandResult result = RunCommand({"sh", "-c", command + " >/dev/null 2>&1 && wineserver -w"},
                                      m_environment, kPrefixWait);
    if (result.exitCode != 0) {
        throw std::runtime_error("\"" + command + "\" failed in the Wine prefix " + m_path);
    }
}

}  // namespace e2e
