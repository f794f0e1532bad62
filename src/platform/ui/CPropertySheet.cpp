#include "platform/ui/CPropertySheet.h"

#include <algorithm>

#include "platform/ui/CWinApp.h"
#include "platform/ui/ModalLoop.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/ResourceRegistry.h"
#include "platform/ui/SheetGeometry.h"

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

namespace {

// The button row, in dialog units (SheetGeometry.h).
using namespace ui::sheet;

struct ButtonSpec {
    int id;
    const char* text;
};
constexpr ButtonSpec kButtons[] = {
    {ID_WIZBACK, "< &Back"}, {ID_WIZNEXT, "&Next >"}, {ID_WIZFINISH, "Finish"},
    {IDCANCEL, "Cancel"},    {ID_HELP, "&Help"},
};

}  // namespace

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(ui::LoadResourceString(nIDCaption)),
      m_pParentWnd(pParentWnd),
      m_nStartPage(static_cast<int>(iSelectPage)) {}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption),
      m_pParentWnd(pParentWnd),
      m_nStartPage(static_cast<int>(iSelectPage)) {}

CPropertySheet::~CPropertySheet() {
    // The pages, members of a derived class, are gone already: only the
    // windows are left to destroy.
    DestroyModelWindow();
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    m_pages.push_back(pPage);
    pPage->m_pSheet = this;
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(m_nActive);
}

int CPropertySheet::FindPageByTemplate(UINT nIDTemplate) const {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)]->GetTemplateId() == nIDTemplate) return i;
    }
    return -1;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
    ::PostMessage(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (!m_window) {
        m_nStartPage = nPage;
        return TRUE;
    }
    if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
    CPropertyPage* current = GetActivePage();
    if (current != nullptr && !current->OnKillActive()) return FALSE;
    return ActivatePage(nPage, 1) ? TRUE : FALSE;
}

int CPropertySheet::DoModal() {
    if (!Create()) return -1;
    ui::RunModalLoop(*m_window, &m_bEnded);
    int result = m_nResult;
    DestroyWindow();
    return result;
}

BOOL CPropertySheet::Create() {
    if ((m_psh.dwFlags & PSH_WIZARD) == 0 || m_pages.empty() || m_window) return FALSE;
    int width = 0;
    int height = 0;
    for (CPropertyPage* page : m_pages) {
        const ui::DialogTemplate* dialogTemplate = page->FindTemplate();
        if (dialogTemplate == nullptr) return FALSE;
        width = std::max(width, dialogTemplate->cx);
        height = std::max(height, dialogTemplate->cy);
    }
    m_pageArea = {0, 0, width, height};
    ui::Window* owner = m_pParentWnd ? m_pParentWnd->GetModelWindow() : nullptr;
    ui::DialogRect rect{0, 0, width, height + kRowGap + kButtonHeight + kMargin};
    m_window = std::make_unique<ui::Window>(ui::WindowRole::Sheet, m_strCaption, rect, owner);
    AttachModelWindow(*m_window);
    CreateButtons(*m_window);
    m_bEnded = false;
    m_nResult = -1;
    m_nActive = -1;
    ApplyWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    ui::GetRenderer().TopLevelCreated(*m_window);
    if (!ActivatePage(std::clamp(m_nStartPage, 0, GetPageCount() - 1), 1)) {
        DestroyWindow();
        return FALSE;
    }
    ui::ShowTopLevel(*m_window);
    return TRUE;
}

void CPropertySheet::DestroyWindow() {
    for (CPropertyPage* page : m_pages) page->ReleasePageWindow();
    DestroyModelWindow();
}

void CPropertySheet::DestroyModelWindow() {
    ui::DestroyTopLevel(m_window);
    m_nActive = -1;
}

void CPropertySheet::EndDialog(int nResult) {
    m_nResult = nResult;
    m_bEnded = true;
}

