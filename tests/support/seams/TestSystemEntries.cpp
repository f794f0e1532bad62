#include "support/seams/TestSystemEntries.h"

#include <atomic>
#include <mutex>

#include "platform/os/ExecutablePath.h"
#include "platform/os/NativePath.h"
#include "platform/os/ShellStart.h"
#include "platform/os/Thread.h"

namespace {

std::mutex g_lock;
std::string g_executable;
std::function<std::intptr_t(const os::ShellOpenCall&)> g_shellOpen;
// A platform identifier below every real one means "the system's".
constexpr std::int64_t kSystemPlatform = -1;
std::atomic<std::int64_t> g_platformId{kSystemPlatform};
std::atomic<int> g_failingStarts{0};

bool TakeFailingStart() {
    int failing = g_failingStarts.load();
    while (failing > 0) {
        if (g_failingStarts.compare_exchange_weak(failing, failing - 1)) return true;
    }
    return false;
}

std::function<std::intptr_t(const os::ShellOpenCall&)> ShellOpenHandler() {
    std::lock_guard lock(g_lock);
    return g_shellOpen;
}

}  // namespace

namespace os {

std::string ExecutableLocation() {
    {
        std::lock_guard lock(g_lock);
        if (!g_executable.empty()) return g_executable;
    }
    return QueryExecutablePath();
}

DWORD ReportedPlatformId(DWORD systemId) {
    std::int64_t reported = g_platformId.load();
    return reported == kSystemPlatform ? systemId : static_cast<DWORD>(reported);
}

bool Thread::Launch() {
    if (TakeFailingStart()) return false;
    m_thread = std::thread(&Thread::Run, this);
    return true;
}

std::intptr_t DispatchShellOpen(const ShellOpenCall& call, const ProgramCheck* check) {
    auto handler = ShellOpenHandler();
    if (!handler) return PerformShellOpen(call, check);
    if (check != nullptr) {
        std::intptr_t refusal =
            CheckProgramIn(call.file, ToNativePath(call.directory.c_str()), *check);
        if (refusal != 0) return refusal;
    }
    return handler(call);
}

}  // namespace os

namespace testing_support {

void PlaceExecutable(const std::string& path) {
    std::lock_guard lock(g_lock);
    g_executable = path;
}

void ReportPlatformId(std::optional<DWORD> platformId) {
    g_platformId.store(platformId ? static_cast<std::int64_t>(*platformId) : kSystemPlatform);
}

void FailThreadStarts(int count) {
    g_failingStarts.store(count);
}

void HandleShellOpens(std::function<std::intptr_t(const os::ShellOpenCall&)> handler) {
    std::lock_guard lock(g_lock);
    g_shellOpen = std::move(handler);
}

}  // namespace testing_support
