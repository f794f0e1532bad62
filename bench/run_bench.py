#!/usr/bin/env python3
"""Benchmarks of the download wizard, each against a reference measured in
the same run: alternating runs, medians, ratios. Prints a table for people
and then one name=value line per figure."""

import argparse
import contextlib
import os
import select
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts")
sys.path.insert(0, SCRIPTS)
from loopback_host import free_port, write_nginx_conf  # noqa: E402

RUNS = 5
# A start-up takes some 20 ms, so it can afford more pairs: a few milliseconds
# of scheduling noise then moves the median less.
STARTUP_RUNS = 15
GIB = 1 << 30
# Above 4 GiB, and no round number.
HUGE_SIZE = 4 * GIB + 123457
LATENCY_RUNS = 20
# Wine's WinINet is slower than libcurl: a smaller body keeps the runs short.
WINE_SIZE = 256 << 20


def wait_for_port(port, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return True
        time.sleep(0.05)
    return False


class Nginx:
    """nginx serving one folder on a loopback port, in a prefix of its own."""

    def __init__(self, root, work):
        self.port = free_port()
        prefix = os.path.join(work, "nginx")
        conf = write_nginx_conf(prefix, root, self.port, sendfile=True)
        self.process = subprocess.Popen(["/usr/sbin/nginx", "-p", prefix, "-c", conf],
                                        start_new_session=True)
        if not wait_for_port(self.port):
            self.stop()
            raise RuntimeError("nginx did not start")

    def stop(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            self.process.wait(10)


def read_display_number(fd, seconds=20):
    """The display number Xvfb writes to FD, with a newline, once it accepts clients."""
    deadline = time.monotonic() + seconds
    text = b""
    while not text.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise RuntimeError("Xvfb does not accept connections")
        chunk = os.read(fd, 16)
        if not chunk:
            raise RuntimeError("Xvfb ended at start")
        text += chunk
    return text.decode().strip()


@contextlib.contextmanager
def x_server(log_path):
    """An Xvfb of its own for the with block, on a display number it picks
    itself; yields (DISPLAY, process) and stops it when the block ends."""
    read_end, write_end = os.pipe()
    try:
        with open(log_path, "w") as log:
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                     "1024x768x24", "-nolisten", "tcp", "-noreset"],
                                    pass_fds=(write_end,), start_new_session=True, stderr=log)
    finally:
        os.close(write_end)
    try:
        yield ":" + read_display_number(read_end), xvfb
    finally:
        os.close(read_end)
        if xvfb.poll() is None:
            os.killpg(xvfb.pid, signal.SIGTERM)
            xvfb.wait(10)


def measure(argv, cwd=None):
    """Runs argv; returns (wall seconds, cpu seconds, peak RSS KiB, exit code, stdout)."""
    start = time.monotonic()
    proc = subprocess.Popen(argv, stdout=subprocess.PIPE, cwd=cwd)
    out = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.monotonic() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss, proc.returncode, out.decode()


def sparse_file(path, size):
    with open(path, "wb") as f:
        f.truncate(size)


def throughput(bench, nginx, work):
    host = f"127.0.0.1:{nginx.port}"
    ours, curl, small = [], [], []
    target = os.path.join(work, "out.bin")
    for _ in range(RUNS):
        for who in ("ours", "curl"):
            if who == "ours":
                argv = [bench, "fetch", host, "big.bin", target]
            else:
                # The wizard makes the file durable before it takes the
                # package's name, so the reference flushes its file too.
                argv = ["sh", "-c", 'curl -s --noproxy "*" -o "$1" "$2" && sync "$1"', "sh",
                        target, f"http://{host}/big.bin"]
            wall, cpu, rss, code, out = measure(argv)
            size = os.path.getsize(target) if os.path.exists(target) else -1
            if code != 0 or size != GIB:
                raise RuntimeError(f"{who} download failed: exit {code}, {size} bytes {out}")
            (ours if who == "ours" else curl).append((wall, cpu, rss))
            os.remove(target)
        wall, cpu, rss, code, _ = measure([bench, "fetch", host, "small.bin", target])
        os.remove(target)
        small.append(rss)
    return ours, curl, small


