// The download routine under measurement. One program, several modes:
//
//   vessamo-bench-download fetch HOST:PORT OBJECT LOCAL-PATH
//       One DownloadFile; prints "result=<0|1> progress=<n> bytes=<size>".
//       The caller measures time, CPU and peak memory of the whole process.
//   vessamo-bench-download fetch-signed HOST:PORT OBJECT LOCAL-PATH KEY-HEX
//       The same with DownloadSignedFile and the publisher key whose point
//       KEY-HEX spells: OBJECT.sig is fetched and checked as well.
//   vessamo-bench-download cancel-latency [sending] RUNS
//       Against an in-process host that stalls mid-body (or, with
//       "sending", that keeps sending): the time from setting the cancel
//       flag to DownloadFile returning, per run; prints
//       "cancel_latency_ms_max=<ms>" and the median.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "download/DownloadFile.h"
#include "download/DownloadHost.h"
#include "download/DownloadOutcome.h"
#include "download/DownloadState.h"
#include "platform/net/InternetException.h"
#include "support/TempDir.h"
#include "support/TestHost.h"
#include "support/TestHostBody.h"
#include "support/seams/TestDownloadHost.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_support::FileSize;

// `keyHex` null: an unsigned download.
int Fetch(const char* host, const char* object, const char* localPath, const char* keyHex) {
    testing_support::SetDownloadHost(host);
    crypto::PublicKey key;
    if (keyHex != nullptr && !crypto::ParsePublicKey(keyHex, key)) return 2;
    BOOL result = FALSE;
    try {
        DownloadOutcome outcome;
        result = keyHex != nullptr ? DownloadSignedFile(object, localPath, key, outcome)
                                   : DownloadFile(object, localPath);
    } catch (...) {
        result = FALSE;
    }
    std::printf("result=%d progress=%d bytes=%lld\n", result, GetProgress(),
                static_cast<long long>(FileSize(localPath)));
    return result ? 0 : 1;
}

// One cancelled download from a fresh host that holds back all but the
// first 256 KiB, or that keeps sending 4 KiB every 20 ms; returns the
// milliseconds from the cancel to the return.
double OneCancel(const std::string& localPath, bool hostSending) {
    testing_support::TestHost host;
    testing_support::HttpReply reply = testing_support::HttpReply::Ok(4 << 20);
    if (hostSending) {
        reply.dripBytes = 4096;
        reply.dripIntervalMs = 20;
    } else {
        reply.stallAt = 256 * 1024;
    }
    host.Serve("/stall.bin", reply);
    testing_support::SetDownloadHost(host.HostAndPort().c_str());
    SetCancelled(FALSE);
    SetProgress(0);
    std::atomic<bool> done{false};
    Clock::time_point returned;
    std::thread worker([&] {
        try {
            DownloadFile("stall.bin", localPath.c_str());
        } catch (...) {
        }
        returned = Clock::now();
        done.store(true);
    });
    // Wait until the first 256 KiB (6 percent) are in and the host is holding
    // the rest back or still sending.
    auto deadline = Clock::now() + std::chrono::seconds(10);
    while (GetProgress() < 6 && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Clock::time_point cancelled = Clock::now();
    SetCancelled(TRUE);
    worker.join();
    std::remove(localPath.c_str());
    return std::chrono::duration<double, std::milli>(returned - cancelled).count();
}

int CancelLatency(int runs, bool hostSending) {
    testing_support::TempDir dir;
    std::vector<double> latencies;
    for (int run = 0; run < runs; ++run)
        latencies.push_back(OneCancel(dir.File("stall.bin"), hostSending));
    std::sort(latencies.begin(), latencies.end());
    std::printf("cancel_latency_ms_median=%.1f\n", latencies[latencies.size() / 2]);
    std::printf("cancel_latency_ms_max=%.1f\n", latencies.back());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "fetch") == 0) {
        return Fetch(argv[2], argv[3], argv[4], nullptr);
    }
    if (argc == 6 && std::strcmp(argv[1], "fetch-signed") == 0) {
        return Fetch(argv[2], argv[3], argv[4], argv[5]);
    }
    bool sending = argc == 4 && std::strcmp(argv[2], "sending") == 0;
    if ((argc == 3 || sending) && std::strcmp(argv[1], "cancel-latency") == 0) {
        return CancelLatency(std::max(1, std::atoi(argv[argc - 1])), sending);
    }
    std::fprintf(stderr,
                 "usage: %s fetch HOST:PORT OBJECT LOCAL-PATH | fetch-signed HOST:PORT OBJECT "
                 "LOCAL-PATH KEY-HEX | cancel-latency [sending] RUNS\n",
                 argv[0]);
    return 2;
}
