// The version resource. It lives in the executable's own ELF section
// ".vessamo_version", as NUL-terminated "Key=value" strings, so that it can be
// read without running the program:
//     readelf -p .vessamo_version VessamoInstaller
//     strings VessamoInstaller | grep '^ProductName='
// The array has C linkage so that the library's link options can name it as
// an undefined symbol (--undefined): the linker then takes this object out of
// the static library even in a program that never calls GetVersionInfo.
#include <string_view>

#include "res/Resources.h"

extern "C" {
[[gnu::used, gnu::section(".vessamo_version")]] extern const char vessamo_version_resource[] =
    "StringFileInfo=040904B0\0"
    "FileVersion=1, 0, 0, 1\0"
    "ProductVersion=1, 0, 0, 1\0"
    "FileDescription=VessamoInstaller MFC Application\0"
    "InternalName=VessamoInstaller\0"
    "OriginalFilename=VessamoInstaller.EXE\0"
    "ProductName=VessamoInstaller Application\0";
}

namespace res {
namespace {

// The value of `key` in the section, or "" when it has none.
const char* ValueOf(std::string_view key) {
    const char* entry = vessamo_version_resource;
    const char* const end = entry + sizeof(vessamo_version_resource);
    while (entry < end && *entry != '\0') {
        const std::string_view text(entry);
        if (text.size() > key.size() && text.starts_with(key) && text[key.size()] == '=') {
            return entry + key.size() + 1;
        }
        entry += text.size() + 1;
    }
    return "";
}

}  // namespace

const VersionInfo& GetVersionInfo() {
    static const VersionInfo info{
        ValueOf("FileVersion"),    ValueOf("ProductVersion"),   ValueOf("FileDescription"),
        ValueOf("InternalName"),   ValueOf("OriginalFilename"), ValueOf("ProductName"),
        ValueOf("StringFileInfo"),
    };
    return info;
}

}  // namespace res