def package_key(work):
    """A throwaway P-256 key pair in `work`: (private PEM path, public PEM
    path, the public point in hex as the build reads it)."""
    private = os.path.join(work, "bench-private.pem")
    public = os.path.join(work, "bench-public.pem")
    subprocess.run(["openssl", "ecparam", "-name", "prime256v1", "-genkey", "-noout",
                    "-out", private], check=True)
    subprocess.run(["openssl", "ec", "-in", private, "-pubout", "-out", public],
                   check=True, stderr=subprocess.DEVNULL)
    der = subprocess.run(["openssl", "pkey", "-pubin", "-in", public, "-outform", "DER"],
                         check=True, stdout=subprocess.PIPE).stdout
    return private, public, der[-65:].hex()


def signed_figures(bench, nginx, root, work):
    """The signed build's download of the 1 GiB body, its signature fetched
    and checked, against the user's alternative: curl for the file and its
    signature, then `openssl dgst -sha256 -verify`. Alternating runs, medians."""
    private, public, key_hex = package_key(work)
    big = os.path.join(root, "big.bin")
    subprocess.run(["openssl", "dgst", "-sha256", "-sign", private, "-out", big + ".sig", big],
                   check=True)
    host = f"127.0.0.1:{nginx.port}"
    target = os.path.join(work, "signed.bin")
    times = {"ours": [], "reference": []}
    for _ in range(RUNS):
        for who in ("ours", "reference"):
            if who == "ours":
                argv = [bench, "fetch-signed", host, "big.bin", target, key_hex]
            else:
                # As the unsigned reference, the file is made durable too.
                argv = ["sh", "-c",
                        'curl -s --noproxy "*" -o "$1" "$2" -o "$1.sig" "$2.sig" && sync "$1" && '
                        'openssl dgst -sha256 -verify "$3" -signature "$1.sig" "$1" >/dev/null',
                        "sh", target, f"http://{host}/big.bin", public]
            wall, _, _, code, out = measure(argv)
            size = os.path.getsize(target) if os.path.exists(target) else -1
            if code != 0 or size != GIB:
                raise RuntimeError(f"signed {who} download failed: exit {code}, {size} bytes {out}")
            times[who].append(wall)
            for leftover in (target, target + ".sig"):
                if os.path.exists(leftover):
                    os.remove(leftover)
    ours, reference = statistics.median(times["ours"]), statistics.median(times["reference"])
    rows = [("1 GiB signed download and check, wall s", ours, reference)]
    return rows, [("signed_throughput_vs_curl_and_verify", ours / reference)]


def latency(argv, name, env=None):
    """Runs argv plus the run count (in `env`, when given); returns the
    <name>_ms_median and <name>_ms_max it prints."""
    if env is None:
        _, _, _, code, out = measure(argv + [str(LATENCY_RUNS)])
    else:
        run = subprocess.run(argv + [str(LATENCY_RUNS)], env=env, capture_output=True, text=True)
        code, out = run.returncode, run.stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    if code != 0 or f"{name}_ms_median" not in values or f"{name}_ms_max" not in values:
        raise RuntimeError(f"{name} run failed: " + out)
    return float(values[f"{name}_ms_median"]), float(values[f"{name}_ms_max"])


def startup(mapwatch, wizard, minimal, work):
    times = {"wizard": [], "minimal": []}
    rundir = os.path.join(work, "startup")
    os.makedirs(rundir, exist_ok=True)
    with x_server(os.path.join(work, "xvfb.log")) as (display, xvfb):
        env = dict(os.environ, DISPLAY=display)
        for _ in range(STARTUP_RUNS + 1):  # the first pair warms the caches and is dropped
            for name, program in (("wizard", wizard), ("minimal", minimal)):
                run = subprocess.run([mapwatch, program], env=env, cwd=rundir, timeout=60,
                                     capture_output=True, text=True)
                if run.returncode != 0:
                    raise RuntimeError(f"start-up run of {name} failed on {display} after {times}, X server exit {xvfb.poll()}: {run.stderr}")
                times[name].append(float(run.stdout.strip().split("=")[1]))
    return [t[1:] for t in (times["wizard"], times["minimal"])]


def stripped_kib(program, work, strip="strip"):
    stripped = os.path.join(work, "stripped")
    subprocess.run([strip, "--strip-all", "-o", stripped, program], check=True)
    size = os.path.getsize(stripped) / 1024
    os.remove(stripped)
    return size


