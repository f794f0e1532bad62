#include "download/DownloadProgressDlg.h"

#include "download/DownloadState.h"
#include "res/Resources.h"

BEGIN_MESSAGE_MAP(CDownloadProgressDlg, CDialog)
ON_MESSAGE(WM_DOWNLOAD_PROGRESS, &CDownloadProgressDlg::OnDownloadProgress)
END_MESSAGE_MAP()

CDownloadProgressDlg::CDownloadProgressDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CDownloadProgressDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
    DDX_Text(pDX, IDC_PROGRESS_TEXT, m_strStatus);
}

BOOL CDownloadProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    g_hProgressWnd.store(m_hWnd);
    m_strStatus = res::LoadString(IDS_PROGRESS_DOWNLOADING);
    UpdateData(FALSE);
    m_progress.SetRange(0, 100);
    if (CWnd* ok = GetDlgItem(IDOK)) ok->EnableWindow(FALSE);
    // The poller's first notifications may have gone out before this window
    // was registered; a download that already ended shows its end now.
    ShowDownload();
    return TRUE;
}

LRESULT CDownloadProgressDlg::OnDownloadProgress(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    ShowDownload();
    return 0;
}

void CDownloadProgressDlg::ShowDownload() {
    if (IsCancelled()) {
        EndDialog(kDownloadFailed);
        return;
    }
    ShowProgress(GetProgress());
}

void CDownloadProgressDlg::ShowProgress(int nPercent) {
    m_progress.SetPos(nPercent);
    if (nPercent != 100) return;
    CWnd* ok = GetDlgItem(IDOK);
    if (ok != nullptr) ok->EnableWindow(TRUE);
    if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->EnableWindow(FALSE);
    m_strStatus = res::LoadString(IDS_PROGRESS_COMPLETE);
    UpdateData(FALSE);
    // The focus was on Cancel, which no longer takes input.
    if (ok != nullptr) ok->SetFocus();
}
