// The modal window shown while the package downloads: a percentage bar, a
// status line, OK (offered only at 100 percent) and Cancel. It owns no
// download logic; the poller wakes it with WM_DOWNLOAD_PROGRESS and it reads
// the shared percentage itself.
#pragma once

#include "platform/ui/Afx.h"
#include "res/resource.h"

class CDownloadProgressDlg : public CDialog {
  public:
    enum { IDD = IDD_DOWNLOAD_PROGRESS };
    // The result when the dialog ended itself because the download failed
    // (the platform's IDABORT).
    static constexpr int kDownloadFailed = 3;
    // The dialog on template 129 over `pParent` (the download page).
    explicit CDownloadProgressDlg(CWnd* pParent = nullptr);

    CProgressCtrl m_progress;  // control 1001
    CString m_strStatus;       // static 1004

    // Registers the window in g_hProgressWnd, shows "Downloading K7 Vessamo",
    // sets the bar's range to 0..100, disables OK, then shows the download
    // as it is now (it may have ended before this window existed).
    BOOL OnInitDialog() override;
    // Moves the bar to the shared percentage; at exactly 100 the dialog is
    // complete: OK enabled, Cancel disabled, "K7 Vessamo Download Complete".
    // The page sets the cancel flag only once this dialog has closed, so a
    // flag seen here means the download failed: the dialog ends itself with
    // kDownloadFailed. Both parameters are ignored; always 0.
    LRESULT OnDownloadProgress(WPARAM wParam, LPARAM lParam);
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()

  private:
    void ShowDownload();
    void ShowProgress(int nPercent);
};
