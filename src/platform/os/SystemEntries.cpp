// The points where the operating-system services meet the system itself,
// each answered here as the product needs it. Test programs link their own
// definitions of exactly these (tests/support/seams) and so never take this
// file from the library: it holds nothing else.
#include <system_error>

#include "platform/os/ExecutablePath.h"
#include "platform/os/ShellOpen.h"
#include "platform/os/Thread.h"
#include "platform/os/VersionInfo.h"

namespace os {

std::string ExecutableLocation() {
    return QueryExecutablePath();
}

DWORD ReportedPlatformId(DWORD systemId) {
    return systemId;
}

bool Thread::Launch() {
    try {
        m_thread = std::thread(&Thread::Run, this);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

std::intptr_t DispatchShellOpen(const ShellOpenCall& call, const ProgramCheck* check) {
    return PerformShellOpen(call, check);
}

}  // namespace os
