#include "e2e/support/NginxServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <vector>

namespace e2e {

namespace {

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool AcceptsConnections(int port) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(port);
    bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// Has scripts/loopback_host.py, the project's one writer of nginx's
// configuration, write `prefix`/nginx.conf; throws when it fails.
void WriteConfiguration(const std::string& prefix, const NginxOptions& options,
                        const NginxExtras& extras) {
    std::vector<std::string> argv = {
        "python3",     VESSAMO_LOOPBACK_HOST_SCRIPT, "nginx-conf",
        prefix,        options.documentRoot,         std::to_string(options.port),
        "--access-log"};
    if (!options.limitRate.empty()) argv.insert(argv.end(), {"--limit-rate", options.limitRate});
    if (!extras.tlsCertificate.empty()) {
        argv.insert(argv.end(), {"--tls", extras.tlsCertificate, extras.tlsKey});
    }
    for (const NginxRedirect& redirect : extras.redirects) {
        argv.insert(argv.end(), {"--redirect", redirect.path, redirect.location});
    }
    if (RunCommand(argv, {}).exitCode != 0) {
        throw std::runtime_error("the nginx configuration could not be written in " + prefix);
    }
}

}  // namespace

NginxServer::NginxServer(const NginxOptions& options, const NginxExtras& extras) {
    char pattern[] = "/tmp/vessamo-nginx-XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_prefix = pattern;
    // The destructor does not run for a constructor that throws.
    try {
        Start(options, extras);
    } catch (...) {
        Stop();
        throw;
    }
}

NginxServer::~NginxServer() {
    Stop();
}

void NginxServer::Start(const NginxOptions& options, const NginxExtras& extras) {
    WriteConfiguration(m_prefix, options, extras);
    m_process = std::make_unique<Subprocess>(std::vector<std::string>{
        "/usr/sbin/nginx", "-p", m_prefix, "-c", m_prefix + "/nginx.conf"});
    // nginx that rejects its configuration ends at once; waiting out the
    // whole time would only slow the failing test down.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!AcceptsConnections(options.port)) {
        if (m_process->Wait(std::chrono::milliseconds(50))) {
            throw std::runtime_error("nginx ended before it listened on port " +
                                     std::to_string(options.port));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("nginx did not start on port " + std::to_string(options.port));
        }
    }
}

void NginxServer::Stop() {
    m_process.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_prefix, ignored);
}

std::string NginxServer::AccessLog() const {
    std::ifstream log(m_prefix + "/access.log");
    return std::string(std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>());
}

int FreeLoopbackPort() {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0) close(fd);
        throw std::runtime_error("no free port");
    }
    close(fd);
    return ntohs(address.sin_port);
}

bool WaitForListener(int port, int seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    do {
        if (AcceptsConnections(port)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

}  // namespace e2e