void CPropertySheet::CreateButtons(ui::Window& sheet) {
    for (const ButtonSpec& row : kButtons) {
        DWORD style = ui::WS_CHILD | ui::WS_TABSTOP;
        sheet.AddChild(std::make_unique<ui::Window>(
            ui::ControlKind::PushButton, row.id, row.text,
            ui::DialogRect{0, 0, kButtonWidth, kButtonHeight}, style, &sheet));
    }
    sheet.FindChild(ID_WIZFINISH)->SetVisible(false);
    UpdateHelpButton();
}

void CPropertySheet::LayoutButtons() {
    // Right to left: Help (when shown), Cancel, then Next or Finish with
    // Back against it.
    int y = m_pageArea.cy + kRowGap;
    int right = m_window->Rect().cx - kMargin;
    ui::Window* help = m_window->FindChild(ID_HELP);
    if (help->IsVisible()) {
        help->SetRect({right - kButtonWidth, y, kButtonWidth, kButtonHeight});
        right -= kButtonWidth + kMargin;
    }
    m_window->FindChild(IDCANCEL)->SetRect({right - kButtonWidth, y, kButtonWidth, kButtonHeight});
    right -= kButtonWidth + kMargin;
    for (int id : {ID_WIZNEXT, ID_WIZFINISH}) {
        m_window->FindChild(id)->SetRect({right - kButtonWidth, y, kButtonWidth, kButtonHeight});
    }
    right -= kButtonWidth;
    m_window->FindChild(ID_WIZBACK)
        ->SetRect({right - kButtonWidth, y, kButtonWidth, kButtonHeight});
}

