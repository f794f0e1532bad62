// A stand-in for the real K7 Vessamo installer, served by the demo's download
// host under both package names. It shows a window titled "K7 Vessamo Setup"
// and records that it ran, so that a demo or a test can tell that the wizard
// started it. It installs nothing.
//
// The record is one line appended to the file named by VESSAMO_SETUP_RECORD
// (when set): the installer's own path, its working directory and its
// process id ("ran PATH in DIR as pid N"), by which a test or the demo
// stops it again.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

void RecordStart(const char* argv0) {
    const char* recordPath = std::getenv("VESSAMO_SETUP_RECORD");
    if (recordPath == nullptr || *recordPath == '\0') return;
    char self[PATH_MAX] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) < 0)
        std::snprintf(self, sizeof self, "%s", argv0);
    char cwd[PATH_MAX] = {};
    if (getcwd(cwd, sizeof cwd) == nullptr) cwd[0] = '\0';
    if (FILE* record = std::fopen(recordPath, "a")) {
        std::fprintf(record, "ran %s in %s as pid %ld\n", self, cwd, static_cast<long>(getpid()));
        std::fclose(record);
    }
}

void CloseWindow(Fl_Widget*, void* window) {
    static_cast<Fl_Window*>(window)->hide();
}

}  // namespace

int main(int argc, char** argv) {
    RecordStart(argc > 0 ? argv[0] : "");
    // Without a screen there is nothing to show; the record is what counts.
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return 0;
    Fl_Window window(360, 150, "K7 Vessamo Setup");
    Fl_Box text(20, 20, 320, 70,
                "This is the demonstration installer of K7 Vessamo.\n"
                "The download wizard started it. Nothing is installed.");
    text.align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_LEFT);
    text.labelsize(12);
    Fl_Button close(260, 106, 80, 26, "Close");
    close.callback(&CloseWindow, &window);
    window.end();
    window.show();
    return Fl::run();
}
