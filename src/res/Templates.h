// The individual dialog templates (the pages in PageTemplates.cpp, the
// progress window in its own file); DialogTemplates.cpp gathers them into
// the table that Resources.h offers.
#pragma once

#include "platform/ui/DialogTemplate.h"

namespace res::templates {

extern constinit const ui::DialogTemplate kWizIntro;           // 104
extern constinit const ui::DialogTemplate kWizOS;              // 105
extern constinit const ui::DialogTemplate kWizDownload;        // 106
extern constinit const ui::DialogTemplate kWizOutro;           // 107
extern constinit const ui::DialogTemplate kDownloadProgress;   // 129
extern constinit const ui::DialogTemplate kWizManualDownload;  // 130

}  // namespace res::templates