void CPropertySheet::ApplyWizardButtons(DWORD dwFlags) {
    ui::Window* back = m_window->FindChild(ID_WIZBACK);
    ui::Window* next = m_window->FindChild(ID_WIZNEXT);
    ui::Window* finish = m_window->FindChild(ID_WIZFINISH);
    bool showFinish = (dwFlags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
    back->SetEnabled((dwFlags & PSWIZB_BACK) != 0);
    next->SetEnabled((dwFlags & PSWIZB_NEXT) != 0);
    next->SetVisible(!showFinish);
    next->SetDefaultButton(!showFinish);
    finish->SetEnabled((dwFlags & PSWIZB_FINISH) != 0);
    finish->SetVisible(showFinish);
    finish->SetDefaultButton(showFinish);
    // A control that just went away or grew disabled (a button of the
    // sheet, or one of the page's, such as a page's own action once done)
    // cannot keep the focus. It goes where Enter does no harm: the default
    // button, else the page, else Back; never Cancel, where a second Enter
    // would end the wizard.
    ui::Window* focus = m_window->Focus();
    if (focus != nullptr && (!focus->IsVisible() || !focus->IsEnabled())) {
        ui::Window* fallback = showFinish ? finish : next;
        if (!fallback->IsEnabled()) fallback = FirstPageTabStop();
        if (fallback == nullptr && back->IsEnabled()) fallback = back;
        m_window->SetFocus(fallback);
    }
}

ui::Window* CPropertySheet::FirstPageTabStop() const {
    CPropertyPage* page = GetActivePage();
    ui::Window* window = page ? page->GetModelWindow() : nullptr;
    return window != nullptr ? window->FirstTabStop() : nullptr;
}

void CPropertySheet::UpdateHelpButton() {
    bool anyHelp = (m_psh.dwFlags & PSH_HASHELP) != 0;
    for (CPropertyPage* page : m_pages) anyHelp = anyHelp || (page->m_psp.dwFlags & PSP_HASHELP);
    CPropertyPage* active = GetActivePage();
    ui::Window* help = m_window->FindChild(ID_HELP);
    help->SetVisible(anyHelp);
    help->SetEnabled(active != nullptr && (active->m_psp.dwFlags & PSP_HASHELP) != 0);
    LayoutButtons();
}

bool CPropertySheet::ActivatePage(int target, int step) {
    for (int index = target; index >= 0 && index < GetPageCount(); index += step) {
        CPropertyPage* page = m_pages[static_cast<size_t>(index)];
        if (page->GetModelWindow() == nullptr &&
            !page->CreatePageWindow(*m_window, m_pageArea.x, m_pageArea.y)) {
            continue;
        }
        // A page's first initialisation may wait for work while the window
        // stays alive; a Cancel meanwhile ends the wizard, which then shows
        // no further page.
        if (m_bEnded) return true;
        if (page->OnSetActive()) {
            ShowPage(index);
            return true;
        }
    }
    return false;
}

void CPropertySheet::ShowPage(int index) {
    CPropertyPage* previous = GetActivePage();
    CPropertyPage* page = m_pages[static_cast<size_t>(index)];
    if (previous != nullptr && previous != page) {
        if (ui::Window* window = previous->GetModelWindow()) window->SetVisible(false);
    }
    ui::Window* window = page->GetModelWindow();
    window->SetEnabled(true);
    window->SetVisible(true);
    m_nActive = index;
    const ui::DialogTemplate* dialogTemplate = page->FindTemplate();
    bool hasCaption = dialogTemplate->caption != nullptr && dialogTemplate->caption[0] != '\0';
    m_window->SetText(hasCaption ? CString(dialogTemplate->caption) : m_strCaption);
    UpdateHelpButton();
    FocusFirstControl();
}

void CPropertySheet::FocusFirstControl() {
    if (ui::Window* control = FirstPageTabStop()) {
        m_window->SetFocus(control);
        return;
    }
    ui::Window* next = m_window->FindChild(ID_WIZNEXT);
    ui::Window* finish = m_window->FindChild(ID_WIZFINISH);
    m_window->SetFocus(next->IsVisible() ? next : finish);
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PSM_SETWIZBUTTONS) {
        if (m_window) ApplyWizardButtons(static_cast<DWORD>(lParam));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_window || m_bEnded) return CWnd::OnCommand(wParam, lParam);
    switch (static_cast<int>(LOWORD(wParam))) {
        case ID_WIZNEXT:
            PressNext();
            return TRUE;
        case ID_WIZBACK:
            PressBack();
            return TRUE;
        case ID_WIZFINISH:
            PressFinish();
            return TRUE;
        case IDCANCEL:
            PressCancel();
            return TRUE;
        case ID_HELP:
            PressHelp();
            return TRUE;
        default:
            return CWnd::OnCommand(wParam, lParam);
    }
}

void CPropertySheet::PressNext() {
    if (CPropertyPage* page = GetActivePage()) Navigate(page->OnWizardNext(), 1);
}

void CPropertySheet::PressBack() {
    if (CPropertyPage* page = GetActivePage()) Navigate(page->OnWizardBack(), -1);
}

void CPropertySheet::Navigate(LRESULT answer, int step) {
    if (answer == -1) return;
    int target = answer == 0 ? m_nActive + step : FindPageByTemplate(static_cast<UINT>(answer));
    if (target < 0 || target >= GetPageCount()) return;
    if (!GetActivePage()->OnKillActive()) return;
    ActivatePage(target, step);
}

void CPropertySheet::PressFinish() {
    CPropertyPage* page = GetActivePage();
    if (page == nullptr || page->OnWizardFinish()) EndDialog(ID_WIZFINISH);
}

void CPropertySheet::PressCancel() {
    CPropertyPage* page = GetActivePage();
    if (page == nullptr || page->OnQueryCancel()) EndDialog(IDCANCEL);
}

void CPropertySheet::PressHelp() {
    // The page has the first word; what it does not take goes on to the
    // sheet's map and then to the application's.
    CPropertyPage* page = GetActivePage();
    if (page != nullptr) {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
    } else {
        CWnd::OnCommand(MAKEWPARAM(ID_HELP, 0), 0);
    }
}

CCmdTarget* CPropertySheet::GetCommandRouteNext() const {
    return AfxGetApp();
}
