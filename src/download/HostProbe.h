// The connection test's fetch: does the download host answer with a whole,
// well-framed 2xx body?
#pragma once

#include "download/DownloadState.h"
#include "platform/Types.h"
#include "platform/os/LocalFile.h"

// Fetches `pszObject` from the download host as DownloadFile does (the same
// request, 401 rounds with the credential prompt, the same time-outs and
// framing checks, `dwMaxSilenceMs` alike) and writes its body into `file`
// as the host sent it, whatever its content coding: the test throws the
// body away, so that a host that compresses its answer whatever it is asked
// (gzip, br, ...) still counts as reachable.
//
// TRUE when the whole body arrived and was written. FALSE when `stop` is
// seen (after the connection, after the status, before each read or while
// a read waits, the credential prompt included), when the status is refused, the prompt cancelled,
// or `file` cannot be written. A transport failure, including a body that ends short of its
// announced length, throws CInternetException.
BOOL FetchAsSent(LPCTSTR pszObject, os::LocalFile& file, const StopFlag& stop,
                 DWORD dwMaxSilenceMs);
