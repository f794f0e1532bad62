// The string table. The pages set their other texts as literals in code;
// only the sheet caption comes from here.
#include "res/Resources.h"
#include "res/resource.h"

namespace res {
namespace {

struct StringEntry {
    UINT id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {IDS_WIZARD_CAPTION, "Wizard"},
};

}  // namespace

CString LoadString(UINT id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) return entry.text;
    }
    return "";
}

}  // namespace res
