#include "platform/os/ModulePath.h"

#include "platform/os/ExecutablePath.h"

namespace os {

std::string GetModuleFileName() {
    return ExecutableLocation();
}

}  // namespace os
