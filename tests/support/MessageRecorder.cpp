#include "support/MessageRecorder.h"

namespace testing_support {

MessageRecorder::MessageRecorder() : m_hWnd(ui::RegisterWindow(this)) {}

MessageRecorder::~MessageRecorder() {
    Close();
}

void MessageRecorder::Close() {
    if (m_hWnd != nullptr) ui::UnregisterWindow(m_hWnd);
    m_hWnd = nullptr;
}

LRESULT MessageRecorder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    m_received.push_back({m_hWnd, message, wParam, lParam});
    return static_cast<LRESULT>(message) + lParam;
}

}  // namespace testing_support
