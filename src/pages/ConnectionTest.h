// The connection test of the operating-system page: does a direct HTTP
// connection to the download host work?
#pragma once

#include "platform/Types.h"

// Fetches "index.html" from the download host, blocking the calling thread,
// into a scratch file that the test creates for itself under a fresh name in
// the executable's directory, and deletes that file again; no other file is
// touched. TRUE when the whole object arrived. FALSE when the host cannot be
// reached or refuses, the credential prompt is cancelled, or no file can be
// created in the executable's directory.
BOOL TestDirectConnection();
