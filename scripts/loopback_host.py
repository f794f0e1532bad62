#!/usr/bin/env python3
"""Loopback ports and the nginx configuration of a download host on this
machine, shared by scripts/test, scripts/demo and bench/run_bench.py.

    loopback_host.py port BUILD-DIR
        Prints the port of the download host BUILD-DIR was configured with
        when nobody holds it now, else a free port. Reusing the port keeps
        the compiled-in host as it is, so a rebuild recompiles nothing.
    loopback_host.py nginx-conf PREFIX ROOT PORT [--limit-rate RATE]
                                [--access-log] [--sendfile]
                                [--tls CERTIFICATE KEY]
                                [--redirect PATH LOCATION]...
        Writes PREFIX/nginx.conf: nginx serving ROOT on 127.0.0.1:PORT,
        keeping its pid, logs and temporary files under PREFIX; over https
        with --tls (PEM files), answering 302 to LOCATION for each exact
        PATH of --redirect. The one writer of nginx's configuration: the
        end-to-end tests use it too.
"""

import argparse
import os
import re
import socket


def free_port():
    """A loopback port nobody holds at the moment."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def port_is_free(port):
    """Whether the loopback port can be bound at the moment."""
    with socket.socket() as s:
        try:
            s.bind(("127.0.0.1", port))
        except OSError:
            return False
        return True


def configured_port(build_dir):
    """The port of the loopback download host in BUILD-DIR's cache, or None."""
    try:
        with open(os.path.join(build_dir, "CMakeCache.txt")) as cache:
            text = cache.read()
    except OSError:
        return None
    match = re.search(r"^VESSAMO_DOWNLOAD_HOST:STRING=127\.0\.0\.1:(\d+)$", text, re.MULTILINE)
    return int(match.group(1)) if match else None


def reusable_port(build_dir):
    """The port BUILD-DIR was configured with while it is free, else a free one."""
    port = configured_port(build_dir)
    return port if port is not None and port_is_free(port) else free_port()


def write_nginx_conf(prefix, root, port, limit_rate=None, access_log=False, sendfile=False,
                     tls=None, redirects=()):
    """Writes PREFIX/nginx.conf serving ROOT on 127.0.0.1:PORT; returns its path.
    LIMIT_RATE is nginx's per-connection rate ("150k"), None for none; TLS a
    (certificate, key) pair of PEM files for https, None for http; REDIRECTS
    (path, location) pairs answered with 302."""
    os.makedirs(os.path.join(prefix, "tmp"), exist_ok=True)
    os.makedirs(os.path.join(prefix, "logs"), exist_ok=True)
    # Root's workers would switch to a user that may not read the folders.
    user = "user root;\n" if os.geteuid() == 0 else ""
    log = f"{prefix}/access.log" if access_log else "off"
    options = "  sendfile on;\n" if sendfile else ""
    rate = f"    limit_rate {limit_rate};\n" if limit_rate else ""
    listen = f"    listen 127.0.0.1:{port};\n"
    if tls:
        listen = (f"    listen 127.0.0.1:{port} ssl;\n    ssl_certificate {tls[0]};\n"
                  f"    ssl_certificate_key {tls[1]};\n")
    moved = "".join(f"    location = {path} {{ return 302 {location}; }}\n"
                    for path, location in redirects)
    path = os.path.join(prefix, "nginx.conf")
    with open(path, "w") as conf:
        conf.write(f"""{user}worker_processes 1;
daemon off;
pid {prefix}/nginx.pid;
error_log {prefix}/error.log warn;
events {{ worker_connections 64; }}
http {{
  access_log {log};
{options}  client_body_temp_path {prefix}/tmp;
  proxy_temp_path {prefix}/tmp;
  fastcgi_temp_path {prefix}/tmp;
  uwsgi_temp_path {prefix}/tmp;
  scgi_temp_path {prefix}/tmp;
  types {{ text/html html php; application/octet-stream exe bin; }}
  server {{
{listen}    root {root};
{rate}{moved}  }}
}}
""")
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    port = commands.add_parser("port")
    port.add_argument("build_dir")
    conf = commands.add_parser("nginx-conf")
    conf.add_argument("prefix")
    conf.add_argument("root")
    conf.add_argument("port", type=int)
    conf.add_argument("--limit-rate")
    conf.add_argument("--access-log", action="store_true")
    conf.add_argument("--sendfile", action="store_true")
    conf.add_argument("--tls", nargs=2, metavar=("CERTIFICATE", "KEY"))
    conf.add_argument("--redirect", nargs=2, action="append", default=[],
                      metavar=("PATH", "LOCATION"))
    args = parser.parse_args()
    if args.command == "port":
        print(reusable_port(args.build_dir))
    else:
        write_nginx_conf(args.prefix, args.root, args.port, args.limit_rate, args.access_log,
                         args.sendfile, args.tls, args.redirect)


if __name__ == "__main__":
    main()
