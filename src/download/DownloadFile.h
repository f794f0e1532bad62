// The download routine: one HTTP GET from the download host into a local file.
#pragma once

#include "download/DownloadOutcome.h"
#include "download/DownloadState.h"
#include "download/KeptDownload.h"
#include "platform/Types.h"
#include "platform/crypto/PackageSignature.h"

// Fetches `pszObject` (a bare name such as "index.html", sent as
// "GET /index.html") from the download host into the file `pszLocalPath`,
// blocking the calling thread. The body goes into a new file of the
// wizard's own beside the target (see PartialDownload), which is renamed
// over `pszLocalPath` only once the body has ended and the file is safely
// on disk; whatever was at `pszLocalPath` (a file, or a link, never followed)
// is replaced in that one step. Until then the target is never touched, and
// on every other way out the partial file is removed.
//
// TRUE when the whole body is in the file at `pszLocalPath`. FALSE when the
// cancel flag is seen (on entry, after the status, after the length, before
// each read or while a read waits), when the status is refused (a status
// other than 2xx, after any 401 rounds with the credential prompt), when the
// target may not be replaced (a folder, a file we may not write), and when
// the partial file cannot be created, written, flushed, closed or renamed. A
// transport failure, including a body that ends short of its announced
// length, throws CInternetException; the request is closed and the partial
// file removed on the way out.
//
// Sets g_nProgress after every read: the percentage of the announced length,
// 0 while no length is known, 100 once the file is in place.
//
// `dwMaxSilenceMs`, when not 0, shortens the longest silence of the host the
// routine waits through (60 s otherwise) to that many milliseconds; a
// silence that long throws CInternetException as any time-out does.
BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DWORD dwMaxSilenceMs = 0);

// The same, also recording in `outcome` how it ended; a transport failure
// is recorded with its error code before the exception goes on.
BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, DownloadOutcome& outcome,
                  DWORD dwMaxSilenceMs = 0);

// As DownloadFile, for a package that the publisher signed with the private
// half of `key`. The SHA-256 of the body is computed as it is written; once
// the body has ended, "`pszObject`.sig" is fetched from the download host
// under the same rules (see SignatureFetch.h) and verified, and only a
// package that passes takes its name. A missing, oversized, malformed or
// wrong signature ends the download FALSE with outcome Unsigned, the
// partial file removed. The percentage stays below 100 until the check has
// passed. On success `outcome.verified` holds the file's SHA-256.
BOOL DownloadSignedFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, const crypto::PublicKey& key,
                        DownloadOutcome& outcome, DWORD dwMaxSilenceMs = 0);

// The package download of the download page: as DownloadFile, or as
// DownloadSignedFile with a `key`, and able to continue a broken download.
// When `kept` holds bytes of `pszObject`, the request asks for the rest
// with "Range: bytes=N-" and "If-Range: <validator>" (see RestRequest.h):
// the rest of the same file is appended to them, a whole file is taken
// afresh, and any other answer drops them. A transport failure while the
// body arrives leaves the bytes so far in `kept` (the partial file stays,
// open, under its own name) when the response named a strong validator and
// the file's length; one before any answer leaves `kept` as it was. Every
// other end leaves `kept` empty.
BOOL DownloadFile(LPCTSTR pszObject, LPCTSTR pszLocalPath, const crypto::PublicKey* key,
                  DownloadOutcome& outcome, KeptDownload& kept, DWORD dwMaxSilenceMs = 0);
