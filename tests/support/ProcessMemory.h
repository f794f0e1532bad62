// What the operating system says about this process's memory.
#pragma once

namespace testing_support {

// The most resident memory this process has had so far, in KiB.
long PeakResidentKiB();

}  // namespace testing_support
