// The worker thread of a package download.
#pragma once

#include "download/DownloadOutcome.h"
#include "download/KeptDownload.h"
#include "platform/Types.h"
#include "platform/crypto/PackageSignature.h"

// What the worker is given: the publisher's key (nullptr: the package is
// taken unchecked), what an earlier broken download kept, and the outcome
// it fills; it leaves in `kept` what this one keeps.
struct DownloadJob {
    const crypto::PublicKey* key = nullptr;
    KeptDownload kept;
    DownloadOutcome outcome;
};

// Thread entry: downloads the selected package (GetPackageName(GetOSType()))
// from the download host into the package path, then records a failure by
// setting the cancel flag. A success writes nothing, so a cancel the user
// gave meanwhile stays set. `pParam` is a DownloadJob: with a key, the
// package must carry the publisher's signature (DownloadSignedFile); its
// outcome receives how the download ended. It is the thread's alone until
// the thread has ended; nullptr downloads unchecked and records nothing. The shared state must have
// been reset before the thread starts (DownloadThreads::Start does it). The exit code is always 0.
DWORD DownloadThreadProc(LPVOID pParam);
