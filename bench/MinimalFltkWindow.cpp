// The reference for start-up time: the least an FLTK program does to map one
// window, linked the same way as the wizard (FLTK statically).
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

int main() {
    Fl_Window window(400, 300, "Minimal FLTK window");
    window.end();
    window.show();
    return Fl::run();
}
