// The credential dialog: asks for a user name and a password when a host
// refuses a request without them. Built from a template of the platform's
// own: a prompt naming the host and the realm, the user-name field, the
// masked password field, OK (the default button) and Cancel.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/CDialog.h"

namespace ui {

struct CredentialQuestion {
    std::string host;
    std::string realm;  // "" when the host named none
};

struct CredentialValues {
    std::string userName;
    std::string password;
};

// Identifiers of the dialog's template and its fields.
constexpr UINT IDD_CREDENTIALS = 0x7F10;
constexpr int IDC_CREDENTIAL_PROMPT = 0x7F11;
constexpr int IDC_CREDENTIAL_USER = 0x7F12;
constexpr int IDC_CREDENTIAL_PASSWORD = 0x7F13;

// The prompt text for `question`.
CString CredentialPromptText(const CredentialQuestion& question);

class CCredentialDialog : public CDialog {
  public:
    CCredentialDialog(const CredentialQuestion& question, CWnd* pParent);

    CString m_strPrompt;
    CString m_strUserName;
    CString m_strPassword;

    void DoDataExchange(CDataExchange* pDX) override;
    // With a user name filled in (the host refused it, or asks again), the
    // caret waits in the empty password field; else in the user name.
    BOOL OnInitDialog() override;
};

// Shows the dialog modally on the UI thread, over the active window, with
// `values` filled in (the password field starts empty). On OK `values`
// receives what was typed and the result is true; Cancel gives false.
//
// Called on another thread, it asks the UI thread to show the dialog and
// waits for the answer; the UI thread must be running a loop then (it is:
// a download runs under the modal progress window, the connection test
// under the wizard's busy loop). While it waits, it
// calls `abandon` (if given) every 100 ms; when that returns true, it
// answers false at once and the dialog, if already open, is cancelled.
bool AskForCredentials(const CredentialQuestion& question, CredentialValues& values,
                       const std::function<bool()>& abandon = {});

}  // namespace ui
