// The floor of WinINet's own speed, for the benchmarks to measure the
// wizard's download routine against: a plain synchronous InternetReadFile
// loop with a 64 KiB buffer, as the simplest WinINet program would fetch a
// file, with nothing of the wizard's checks. Like the wizard, it makes the
// file durable before it ends.
//
//   vessamo-bench-wininet-sync HOST:PORT OBJECT LOCAL-PATH
//
// Prints "bytes=<size>" and exits 0 when a 2xx body was stored in full.
#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kBufferSize = 64 * 1024;

struct Handle {
    HINTERNET value;
    ~Handle() {
        if (value != nullptr) InternetCloseHandle(value);
    }
};

int Fail(const char* what) {
    std::fprintf(stderr, "%s failed: error %lu\n", what, GetLastError());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: vessamo-bench-wininet-sync HOST:PORT OBJECT LOCAL-PATH\n");
        return 2;
    }
    std::string host = argv[1];
    std::size_t colon = host.rfind(':');
    INTERNET_PORT port = static_cast<INTERNET_PORT>(std::atoi(host.c_str() + colon + 1));
    host.resize(colon);

    Handle session{InternetOpenA("reference", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)};
    if (session.value == nullptr) return Fail("InternetOpen");
    Handle connection{InternetConnectA(session.value, host.c_str(), port, nullptr, nullptr,
                                       INTERNET_SERVICE_HTTP, 0, 0)};
    if (connection.value == nullptr) return Fail("InternetConnect");
    Handle request{HttpOpenRequestA(connection.value, "GET", argv[2], nullptr, nullptr, nullptr,
                                    INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD, 0)};
    if (request.value == nullptr) return Fail("HttpOpenRequest");
    if (!HttpSendRequestA(request.value, nullptr, 0, nullptr, 0)) return Fail("HttpSendRequest");
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoA(request.value, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                        &size, nullptr) ||
        status / 100 != 2) {
        return Fail("the status");
    }

    HANDLE file = CreateFileA(argv[3], GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail("CreateFile");
    std::vector<char> buffer(kBufferSize);
    unsigned long long total = 0;
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(request.value, buffer.data(), kBufferSize, &read)) {
            CloseHandle(file);
            return Fail("InternetReadFile");
        }
        if (read == 0) break;
        DWORD written = 0;
        if (!WriteFile(file, buffer.data(), read, &written, nullptr) || written != read) {
            CloseHandle(file);
            return Fail("WriteFile");
        }
        total += read;
    }
    bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    if (!flushed) return Fail("FlushFileBuffers");
    std::printf("bytes=%llu\n", total);
    return 0;
}
