// A window that only records the messages it receives, standing in for a
// real window in tests of the message calls.
#pragma once

#include <vector>

#include "platform/ui/MessageQueue.h"
#include "support/NonCopyable.h"

namespace testing_support {

class MessageRecorder final : public ui::MessageTarget, NonCopyable {
  public:
    // Registers the window; it lives until Close or destruction.
    MessageRecorder();
    ~MessageRecorder();

    // Ends the window's life now, as when a dialog ends; Handle() is null then.
    void Close();
    HWND Handle() const { return m_hWnd; }
    // Every message received, in order.
    const std::vector<ui::QueuedMessage>& Received() const { return m_received; }

    // Records the message and answers message + lParam.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HWND m_hWnd;
    std::vector<ui::QueuedMessage> m_received;
};

}  // namespace testing_support
