#include "platform/ui/CredentialDialog.h"

#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageQueue.h"

namespace ui {
namespace {

constexpr DWORD kPopupStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kEditStyle = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

constexpr ControlTemplate kControls[] = {
    {IDC_CREDENTIAL_PROMPT, ControlKind::Static, "", {7, 7, 226, 32}, WS_GROUP},
    {IDC_STATIC, ControlKind::Static, "&User name:", {7, 46, 50, 8}, WS_GROUP},
    {IDC_CREDENTIAL_USER, ControlKind::Edit, "", {60, 44, 173, 12}, kEditStyle},
    {IDC_STATIC, ControlKind::Static, "&Password:", {7, 64, 50, 8}, WS_GROUP},
    {IDC_CREDENTIAL_PASSWORD, ControlKind::Edit, "", {60, 62, 173, 12}, kEditStyle | ES_PASSWORD},
    {IDOK, ControlKind::PushButton, "OK", {129, 90, 50, 14}, WS_TABSTOP | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::PushButton, "Cancel", {183, 90, 50, 14}, WS_TABSTOP},
};

constexpr DialogTemplate kTemplate{
    IDD_CREDENTIALS, "Enter Network Password", 240, 111, "MS Sans Serif", 8, kPopupStyle,
    kControls};

// One question asked from another thread. The asking thread and the UI
// thread share it; `dialog` is touched on the UI thread only.
// The longest host or realm the prompt shows whole: each has one line of
// the prompt, wide enough for this many of the widest letters, and a longer
// one ends in "..." rather than past the edge.
constexpr std::size_t kLongestShownName = 30;

bool IsUtf8Continuation(char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

// `name` as the prompt shows it: shortened, never inside a character, and
// with '&' doubled, so that the server's text marks no mnemonic.
std::string Shown(const std::string& name) {
    std::string shown = name;
    if (shown.size() > kLongestShownName) {
        std::size_t cut = kLongestShownName - 3;
        while (cut > 0 && IsUtf8Continuation(shown[cut])) --cut;
        shown = shown.substr(0, cut) + "...";
    }
    std::string escaped;
    for (char ch : shown) {
        escaped += ch;
        if (ch == '&') escaped += '&';
    }
    return escaped;
}

struct CrossThreadRequest {
    CredentialQuestion question;
    CredentialValues values;
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool accepted = false;
    bool abandoned = false;
    CCredentialDialog* dialog = nullptr;
};

bool ShowOnUiThread(const CredentialQuestion& question, CredentialValues& values,
                    CCredentialDialog** open = nullptr) {
    CCredentialDialog dialog(question, nullptr);
    dialog.m_strUserName = values.userName;
    if (open != nullptr) *open = &dialog;
    int result = dialog.DoModal();
    if (open != nullptr) *open = nullptr;
    if (result != IDOK) return false;
    values.userName = dialog.m_strUserName.str();
    values.password = dialog.m_strPassword.str();
    return true;
}

void Answer(const std::shared_ptr<CrossThreadRequest>& request) {
    {
        std::lock_guard lock(request->mutex);
        if (request->abandoned) return;
    }
    CredentialValues values = request->values;
    bool accepted = ShowOnUiThread(request->question, values, &request->dialog);
    std::lock_guard lock(request->mutex);
    request->values = values;
    request->accepted = accepted;
    request->done = true;
    request->answered.notify_all();
}

}  // namespace

CString CredentialPromptText(const CredentialQuestion& question) {
    CString text = "Please type your user name and password.\n\nSite:  ";
    text += Shown(question.host).c_str();
    if (!question.realm.empty()) {
        text += "\nRealm:  ";
        text += Shown(question.realm).c_str();
    }
    return text;
}

CCredentialDialog::CCredentialDialog(const CredentialQuestion& question, CWnd* pParent)
    : CDialog(kTemplate, pParent), m_strPrompt(CredentialPromptText(question)) {}

void CCredentialDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_CREDENTIAL_PROMPT, m_strPrompt);
    DDX_Text(pDX, IDC_CREDENTIAL_USER, m_strUserName);
    DDX_Text(pDX, IDC_CREDENTIAL_PASSWORD, m_strPassword);
}

BOOL CCredentialDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_strUserName.IsEmpty()) return TRUE;
    // A password typed at once goes, masked, where it belongs; the name stays.
    if (CWnd* password = GetDlgItem(IDC_CREDENTIAL_PASSWORD)) password->SetFocus();
    return FALSE;
}

bool AskForCredentials(const CredentialQuestion& question, CredentialValues& values,
                       const std::function<bool()>& abandon) {
    if (MessageQueue::Instance().IsUIThread()) return ShowOnUiThread(question, values);

    auto request = std::make_shared<CrossThreadRequest>();
    request->question = question;
    request->values = values;
    MessageQueue::Instance().PostTask([request] { Answer(request); });

    std::unique_lock lock(request->mutex);
    while (!request->done) {
        request->answered.wait_for(lock, std::chrono::milliseconds(100));
        if (request->done) break;
        if (abandon && abandon()) {
            request->abandoned = true;
            // Close the dialog if the UI thread has it open already.
            MessageQueue::Instance().PostTask([request] {
                if (request->dialog != nullptr) request->dialog->EndDialog(IDCANCEL);
            });
            return false;
        }
    }
    if (request->accepted) values = request->values;
    return request->accepted;
}

}  // namespace ui
