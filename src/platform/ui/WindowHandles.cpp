#include "platform/ui/WindowHandles.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace ui {
namespace {

// IsWindow may be asked from any thread, so the table has a lock; windows
// are only created and destroyed on the UI thread.
struct HandleTable {
    std::mutex mutex;
    std::unordered_map<HWND, MessageTarget*> live;
    std::uintptr_t lastValue = 0x10000;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

}  // namespace

HWND RegisterWindow(MessageTarget* target) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.lastValue += 4;
    HWND hWnd = reinterpret_cast<HWND>(table.lastValue);
    table.live[hWnd] = target;
    return hWnd;
}

void UnregisterWindow(HWND hWnd) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.live.erase(hWnd);
}

MessageTarget* FindWindowTarget(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto it = table.live.find(hWnd);
    return it == table.live.end() ? nullptr : it->second;
}

}  // namespace ui
