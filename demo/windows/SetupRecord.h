// The trace by which a demo or a test tells that the download wizard started
// the demonstration installer: one line appended to the file named by the
// environment variable VESSAMO_SETUP_RECORD (when set), in the form the
// Linux demo installer writes, "ran PATH in DIR as pid N": the program's
// path, its working directory, and the Windows process id of the process
// that shows the setup window.
//
// Under Wine the paths are written in their Unix form, as the Linux harness
// and scripts/demo know them, and a Unix record path is understood; on
// Windows itself they stay Windows paths.
#pragma once

namespace demo {

class SetupRecord {
  public:
    // Appends this process's line, naming `windowProcessId`; does nothing when
    // no record is asked for or it cannot be written.
    static void RecordStart(unsigned long windowProcessId);
};

}  // namespace demo
