#include "platform/ui/CWinApp.h"

#include <algorithm>
#include <vector>

#include "platform/ui/MessageQueue.h"

namespace {

// Applications in the order they were constructed; the last one is current.
std::vector<CWinApp*>& Applications() {
    static std::vector<CWinApp*> applications;
    return applications;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp() {
    Applications().push_back(this);
}

CWinApp::~CWinApp() {
    auto& applications = Applications();
    applications.erase(std::remove(applications.begin(), applications.end(), this),
                       applications.end());
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

BOOL CWinApp::Enable3dControls() {
    return TRUE;
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return Applications().empty() ? nullptr : Applications().back();
}

BOOL AfxHelpEnabled() {
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->HasCommandHandler(ID_HELP, 0) ? TRUE : FALSE;
}

void AfxEnableControlContainer() {}

int AfxWinMain() {
    ui::MessageQueue::Instance().BindToCurrentThread();
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return -1;
    // The wizard runs inside InitInstance; whatever it answers, the
    // application then ends.
    app->InitInstance();
    return app->ExitInstance();
}
