// Whether the test program runs under Wine rather than on Windows (or
// Linux), for the few tests whose outcome Wine decides differently.
#pragma once

namespace testing_support {

// True for a Windows program that Wine runs; false on Windows and Linux.
bool UnderWine();

}  // namespace testing_support
