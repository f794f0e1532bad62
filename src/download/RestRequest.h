// Asking the download host for the rest of a kept download, and telling
// from the answer whether it is that rest: a range request is safe only if
// every wrong answer leads to a fresh download or a failure, never to
// bytes of one file appended to bytes of another.
#pragma once

#include "download/DownloadOutcome.h"
#include "download/DownloadState.h"
#include "download/KeptDownload.h"
#include "platform/net/HttpFile.h"

// Where the body of a whole (2xx, not 206) answer to a request of
// `pszObject` came from. Its validator is the response's ETag unless that
// is weak, else its Last-Modified; its length is the announced length of a
// body that comes as the file's own bytes (no content coding).
DownloadOrigin OriginOf(const CHttpFile& request, LPCTSTR pszObject);

// What the answer to a request for the rest allows.
enum class RestAnswer {
    Rest,     // a 206 with exactly the kept file's remaining bytes: append them
    Whole,    // a 200: the whole file, written afresh from byte zero
    Restart,  // any other 206, a 416: drop the kept bytes and ask again plainly
    Failed,   // any other end (a refusal, a cancel): the download ends as `answer` says
};

// Adds "Range: bytes=N-" and "If-Range" with the kept validator to
// `request` (a GET of the kept object, not yet sent), sends it through
// SendAndAccept and judges the answer; `answer` holds SendAndAccept's
// outcome; `stop` ends its waits. A transport failure throws CInternetException.
RestAnswer AskForRest(CHttpFile& request, const KeptDownload& kept, const StopFlag& stop,
                      DownloadOutcome& answer);
