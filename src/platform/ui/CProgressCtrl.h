// CProgressCtrl: a CWnd bound to a progress bar (usually by DDX_Control)
// with the bar's operations, each a message sent to the control.
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
