#!/usr/bin/env python3
"""Start-up of the Windows program under Wine, against a bare static Qt window.

usage: wine_startup.py BENCH_DIR [--runs N]

BENCH_DIR holds zelvarin_bench_form.exe (the main window, built as zelvarin.exe builds it)
and zelvarin_bench_floor.exe (a window of the same size and flags, no content), both linked
the same way against the same static Qt by `scripts/build-windows --bench`. They run A B A B
... in one session, in a fresh Wine prefix on a throw-away X display with openbox (the script
runs itself again under scripts/with-x-desktop and scripts/with-wine-prefix). The time
runs from just before this script starts `wine` to the first paint event in the program,
both read from the system clock (Wine's system time is CLOCK_REALTIME). Ratios are per
pair, then the median. Ends with the line `startup_ratio_wine: R`.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

from run_bench import machine_line, probe_report, run_within

WARM_UP_PAIRS = 2
CHILD_TIMEOUT_S = 120
STARTUP_AIM = 1.25


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
    # Arial and MS Sans Serif mapped to Liberation Sans and font smoothing on, as on the GUI
    # check, so both windows find the faces they ask for; the server and Wine's services stay
    # up from the start, as they do on a desktop in use.
    run_within(("with-x-desktop",), ("with-wine-prefix", "--windows-look", "--server-stays"))

    print("machine:", machine_line(), flush=True)
    env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
    wine = env["WINE"]
    print(f"start-up under Wine on {env['DISPLAY']}, {args.runs} A/B pairs ...", flush=True)
    for _ in range(WARM_UP_PAIRS):
        run_start(wine, form, env)
        run_start(wine, floor, env)
    pairs = [(run_start(wine, form, env), run_start(wine, floor, env)) for _ in range(args.runs)]

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