@contextlib.contextmanager
def wine_prefix(work):
    """A fresh Wine prefix of scripts/wine-prefix for the with block, without
    a display; yields the environment that runs programs in it, and ends them
    and removes it afterwards."""
    maker = os.path.join(SCRIPTS, "wine-prefix")
    prefix = os.path.join(work, "wine-prefix")
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    subprocess.run([maker, "create", prefix], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    listed = subprocess.run([maker, "env", prefix], check=True, capture_output=True, text=True)
    env.update(line.split("=", 1) for line in listed.stdout.splitlines())
    try:
        yield env
    finally:
        subprocess.run([maker, "stop", prefix], stderr=subprocess.DEVNULL)
        shutil.rmtree(prefix, ignore_errors=True)


def wine_throughput(programs, nginx, work):
    """Wall seconds of each of `programs` (name: the Windows program's argv
    to which "HOST:PORT OBJECT LOCAL-PATH" is added) under Wine and of curl, in alternating
    runs, for the WINE_SIZE body: the median of each and of the ratio of
    each program's time to the first program's within one round."""
    host = f"127.0.0.1:{nginx.port}"
    target = os.path.join(work, "wine-out.bin")
    windows_target = "Z:" + target.replace("/", "\\")
    argvs = {name: ["wine", *program, host, "wine.bin", windows_target]
             for name, program in programs.items()}
    argvs["curl"] = ["curl", "-s", "--noproxy", "*", "-o", target, f"http://{host}/wine.bin"]
    times = {name: [] for name in argvs}
    with wine_prefix(work) as env:
        for _ in range(RUNS):
            for name, argv in argvs.items():
                start = time.monotonic()
                code = subprocess.run(argv, env=env, stdout=subprocess.DEVNULL).returncode
                wall = time.monotonic() - start
                size = os.path.getsize(target) if os.path.exists(target) else -1
                if code != 0 or size != WINE_SIZE:
                    raise RuntimeError(f"{name} download under Wine failed: exit {code}, {size} bytes")
                times[name].append(wall)
                os.remove(target)
        cancel = latency(["wine", programs["ours"][0], "cancel-latency", "sending"],
                         "cancel_latency", env)
    first = next(iter(programs))
    ratios = {name: statistics.median(t / f for t, f in zip(times[name], times[first]))
              for name in times}
    return {name: statistics.median(t) for name, t in times.items()}, ratios, cancel


def windows_figures(windows_build, root, work):
    """Rows and figures of the Windows build in WINDOWS_BUILD: the stripped
    executable's size; under Wine, its download routine's time against a
    plain synchronous WinINet loop and against curl, and its cancel latency
    with the host still sending. None of them when the build is not there."""
    wizard = os.path.join(windows_build, "src", "vessamo-installer.exe")
    if not os.path.exists(wizard):
        print(f"windows: skipped, no Windows build at {wizard} (scripts/build-windows makes it)")
        return [], []
    size = stripped_kib(wizard, work, "x86_64-w64-mingw32-strip")
    rows = [("stripped Windows executable KiB", size, float("nan"))]
    figures = [("windows_binary_kib", size)]
    bench = os.path.join(windows_build, "bench", "vessamo-bench-download.exe")
    reference = os.path.join(windows_build, "bench", "vessamo-bench-wininet-sync.exe")
    if not all(os.path.exists(p) for p in (bench, reference)) or shutil.which("wine") is None:
        print(f"windows: figures under Wine skipped, no {bench}, {reference} or no wine")
        return rows, figures
    sparse_file(os.path.join(root, "wine.bin"), WINE_SIZE)
    nginx = Nginx(root, work)
    try:
        walls, ratios, cancel = wine_throughput(
            {"wininet": [reference], "ours": [bench, "fetch"]}, nginx, work)
    finally:
        nginx.stop()
    mib = WINE_SIZE >> 20
    rows.append((f"{mib} MiB download under Wine, wall s (ours / WinINet loop)", walls["ours"],
                 walls["wininet"]))
    rows.append((f"{mib} MiB download under Wine, wall s (ours / curl)", walls["ours"],
                 walls["curl"]))
    rows.append(("cancel under Wine, host sending, ms (median / max)", cancel[0], cancel[1]))
    figures.append(("windows_throughput_vs_wininet_sync", ratios["ours"]))
    # Wine's WinINet against libcurl: for information, never a target.
    figures.append(("windows_throughput_wall_vs_curl_under_wine", walls["ours"] / walls["curl"]))
    figures.append(("windows_cancel_ms", cancel[1]))
    return rows, figures


def large_download(bench, nginx, work):
    target = os.path.join(work, "huge-out.bin")
    _, _, _, code, out = measure([bench, "fetch", f"127.0.0.1:{nginx.port}", "huge.bin", target])
    got = os.path.getsize(target) if os.path.exists(target) else -1
    if os.path.exists(target):
        os.remove(target)
    return code == 0 and "progress=100" in out and got == HUGE_SIZE, out.strip()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--windows-build", default="build/windows")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    windows_build = os.path.abspath(args.windows_build)
    bench = os.path.join(build, "bench", "vessamo-bench-download")
    mapwatch = os.path.join(build, "bench", "vessamo-bench-mapwatch")
    minimal = os.path.join(build, "bench", "vessamo-bench-minimal-fltk")
    wizard = os.path.join(build, "src", "vessamo-installer")
    completion = os.path.join(build, "bench", "vessamo-bench-completion")

    work = tempfile.mkdtemp(prefix="vessamo-bench-", dir="/var/tmp")
    figures, rows = [], []
    try:
        root = os.path.join(work, "root")
        os.makedirs(root)
        sparse_file(os.path.join(root, "big.bin"), GIB)
        sparse_file(os.path.join(root, "small.bin"), 10 << 20)
        sparse_file(os.path.join(root, "huge.bin"), HUGE_SIZE)
        nginx = Nginx(root, work)
        try:
            ours, curl, small = throughput(bench, nginx, work)
            signed_rows, signed_values = signed_figures(bench, nginx, root, work)
            ok, detail = large_download(bench, nginx, work)
        finally:
            nginx.stop()
        med = lambda values: statistics.median(values)
        wall_o, wall_c = med([r[0] for r in ours]), med([r[0] for r in curl])
        cpu_o, cpu_c = med([r[1] for r in ours]), med([r[1] for r in curl])
        rss_big, rss_small = med([r[2] for r in ours]), med(small)
        rows += [("1 GiB download, wall s", wall_o, wall_c),
                 ("1 GiB download, CPU s", cpu_o, cpu_c),
                 ("peak RSS KiB (1 GiB / 10 MiB)", rss_big, rss_small)]
        figures += [("throughput_wall_vs_curl", wall_o / wall_c),
                     ("throughput_cpu_vs_curl", cpu_o / cpu_c),
                     ("rss_growth_kib", rss_big - rss_small)]
        rows += signed_rows
        figures += signed_values

        for name, argv in (("cancel_latency", [bench, "cancel-latency"]),
                           ("completion_latency", [completion])):
            median, worst = latency(argv, name)
            label = name.replace("_", " ")
            rows.append((f"{label} ms (median / max of {LATENCY_RUNS})", median, worst))
            figures.append((f"{name}_ms_max", worst))

        wiz, mini = startup(mapwatch, wizard, minimal, work)
        rows.append(("exec to window mapped ms (wizard / minimal FLTK)", med(wiz), med(mini)))
        figures.append(("startup_vs_minimal_fltk", med(wiz) / med(mini)))

        size = stripped_kib(wizard, work)
        rows.append(("stripped executable KiB", size, float("nan")))
        figures.append(("binary_kib", size))
        rows.append(("download above 4 GiB ends at 100 %", 1.0 if ok else 0.0, float("nan")))
        figures.append(("large_download_ok", 1 if ok else 0))
        if not ok:
            print("large download: " + detail, file=sys.stderr)

        windows_rows, windows_values = windows_figures(windows_build, root, work)
        rows += windows_rows
        figures += windows_values
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print(f"{'measure':52} {'ours':>12} {'reference':>12}")
    for name, a, b in rows:
        print(f"{name:52} {a:12.2f} {b:12.2f}")
    if any(name.startswith("windows_throughput") for name, _ in figures):
        print("(the Windows download runs under Wine 8 here, with Wine's WinINet: against "
              "curl for information only, against the WinINet loop under the same Wine)")
    print()
    for name, value in figures:
        print(f"{name}={value:.3f}" if isinstance(value, float) else f"{name}={value}")


if __name__ == "__main__":
    main()
