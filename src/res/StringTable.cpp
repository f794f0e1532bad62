// The string table: the sheet's caption, and the texts that the download
// page and the progress window show as a download goes. The other pages set
// their texts as literals in code.
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
    {IDS_DOWNLOAD_PROXY_ADVICE,
     "If you are behind a proxy server or if you have firewall software installed on your "
     "computer, you may need to complete the download from your web browser.  To use this "
     "option, click the \"Back\" button and select \"Save install files for installation on "
     "multiple computers\"."},
    {IDS_DOWNLOAD_READY, "Click the \"Next\" button to begin the installation."},
    {IDS_DOWNLOAD_CANCELLED,
     "The download was cancelled.  Press the Download button above to resume the download."},
    // The failure text: this, then ": " and the cause and ".", or "." alone,
    // then one of the two offers that follow.
    {IDS_DOWNLOAD_FAILED, "The download failed"},
    {IDS_DOWNLOAD_TRY_AGAIN, "  Press the Download button above to try again."},
    {IDS_DOWNLOAD_CONTINUE, "  Press the Download button above to continue the download."},
    {IDS_DOWNLOAD_DONE, "Download complete."},
    {IDS_DOWNLOAD_PENDING,
     "After the download has completed, click the \"Next\" button to begin the installation "
     "of K7 Vessamo."},
    {IDS_PROGRESS_DOWNLOADING, "Downloading K7 Vessamo"},
    {IDS_PROGRESS_COMPLETE, "K7 Vessamo Download Complete"},
};

}  // namespace

CString LoadString(UINT id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) return entry.text;
    }
    return "";
}

}  // namespace res
