#!/usr/bin/env python3
"""Loopback ports for a download host on this machine, shared by
scripts/test and scripts/demo.

    loopback_host.py port BUILD-DIR
        Prints the port of the download host BUILD-DIR was configured with
        when nobody holds it now, else a free port. Reusing the port keeps
        the compiled-in host as it is, so a rebuild recompiles nothing.
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


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    port = commands.add_parser("port")
    port.add_argument("build_dir")
    args = parser.parse_args()
    print(reusable_port(args.build_dir))


if __name__ == "__main__":
    main()
