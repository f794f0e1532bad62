// Window handles: opaque values that name live windows. A handle is never
// reused, so a stale handle can only ever name no window at all.
#pragma once

#include "platform/Types.h"

namespace ui {

// What a handle names: anything that takes window messages.
class MessageTarget {
  public:
    // Handles one message and returns its result.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  protected:
    ~MessageTarget() = default;
};

// Gives `target` a fresh handle, never handed out before. UI thread only.
HWND RegisterWindow(MessageTarget* target);
// Ends the life of `hWnd`: later look-ups find nothing. UI thread only.
void UnregisterWindow(HWND hWnd);
// The live window named by `hWnd`, or nullptr for a dead or null handle.
MessageTarget* FindWindowTarget(HWND hWnd);

}  // namespace ui
