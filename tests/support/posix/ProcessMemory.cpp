#include "support/ProcessMemory.h"

#include <sys/resource.h>

namespace testing_support {

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace testing_support
