// Control wrappers: a CWnd bound to a control (usually by DDX_Control) with
// the control's operations, each a message sent to the control.
#pragma once

#include "platform/ui/CWnd.h"

class CProgressCtrl : public CWnd {
  public:
    // PBM_SETRANGE: the low and high ends of the bar.
    void SetRange(short nLower, short nUpper);
    // PBM_SETPOS: returns the previous position.
    int SetPos(int nPos);
    // PBM_GETPOS.
    int GetPos();
};

class CButton : public CWnd {
  public:
    // BM_SETCHECK with BST_CHECKED or BST_UNCHECKED.
    void SetCheck(int nCheck);
    // BM_GETCHECK.
    int GetCheck();
};
