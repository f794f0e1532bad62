#include "platform/ui/MessageMap.h"

const ui::MessageMap* CCmdTarget::GetThisMessageMap() {
    static const ui::MessageMapEntry entries[] = {ui::MessageMapEntry{}};
    static const ui::MessageMap map{nullptr, entries};
    return &map;
}

const ui::MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const ui::MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    for (const ui::MessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base ? map->base() : nullptr) {
        for (const ui::MessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
            if (entry->message != message) continue;
            if (message == WM_COMMAND && (entry->code != code || entry->id != id)) continue;
            return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    const ui::MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, nCode, nID);
    if (entry == nullptr || entry->onCommand == nullptr) return FALSE;
    (this->*(entry->onCommand))();
    return TRUE;
}

BOOL CCmdTarget::HasCommandHandler(UINT nID, UINT nCode) const {
    const ui::MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, nCode, nID);
    return entry != nullptr && entry->onCommand != nullptr;
}
