#include "platform/ui/ResourceRegistry.h"

#include "platform/ui/ResourceStore.h"

namespace ui {

ResourceStore& TheResourceStore() {
    static ResourceStore store;
    return store;
}

void RegisterDialogTemplates(std::span<const DialogTemplate> templates) {
    for (const DialogTemplate& dialogTemplate : templates) RegisterDialogTemplate(dialogTemplate);
}

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) {
    TheResourceStore().templates[dialogTemplate.id] = &dialogTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    auto& templates = TheResourceStore().templates;
    auto it = templates.find(id);
    return it == templates.end() ? nullptr : it->second;
}

void SetStringLoader(std::function<CString(UINT id)> loader) {
    TheResourceStore().strings = std::move(loader);
}

CString LoadResourceString(UINT id) {
    auto& loader = TheResourceStore().strings;
    return loader ? loader(id) : CString();
}

void SetBitmapLoader(std::function<Bitmap(UINT id)> loader) {
    TheResourceStore().bitmaps = std::move(loader);
}

Bitmap LoadResourceBitmap(UINT id) {
    auto& loader = TheResourceStore().bitmaps;
    return loader ? loader(id) : Bitmap{};
}

}  // namespace ui
