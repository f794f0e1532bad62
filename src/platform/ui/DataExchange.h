// Dialog data exchange: binds members of a dialog or page to its controls.
// DoDataExchange lists the bindings; UpdateData runs them all in one
// direction.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

class CWnd;

class CDataExchange {
  public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
    // FALSE once a binding named a control that does not exist.
    BOOL m_bAllFound = TRUE;
};

// A control's text and a CString.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A check box's or radio button's state (0, 1) and an int / BOOL.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Makes `control` the framework object of control nIDC (done once; later
// exchanges leave it bound).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);
