#include "package/PackageName.h"

#include "package/OSType.h"
#include "package/Paths.h"

CString GetPackageName(int nType) {
    switch (nType) {
        case OSTYPE_WIN9X:
            return "vessamo-w9xen.exe";
        case OSTYPE_WINNT:
            return "vessamo-nten.exe";
        default:
            return "";
    }
}

CString GetPackagePath() {
    return PathJoin(GetModuleDirectory(), GetPackageName(GetOSType()));
}
