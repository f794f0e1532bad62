// The percentage that a download reports as it goes.
#pragma once

#include "platform/net/InternetDefs.h"

// The percentage of `ullContentLength` bytes that `ullTotal` bytes are:
// 0 when the length is unknown (0), 100 once the total reaches or passes it,
// otherwise total x 100 / length rounded down. Exact for every 64-bit value.
int DownloadPercentage(ULONGLONG ullTotal, ULONGLONG ullContentLength);
