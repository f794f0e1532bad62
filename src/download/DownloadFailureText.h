// Why a download failed, in words a user can act on.
#pragma once

#include "download/DownloadOutcome.h"
#include "platform/CString.h"

// The cause of a failed download as a clause that completes "The download
// failed: ", without a final period; for example "the server answered 404
// Not Found". A status is named with its standard reason phrase, never with
// the server's own; an unknown code as "status 599". "" for an outcome that
// names no cause (a success, a cancel, a download that never ran).
CString DescribeDownloadFailure(const DownloadOutcome& outcome);
