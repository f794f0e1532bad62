// A real web server for end-to-end tests: nginx, configured in a folder of
// its own, serving one document root on one loopback port, stopped when the
// object goes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "e2e/support/Subprocess.h"
#include "support/NonCopyable.h"

namespace e2e {

struct NginxOptions {
    std::string documentRoot;  // served at "/"
    int port = 0;              // on 127.0.0.1
    std::string limitRate;     // nginx's limit_rate per connection, e.g. "200k"; "" for none
};

// A 302 answer for one exact path.
struct NginxRedirect {
    std::string path;      // "/moved.exe"
    std::string location;  // the Location header
};

// What a server may do beyond serving the files of its document root.
struct NginxExtras {
    // https with this certificate and key (PEM files) instead of http; "" for http.
    std::string tlsCertificate;
    std::string tlsKey;
    std::vector<NginxRedirect> redirects;
};

class NginxServer : testing_support::NonCopyable {
  public:
    // Writes the configuration next to a fresh prefix folder and starts nginx;
    // returns once the port accepts connections. Throws on failure.
    explicit NginxServer(const NginxOptions& options, const NginxExtras& extras = {});
    ~NginxServer();

    // What nginx logged of the requests so far, one line each, in its
    // "combined" format (address, time, request line, status, size,
    // referrer, user agent).
    std::string AccessLog() const;

  private:
    // Writes the configuration, starts nginx and waits for its port; throws on failure.
    void Start(const NginxOptions& options, const NginxExtras& extras);
    // Stops nginx, if it runs, and removes its folder.
    void Stop();

    std::string m_prefix;
    std::unique_ptr<Subprocess> m_process;
};

// A TCP port on 127.0.0.1 that nobody listens on at the moment of the call.
int FreeLoopbackPort();
// True once something accepts connections on 127.0.0.1:port (waits up to `seconds`).
bool WaitForListener(int port, int seconds);

}  // namespace e2e
