#!/usr/bin/env python3
"""Runs the benchmarks side by side and prints a table and `key: value` lines.

usage: run_bench.py BENCH_DIR [--runs N] [--clicks N]

Start-up and memory: the main window (A) against a bare Qt window of the same size and
flags (B), run A B A B ... in one session, under Xvfb with openbox on a throw-away display
(the script runs itself again under scripts/with-x-desktop) and under the offscreen
platform. The time runs from just before this script starts the process (CLOCK_MONOTONIC)
to the first paint event in the child, which reads the same clock. Ratios are per pair,
then the median, so a slow moment of the shared machine hits both sides of a pair alike.
"""

import argparse
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import time

WARM_UP_PAIRS = 2
CHILD_TIMEOUT_S = 120

# The targets, each as (limit, aim); "aim" is what we would like to see.
STARTUP_LIMIT, STARTUP_AIM = 1.5, 1.25
RSS_LIMIT_MB = 15.0
NEXT_LIMIT_MS = 16.0
ENGINE_LIMIT_NS = 1000.0
ENGINE_OPS = ("NewTest", "chooseOption", "AcceptAnswer", "NextQuestion")


def machine_line():
    model = "unknown CPU"
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as cpuinfo:
            for line in cpuinfo:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    uname = platform.uname()
    load = ", ".join(f"{x:.2f}" for x in os.getloadavg())
    return (f"{model}; {os.cpu_count()} cores; {uname.system} {uname.release} "
            f"{uname.machine}; load average {load}")


SCRIPTS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "scripts")
# What each wrapper exports, twice: the variable a program reads and a marker of its own.
WRAPPER_MARKERS = {"with-x-desktop": ("ZELVARIN_X_DESKTOP", "DISPLAY"),
                   "with-wine-prefix": ("ZELVARIN_WINE_PREFIX", "WINEPREFIX")}


def run_within(*wrappers):
    """Runs this script again inside each wrapper of scripts/ (a name and its options) that it
    does not run inside yet: the wrapper makes the throw-away X desktop or Wine prefix, removes
    it afterwards and passes the exit status on. So the script is run by hand as it is run
    from the Makefile, and the user's own display, HOME and prefix are never used."""
    command, names = [], []
    for name, *options in wrappers:
        marker, variable = WRAPPER_MARKERS[name]
        if not os.environ.get(marker) or os.environ[marker] != os.environ.get(variable):
            command += [os.path.join(SCRIPTS, name), *options, "--"]
            names.append(name)
    if command:
        print(f"running again under scripts/{' and scripts/'.join(names)} ...", flush=True)
        os.execv(command[0], command + [sys.executable, os.path.abspath(sys.argv[0]),
                                        *sys.argv[1:]])


