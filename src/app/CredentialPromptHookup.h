// Connects the network layer's 401 hook to the window layer's credential
// dialog.
#pragma once

// From now on a 401 brings up the credential dialog over the active window,
// shown by the user-interface thread even when a download thread asks. A
// thread that waits for the answer gives up when the download is cancelled.
// What the user typed is tried first, without asking, by a later request
// that meets a 401 from the same host and realm (CredentialMemory).
void InstallCredentialPrompt();
