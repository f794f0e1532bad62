#include "platform/os/PosixPath.h"

namespace os {

std::string ToPosixPath(const char* path) {
    std::string result = path ? path : "";
    for (char& ch : result) {
        if (ch == '\\') ch = '/';
    }
    return result;
}

}  // namespace os
