#include "platform/os/PathSeparators.h"

namespace os {

const char kNativeSeparator = '\\';
const char* const kModuleSeparators = "\\/";

}  // namespace os
