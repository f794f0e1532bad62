#include "platform/ui/ResourceRegistry.h"

#include <map>

namespace ui {
namespace {

struct Registry {
    std::map<UINT, const DialogTemplate*> templates;
    std::function<CString(UINT)> strings;
    std::function<Bitmap(UINT)> bitmaps;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterDialogTemplates(std::span<const DialogTemplate> templates) {
    for (const DialogTemplate& dialogTemplate : templates) RegisterDialogTemplate(dialogTemplate);
}

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) {
    TheRegistry().templates[dialogTemplate.id] = &dialogTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    auto& templates = TheRegistry().templates;
    auto it = templates.find(id);
    return it == templates.end() ? nullptr : it->second;
}

void ClearResources() {
    TheRegistry() = Registry{};
}

void SetStringLoader(std::function<CString(UINT id)> loader) {
    TheRegistry().strings = std::move(loader);
}

CString LoadResourceString(UINT id) {
    auto& loader = TheRegistry().strings;
    return loader ? loader(id) : CString();
}

void SetBitmapLoader(std::function<Bitmap(UINT id)> loader) {
    TheRegistry().bitmaps = std::move(loader);
}

Bitmap LoadResourceBitmap(UINT id) {
    auto& loader = TheRegistry().bitmaps;
    return loader ? loader(id) : Bitmap{};
}

}  // namespace ui