def child_env(**settings):
    env = {k: v for k, v in os.environ.items()
           if k not in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY")}
    return dict(env, **settings)


def parse_pairs(line):
    return {k: v for k, v in (item.split("=", 1) for item in line.split() if "=" in item)}


def probe_report(exe, returncode, output, errors):
    """The first-paint probe's key=value line from one start's output, as a dict; raises
    when the start failed or the window was never painted."""
    lines = [l for l in output.splitlines() if "first_paint_ns=" in l]
    if returncode != 0 or not lines:
        raise RuntimeError(f"{exe} failed ({returncode}): {errors.strip()[-500:]}")
    values = parse_pairs(lines[-1])
    if int(values["first_paint_ns"]) < 0:
        raise RuntimeError(f"{exe} was never painted")
    return values


def run_start(exe, env):
    """One start of a window: milliseconds to the first paint event and to the end of that
    frame, and the peak resident set in KiB."""
    start = time.monotonic_ns()
    done = subprocess.run([exe], env=env, capture_output=True, text=True,
                          timeout=CHILD_TIMEOUT_S)
    values = probe_report(exe, done.returncode, done.stdout, done.stderr)
    first_paint = int(values["first_paint_ns"])
    application = int(values["application_ns"])
    built = int(values["built_ns"])
    return {
        # where the time goes: loading and QApplication, building the window, then
        # show() to the first paint event
        "app_ms": (application - start) / 1e6,
        "build_ms": (built - application) / 1e6,
        "show_ms": (first_paint - built) / 1e6,
        "paint_ms": (first_paint - start) / 1e6,
        "done_ms": (int(values["frame_done_ns"]) - start) / 1e6,
        "hwm_kb": int(values["vmhwm_kb"]),
        "size": (values["width"], values["height"]),
    }


def median_ratio(a_runs, b_runs, key):
    return statistics.median(a[key] / b[key] for a, b in zip(a_runs, b_runs))


def startup_ab(form_exe, floor_exe, env, runs, label):
    for _ in range(WARM_UP_PAIRS):  # fills the page cache and the font cache
        run_start(form_exe, env)
        run_start(floor_exe, env)
    form_runs, floor_runs = [], []
    for _ in range(runs):
        form_runs.append(run_start(form_exe, env))
        floor_runs.append(run_start(floor_exe, env))
    sizes = {r["size"] for r in form_runs + floor_runs}
    if len(sizes) != 1:
        raise RuntimeError(f"{label}: the two windows differ in size: {sorted(sizes)}")
    med = lambda runs_, key: statistics.median(r[key] for r in runs_)
    return {
        "label": label,
        "size": "x".join(sizes.pop()),
        "form_paint_ms": med(form_runs, "paint_ms"),
        "floor_paint_ms": med(floor_runs, "paint_ms"),
        "paint_ratio": median_ratio(form_runs, floor_runs, "paint_ms"),
        "form_done_ms": med(form_runs, "done_ms"),
        "floor_done_ms": med(floor_runs, "done_ms"),
        "done_ratio": median_ratio(form_runs, floor_runs, "done_ms"),
        "stages": {side: [med(runs_, key) for key in ("app_ms", "build_ms", "show_ms")]
                   for side, runs_ in (("A", form_runs), ("B", floor_runs))},
        "form_hwm_mb": med(form_runs, "hwm_kb") / 1024,
        "floor_hwm_mb": med(floor_runs, "hwm_kb") / 1024,
    }


def run_next_question(exe, env, clicks):
    done = subprocess.run([exe, str(clicks)], env=env, capture_output=True, text=True,
                          timeout=CHILD_TIMEOUT_S * 5)
    lines = [l for l in done.stdout.splitlines() if l.startswith("samples=")]
    if done.returncode != 0 or not lines:
        raise RuntimeError(f"{exe} failed ({done.returncode}): {done.stderr.strip()}")
    return {k: float(v) for k, v in parse_pairs(lines[-1]).items()}


def run_engine(exe):
    done = subprocess.run(
        [exe, "--benchmark_format=json", "--benchmark_repetitions=5",
         "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.2"],
        capture_output=True, text=True, timeout=CHILD_TIMEOUT_S * 5)
    if done.returncode != 0:
        raise RuntimeError(f"{exe} failed ({done.returncode}): {done.stderr.strip()}")
    medians = {}
    for bench in json.loads(done.stdout)["benchmarks"]:
        if bench.get("aggregate_name") != "median":
            continue
        assert bench["time_unit"] == "ns"
        medians[bench["run_name"].split("/")[0]] = bench["real_time"]
    return medians


def verdict(ok):
    return "ok" if ok else "MISSED"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bench_dir")
    parser.add_argument("--runs", type=int, default=20, help="A/B pairs per platform")
    parser.add_argument("--clicks", type=int, default=1000, help="Next question clicks")
    args = parser.parse_args()
    exe = lambda name: os.path.join(args.bench_dir, name)
    for tool in ("Xvfb", "openbox", "xprop", "xdpyinfo"):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is missing (make bench installs it)")
    # Xvfb and openbox sit idle while the offscreen part runs.
    run_within(("with-x-desktop",))

    print("machine:", machine_line(), flush=True)
    offscreen = child_env(QT_QPA_PLATFORM="offscreen")
    xvfb = child_env(QT_QPA_PLATFORM="xcb", DISPLAY=os.environ["DISPLAY"])

    print("engine operations (Google Benchmark, median of 5) ...", flush=True)
    engine = run_engine(exe("zelvarin_bench_engine"))

    print(f"start-up offscreen, {args.runs} A/B pairs ...", flush=True)
    start_off = startup_ab(exe("zelvarin_bench_form"), exe("zelvarin_bench_floor"),
                           offscreen, args.runs, "offscreen")
    print(f"Next question offscreen, {args.clicks} clicks ...", flush=True)
    next_off = run_next_question(exe("zelvarin_bench_next"), offscreen, args.clicks)

    print(f"start-up Xvfb {xvfb['DISPLAY']} + openbox, {args.runs} A/B pairs ...", flush=True)
    start_x = startup_ab(exe("zelvarin_bench_form"), exe("zelvarin_bench_floor"),
                         xvfb, args.runs, "xvfb")
    print(f"Next question Xvfb, {args.clicks} clicks ...", flush=True)
    next_x = run_next_question(exe("zelvarin_bench_next"), xvfb, args.clicks)

    print()
    print("machine:", machine_line())
    print()
    print("start-up, process start to first paint event (A = main window, B = bare window "
          f"{start_off['size']}), median of {args.runs} A/B pairs")
    print(f"  {'platform':<10} {'A ms':>8} {'B ms':>8} {'A/B':>6} | {'A done':>8} "
          f"{'B done':>8} {'A/B':>6} | {'A MiB':>7} {'B MiB':>7} {'A-B':>6}")
    for s in (start_x, start_off):
        print(f"  {s['label']:<10} {s['form_paint_ms']:8.1f} {s['floor_paint_ms']:8.1f} "
              f"{s['paint_ratio']:6.2f} | {s['form_done_ms']:8.1f} {s['floor_done_ms']:8.1f} "
              f"{s['done_ratio']:6.2f} | {s['form_hwm_mb']:7.1f} {s['floor_hwm_mb']:7.1f} "
              f"{s['form_hwm_mb'] - s['floor_hwm_mb']:6.1f}")
    print("  (\"done\": the end of that first frame; MiB: peak resident set, VmHWM)")
    print()
    print("where the start-up goes, medians (ms): process start to QApplication ready, "
          "building the window, show() to first paint")
    print(f"  {'platform':<10} {'side':<4} {'app':>7} {'build':>7} {'show':>7}")
    for s in (start_x, start_off):
        for side in ("A", "B"):
            app_ms, build_ms, show_ms = s["stages"][side]
            print(f"  {s['label']:<10} {side:<4} {app_ms:7.1f} {build_ms:7.1f} {show_ms:7.1f}")
    print()
    print("engine operations, median real time (ns)")
    for name, ns in engine.items():
        note = ""
        if name in ("AcceptAnswer", "NextQuestion"):
            note = f"  (includes one clock pair, {engine.get('ClockPair', 0):.0f} ns)"
        elif name == "NewTestSteppingRandom":
            note = "  (NewTest with a random source that costs nothing)"
        print(f"  {name:<22} {ns:10.1f}{note}")
    print()
    print(f"Next question click to the new frame's paint event, {int(next_off['samples'])} "
          "clicks (ms)")
    print(f"  {'platform':<10} {'median':>8} {'p90':>8} {'max':>8} {'done med':>9} "
          f"{'done p90':>9}")
    for label, n in (("xvfb", next_x), ("offscreen", next_off)):
        print(f"  {label:<10} {n['paint_median_ms']:8.3f} {n['paint_p90_ms']:8.3f} "
              f"{n['paint_max_ms']:8.3f} {n['done_median_ms']:9.3f} {n['done_p90_ms']:9.3f}")

    rss_over = max(s["form_hwm_mb"] - s["floor_hwm_mb"] for s in (start_x, start_off))
    next_ms = max(next_x["paint_median_ms"], next_off["paint_median_ms"])
    ops_max = max(engine[name] for name in ENGINE_OPS)
    print()
    print("targets")
    for label, value, ok in (
            ("start-up Xvfb <= 1.5x floor", f"{start_x['paint_ratio']:.2f}x",
             start_x["paint_ratio"] <= STARTUP_LIMIT),
            ("start-up offscreen <= 1.5x floor", f"{start_off['paint_ratio']:.2f}x",
             start_off["paint_ratio"] <= STARTUP_LIMIT),
            ("peak memory <= floor + 15 MiB", f"+{rss_over:.1f} MiB", rss_over <= RSS_LIMIT_MB),
            ("Next question < 16 ms", f"{next_ms:.2f} ms", next_ms < NEXT_LIMIT_MS),
            ("each engine operation < 1 us", f"{ops_max:.0f} ns", ops_max < ENGINE_LIMIT_NS)):
        print(f"  {label:<34} {value:>10}  {verdict(ok)}")
    print()
    print(f"startup_ratio_xvfb: {start_x['paint_ratio']:.3f}")
    print(f"startup_ratio_offscreen: {start_off['paint_ratio']:.3f}")
    print(f"rss_over_floor_mb: {rss_over:.1f}")
    print(f"next_question_ms: {next_ms:.3f}")
    print(f"engine_ops_ns_max: {ops_max:.1f}")


if __name__ == "__main__":
    main()
