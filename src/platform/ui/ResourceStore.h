// What the resource registry (ResourceRegistry.h) holds: one store per
// process, reached only through the registry's functions and, in test
// programs, the one that empties it.
#pragma once

#include <functional>
#include <map>

#include "platform/ui/ResourceRegistry.h"

namespace ui {

struct ResourceStore {
    std::map<UINT, const DialogTemplate*> templates;
    std::function<CString(UINT)> strings;
    std::function<Bitmap(UINT)> bitmaps;
};

// The process's store.
ResourceStore& TheResourceStore();

}  // namespace ui
