// The download routine: one HTTP GET from the download host into a local file.
#pragma once

#include "platform/Types.h"

// Fetches `pszObject` (a bare name such as "index.html", sent as
// "GET /index.html") from the download host into the file `pszLocalPath`,
// blocking the calling thread. An existing file is truncated and rewritten,
// otherwise a new one is created; it is left untouched when the server
// refuses (a status other than 2xx, after any 401 rounds with the credential
// prompt) or the cancel flag is seen before the body starts.
//
// TRUE when the whole body is in the file. FALSE when the cancel flag is
// seen (on entry, after the status, after the length, before each read or
// while a read waits), when the status is refused, when the local file
// cannot be opened, written or closed. A transport failure, including a body
// that ends short of its announced length, throws CInternetException; the
// request and the local file are closed on every way out, and a partial file
// stays on disk for the caller to delete.
//
// Sets g_nProgress after every read: the percentage of the announced length,
// 0 while no length is known, 100 once the body has ended.
//
// `dwMaxSilenceMs`, when not 0, shortens the longest silence of the host the
// routine waits through (60 s otherwise) to that many milliseconds; a
// silence that long throws CInternetException as any time-out does.
BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DWORD dwMaxSilenceMs = 0);
