// The version resource. It lives in the executable's own ELF section
// ".vessamo_version", as NUL-terminated "Key=value" strings, so that it can be
// read without running the program:
//     readelf -p .vessamo_version VessamoInstaller
//     strings VessamoInstaller | grep '^ProductName='
// The array has C linkage so that the library's link options can name it as
// an undefined symbol (--undefined): the linker then takes this object out of
// the static library even in a program that never calls GetVersionInfo.
// A Windows executable keeps the section as ".vessamo" (image section names
// have eight characters at most); what Windows itself shows is the version
// resource that Vessamo.rc builds from the same VersionStrings.h.
#include <string_view>

#include "res/Resources.h"
#include "res/VersionStrings.h"

extern "C" {
// clang-format off
[[gnu::used, gnu::section(".vessamo_version")]] extern const char vessamo_version_resource[] =
    "StringFileInfo=" VESSAMO_VERSION_BLOCK "\0"
    "FileVersion=" VESSAMO_FILE_VERSION "\0"
    "ProductVersion=" VESSAMO_PRODUCT_VERSION "\0"
    "FileDescription=" VESSAMO_FILE_DESCRIPTION "\0"
    "InternalName=" VESSAMO_INTERNAL_NAME "\0"
    "OriginalFilename=" VESSAMO_ORIGINAL_FILENAME "\0"
    "ProductName=" VESSAMO_PRODUCT_NAME "\0";
// clang-format on
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
