#!/usr/bin/env python3
"""Start-up of the Windows program under Wine, against a bare static Qt window.

usage: wine_startup.py BENCH_DIR [--runs N]

BENCH_DIR holds zelvarin_bench_form.exe (the main window, built as zelvarin.exe builds it)
and zelvarin_bench_floor.exe (a window of the same size and flags, no content), both linked
the same way against the same static Qt by `scripts/build-windows --bench`. They run A B A B
... in one session, in a fresh Wine prefix on a throw-away X display with openbox. The time
runs from just before this script starts `wine` to the first paint event in the program,
both read from the system clock (Wine's system time is CLOCK_REALTIME). Ratios are per
pair, then the median. Ends with the line `startup_ratio_wine: R`.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from run_bench import ThrowAwayDisplay, machine_line, probe_report

WARM_UP_PAIRS = 2
CHILD_TIMEOUT_S = 120
STARTUP_AIM = 1.25


def wine_tools():
    wine = shutil.which("wine64") or "/usr/lib/wine/wine64"
    server = shutil.which("wineserver") or "/usr/lib/wine/wineserver"
    for tool in (wine, server):
        if not os.access(tool, os.X_OK):
            sys.exit(f"{tool} is missing (make bench installs wine64)")
    return wine, server


def prepare_prefix(wine, server, env):
    """A new prefix, made without Mono or Gecko; Arial and MS Sans Serif mapped to
    Liberation Sans and font smoothing on, as on the GUI check, so both windows find the
    faces they ask for."""
    # The server stays up from the start, as it does on a desktop in use.
    os.mkdir(env["WINEPREFIX"])
    subprocess.run([server, "-p"], env=env, check=True, timeout=60)
    subprocess.run([wine, "wineboot", "--init"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True, timeout=300)
    settings = [(r"HKCU\Software\Wine\Fonts\Replacements", face, "REG_SZ", "Liberation Sans")
                for face in ("Arial", "MS Sans Serif")]
    settings += [(r"HKCU\Control Panel\Desktop", "FontSmoothing", "REG_SZ", "2"),
                 (r"HKCU\Control Panel\Desktop", "FontSmoothingType", "REG_DWORD", "2")]
    for key, name, kind, data in settings:
        subprocess.run([wine, "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"],
                       env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=True, timeout=120)


def run_start(wine, exe, env):
    # Output to a file: Wine's own helper processes, started with the first window, inherit
    # it and live on, so a pipe would never reach its end.
    with tempfile.TemporaryFile("w+") as out:
        start = time.time_ns()
        done = subprocess.run([wine, exe], env=env, stdout=out, stderr=subprocess.STDOUT,
                              timeout=CHILD_TIMEOUT_S, check=False)
        out.seek(0)
        output = out.read()
    values = probe_report(exe, done.returncode, output, output)
    return {
        "paint_ms": (int(values["first_paint_ns"]) - start) / 1e6,
        "done_ms": (int(values["frame_done_ns"]) - start) / 1e6,
        "size": (values["width"], values["height"]),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bench_dir")
    parser.add_argument("--runs", type=int, default=10, help="A/B pairs")
    args = parser.parse_args()
    form = os.path.join(args.bench_dir, "zelvarin_bench_form.exe")
    floor = os.path.join(args.bench_dir, "zelvarin_bench_floor.exe")
    wine, server = wine_tools()

    print("machine:", machine_line(), flush=True)
    with tempfile.TemporaryDirectory(prefix="zelvarin-wine-bench-") as scratch:
        home = os.path.join(scratch, "home")
        os.mkdir(home)
        with ThrowAwayDisplay(home) as display:
            env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
            env.update(DISPLAY=display.display, HOME=home, WINEDEBUG="-all",
                       WINEPREFIX=os.path.join(scratch, "prefix"),
                       WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
            try:
                print(f"preparing a Wine prefix on {display.display} ...", flush=True)
                prepare_prefix(wine, server, env)
                print(f"start-up under Wine, {args.runs} A/B pairs ...", flush=True)
                for _ in range(WARM_UP_PAIRS):
                    run_start(wine, form, env)
                    run_start(wine, floor, env)
                pairs = [(run_start(wine, form, env), run_start(wine, floor, env))
                         for _ in range(args.runs)]
            finally:
                subprocess.run([server, "-k"], env=env, stderr=subprocess.DEVNULL, timeout=60)

    sizes = {run["size"] for pair in pairs for run in pair}
    if len(sizes) != 1:
        sys.exit(f"the two windows differ in size: {sorted(sizes)}")
    med = lambda side, key: statistics.median(pair[side][key] for pair in pairs)
    ratio = lambda key: statistics.median(a[key] / b[key] for a, b in pairs)
    paint_ratio = ratio("paint_ms")
    print()
    print(f"start-up under Wine, process start to first paint event (A = main window, B = bare "
          f"static Qt window {'x'.join(sizes.pop())}), median of {args.runs} A/B pairs")
    print(f"  {'A ms':>8} {'B ms':>8} {'A/B':>6} | {'A done':>8} {'B done':>8} {'A/B':>6}")
    print(f"  {med(0, 'paint_ms'):8.1f} {med(1, 'paint_ms'):8.1f} {paint_ratio:6.2f} | "
          f"{med(0, 'done_ms'):8.1f} {med(1, 'done_ms'):8.1f} {ratio('done_ms'):6.2f}")
    verdict = "ok" if paint_ratio <= STARTUP_AIM else "MISSED"
    print(f"  target: start-up under Wine <= {STARTUP_AIM}x floor  {verdict}")
    print()
    print(f"startup_ratio_wine: {paint_ratio:.3f}")


if __name__ == "__main__":
    main()
