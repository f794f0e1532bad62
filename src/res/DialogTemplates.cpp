// The table of the wizard's dialog templates.
#include <array>

#include "res/Resources.h"
#include "res/Templates.h"

namespace res {

std::span<const ui::DialogTemplate> DialogTemplates() {
    // The templates are constant-initialised, so copying them here on first
    // use never observes one before it is ready.
    static const std::array<ui::DialogTemplate, 6> table{
        templates::kWizIntro,         templates::kWizOS,
        templates::kWizDownload,      templates::kWizOutro,
        templates::kDownloadProgress, templates::kWizManualDownload};
    return table;
}

const ui::DialogTemplate* FindDialogTemplate(UINT id) {
    for (const ui::DialogTemplate& dialog : DialogTemplates()) {
        if (dialog.id == id) return &dialog;
    }
    return nullptr;
}

}  // namespace res
