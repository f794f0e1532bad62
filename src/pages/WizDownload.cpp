#include "pages/WizDownload.h"

#include "download/DownloadFailureText.h"
#include "download/DownloadProgressDlg.h"
#include "download/DownloadState.h"
#include "download/DownloadThreads.h"
#include "package/LocalFiles.h"
#include "package/OSType.h"
#include "package/PackageName.h"
#include "pages/InstallWizardAccess.h"
#include "pages/PackageVerification.h"
#include "pages/WizardButtons.h"
#include "res/Resources.h"

BEGIN_MESSAGE_MAP(CWizDownload, CPropertyPage)
ON_BN_CLICKED(IDC_DOWNLOAD, &CWizDownload::OnDownload)
END_MESSAGE_MAP()

CWizDownload::CWizDownload() : CPropertyPage(IDD) {}

void CWizDownload::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MESSAGE, m_strMessage);
    DDX_Text(pDX, IDC_STATUS, m_strStatus);
}

BOOL CWizDownload::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_strMessage = res::LoadString(IDS_DOWNLOAD_PROXY_ADVICE);
    UpdateData(FALSE);
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return TRUE;
}

BOOL CWizDownload::OnSetActive() {
    if (IsPackagePresent(GetInstallWizard(*this))) {
        ShowPackagePresent();
    } else {
        // The message keeps what it said: the proxy advice, the cancelled
        // text, or the ready text of a download for the other family.
        SetWizardButtonsOf(*this, PSWIZB_BACK);
        EnableDownloadButton(TRUE);
        m_strStatus = res::LoadString(IDS_DOWNLOAD_PENDING);
    }
    UpdateData(FALSE);
    if (IInstallWizard* wizard = GetInstallWizard(*this)) wizard->SetManualDownload(FALSE);
    return CPropertyPage::OnSetActive();
}

void CWizDownload::OnDownload() {
    IInstallWizard* wizard = GetInstallWizard(*this);
    const crypto::PublicKey* key = wizard != nullptr ? wizard->GetPublisherKey() : nullptr;
    DownloadThreads threads;
    threads.Start(this, key, std::move(m_kept));
    CDownloadProgressDlg dialog(this);
    int nResult = dialog.DoModal();
    if (nResult != IDOK) SetCancelled(TRUE);  // asks the worker to stop
    threads.Join();
    m_kept = threads.TakeKept();

    // OK is offered only at 100 percent; the worker, now ended, has the last
    // word: it marks a download that failed after all (or that could not
    // start) with the cancel flag.
    if (nResult == IDOK && !IsCancelled()) {
        if (key != nullptr) {
            wizard->SetVerifiedPackage(GetPackageName(GetOSType()), threads.Outcome().verified);
        }
        ShowPackagePresent();
    } else {
        // A cancel gives up what a broken download kept, as it gives up the download.
        if (nResult == IDCANCEL) m_kept.Discard();
        m_strMessage = nResult == IDCANCEL ? res::LoadString(IDS_DOWNLOAD_CANCELLED)
                                           : FailureText(threads.Outcome());
        // No unconfirmed package may stay behind (a cancel during the very
        // last read still completes the file).
        DeleteLocalFile(GetPackagePath());
    }
    UpdateData(FALSE);
}

CString CWizDownload::FailureText(const DownloadOutcome& outcome) const {
    CString strCause = DescribeDownloadFailure(outcome);
    CString strText = res::LoadString(IDS_DOWNLOAD_FAILED);
    strText += strCause.IsEmpty() ? CString(".") : ": " + strCause + ".";
    bool bKept = m_kept.CanResume(GetPackageName(GetOSType()));
    return strText + res::LoadString(bKept ? IDS_DOWNLOAD_CONTINUE : IDS_DOWNLOAD_TRY_AGAIN);
}

void CWizDownload::ShowPackagePresent() {
    m_kept.Discard();
    SetWizardButtonsOf(*this, PSWIZB_BACK | PSWIZB_NEXT);
    EnableDownloadButton(FALSE);
    m_strMessage = res::LoadString(IDS_DOWNLOAD_READY);
    m_strStatus = res::LoadString(IDS_DOWNLOAD_DONE);
}

void CWizDownload::EnableDownloadButton(BOOL bEnable) {
    if (CWnd* button = GetDlgItem(IDC_DOWNLOAD)) button->EnableWindow(bEnable);
}
