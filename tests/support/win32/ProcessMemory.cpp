#include "support/ProcessMemory.h"

#include <windows.h>
// psapi.h needs windows.h before it.
#include <psapi.h>

namespace testing_support {

long PeakResidentKiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

}  // namespace testing_support
