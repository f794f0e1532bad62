// Measures how long a window's thread takes to answer a message, from
// another process of the same Wine prefix (or Windows session): the wizard
// frozen on its user-interface thread answers late, whatever it draws.
//
//   vessamo-message-latency-probe TITLE SECONDS OUTPUT
//
// Waits up to 60 s for a top-level window titled TITLE, then for SECONDS
// sends it WM_NULL every 5 ms and writes "max_ms=<n> answered=<count>
// focus=<text>" to the file OUTPUT. The text is that of the keyboard focus
// of the window's thread ("" when none) 300 ms after the download's
// progress window went, or at the end when it never did. A window that
// goes away ends the measurement early. Exits 0 when a message was answered.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring Wide(const char* text) {
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
    return wide;
}

HWND WaitForWindow(const std::wstring& title) {
    ULONGLONG deadline = GetTickCount64() + 60000;
    HWND window = nullptr;
    while ((window = FindWindowW(nullptr, title.c_str())) == nullptr &&
           GetTickCount64() < deadline) {
        Sleep(20);
    }
    return window;
}

// The text of the control that has the keyboard focus in `window`'s thread.
std::string FocusText(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    char text[256] = {};
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
        info.hwndFocus != nullptr) {
        GetWindowTextA(info.hwndFocus, text, sizeof text);
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: vessamo-message-latency-probe TITLE SECONDS OUTPUT\n");
        return 2;
    }
    HWND window = WaitForWindow(Wide(argv[1]));
    if (window == nullptr) return 1;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    ULONGLONG until = GetTickCount64() + 1000ULL * std::strtoul(argv[2], nullptr, 10);
    double maxMs = 0;
    long answered = 0;
    bool progressSeen = false;
    ULONGLONG progressGone = 0;
    std::string focus;
    bool focusTaken = false;
    while (GetTickCount64() < until && IsWindow(window)) {
        bool progressOpen = FindWindowW(nullptr, L"Download Progress") != nullptr;
        progressSeen = progressSeen || progressOpen;
        if (progressSeen && !progressOpen && progressGone == 0) progressGone = GetTickCount64();
        if (progressGone != 0 && !focusTaken && GetTickCount64() >= progressGone + 300) {
            focus = FocusText(window);
            focusTaken = true;
        }
        DWORD_PTR result = 0;
        QueryPerformanceCounter(&start);
        LRESULT ok = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        QueryPerformanceCounter(&end);
        if (ok != 0) {
            ++answered;
            double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart);
            if (ms > maxMs) maxMs = ms;
        } else if (!IsWindow(window)) {
            break;
        } else {
            maxMs = 10000;  // no answer within the time-out at all
        }
        Sleep(5);
    }
    FILE* output = std::fopen(argv[3], "w");
    if (output == nullptr) return 1;
    if (!focusTaken) focus = FocusText(window);
    std::fprintf(output, "max_ms=%.1f answered=%ld focus=%s\n", maxMs, answered, focus.c_str());
    std::fclose(output);
    return answered > 0 ? 0 : 1;
}
