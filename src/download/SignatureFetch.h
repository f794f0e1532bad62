// The publisher's signature of a package: NAME.sig beside the package NAME
// on the download host, fetched like the package itself (same connection
// rules, redirects and remembered credentials) and checked against the
// bytes that arrived.
#pragma once

#include "download/DownloadOutcome.h"
#include "download/DownloadState.h"
#include "platform/crypto/PackageSignature.h"
#include "platform/net/HttpConnection.h"

// Fetches `pszObject` + ".sig" on `connection` and verifies it for
// `digest` with `key`. Succeeded when it verifies. Unsigned when the host
// has no signature (404 or 410), or when it is empty, longer than
// crypto::kMaxSignatureSize, malformed or made for other bytes or with
// another key; otherwise why the request failed (another status, a
// cancel through `stop`, a cancelled sign-in). A transport failure throws
// CInternetException.
DownloadOutcome CheckSignature(CHttpConnection& connection, BOOL bSecure, LPCTSTR pszObject,
                               const crypto::Digest& digest, const crypto::PublicKey& key,
                               const StopFlag& stop);

// The same on a session of its own, for a package that is already on disk
// with SHA-256 `digest`; nothing stops it but its time-outs. A transport
// failure is returned as TransportFailed.
DownloadOutcome CheckPublishedSignature(LPCTSTR pszObject, const crypto::Digest& digest,
                                        const crypto::PublicKey& key, DWORD dwMaxSilenceMs);
