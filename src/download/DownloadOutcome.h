// How one download ended, in enough detail to tell the user why it failed.
// Filled on the thread that downloads and read once that thread has ended.
#pragma once

#include "platform/Types.h"
#include "platform/crypto/Sha256.h"

struct DownloadOutcome {
    enum class Kind {
        NotFinished,      // the download never ran to an end (a thread could not start, say)
        Succeeded,        // the whole body is in the file
        Cancelled,        // the cancel flag was seen
        Refused,          // the server answered with status `code`
        SignInCancelled,  // a 401 was answered with Cancel in the credential prompt
        TransportFailed,  // the connection failed with internet error `code` (InternetDefs.h)
        LocalFileFailed,  // the local file failed with errno `code`
        Unsigned,         // no valid signature of the publisher came with the package
    };

    Kind kind = Kind::NotFinished;
    DWORD code = 0;
    // The SHA-256 of the file in place, once its signature was verified.
    crypto::Digest verified{};
};
