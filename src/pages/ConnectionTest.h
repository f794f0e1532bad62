// The connection test of the operating-system page: does a direct HTTP
// connection to the download host work?
#pragma once

#include "platform/Types.h"

class CPropertySheet;

// The longest silence of the download host the test waits through.
constexpr DWORD kConnectionTestMaxSilenceMs = 20000;
// The shortest time the window stays busy: a test that ends sooner would let
// the second click of a double click on Next skip the page it leads to.
constexpr DWORD kConnectionTestShortestBusyMs = 500;

// Fetches "index.html" from the download host into a scratch file that the
// test creates for itself under a fresh name in the executable's directory,
// and deletes that file again; no other file is touched. TRUE when the whole
// body of a 2xx answer arrived, in whatever content coding the host chose
// (FetchAsSent). FALSE when the host cannot be reached, refuses or stays
// silent for kConnectionTestMaxSilenceMs, the credential prompt is
// cancelled, no file can be created in the executable's directory, or the
// user ended the wizard meanwhile.
//
// The fetch runs on a thread of its own while the calling (user-interface)
// thread keeps `wizard`'s window alive: it repaints and shows itself busy,
// its Cancel, Escape and close box end the wizard and, at once, the test
// (through the cancel flag), and any other input is dropped, for
// kConnectionTestShortestBusyMs at least. Without a
// wizard, or when no thread can be started, the fetch blocks the caller.
BOOL TestDirectConnection(CPropertySheet* wizard);
