#!/usr/bin/env python3
"""The benchmark of both programs: start-up, every step of the walk through
every page at three projector sizes, peak memory, the idle CPU of the real
window at a pause, and the same walk in the browser's page. Several runs of
each figure, medians reported; one table on standard output and the same
figures in BUILD/bench.json. Nothing fails on a figure: the targets are
reported as met or not.

    tools/bench.py BUILD [--runs N] [--idle-runs N] [--idle-seconds S] [--web WEB_BUILD]
"""
import argparse
import json
import os
import platform
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SCALES = [("1", 1.0), ("4/3", 4 / 3), ("8/3", 8 / 3)]
PROGRAMS = ["mebuki1", "mebuki2"]
TIME = "09:15:30"  # a fixed seed, so that every run draws the same pages
PANEL = "1C2C6E"   # the main menu's panel colour, looked for in the window
SCREEN = (1920, 1200)

# The screens on which the slowest page's steps are timed in the real window,
# from each key to the picture handed to the window.
STEP_SCREENS = [(1920, 1080), (3840, 2160)]
SLOW_PAGE = ("mebuki2", ["3", "Return", "2", "Return"], 302)  # the 3000-throw experiment

# The browser's viewport for the page's walk: its canvas takes the whole of it,
# so the picture is drawn 1.2 times its logical size, near scale 4/3.
WEB_WINDOW = "1920x1080"

TARGETS = [
    # (figure, limit, unit, what)
    ("p99_ms_4/3", 4, "ms", "every step's 99th percentile at scale 4/3"),
    ("max_ms_4/3", 8, "ms", "slowest step at scale 4/3"),
    ("p99_ms_8/3", 8, "ms", "every step's 99th percentile at scale 8/3"),
    ("max_ms_8/3", 16.7, "ms", "slowest step at scale 8/3 (one frame at 60 Hz)"),
    ("shown_ms_1920x1080", 16.7, "ms", "key to picture in the window, slowest page, 1920x1080"),
    ("shown_ms_3840x2160", 16.7, "ms", "key to picture in the window, slowest page, 3840x2160"),
    ("web_p99_ms", 4, "ms", "page, menu up first: every step's 99th percentile"),
    ("web_max_ms", 8, "ms", "page, menu up first: slowest step"),
    ("startup_ms", 150, "ms", "start-up to the first picture"),
    ("first_frame_ms", 150, "ms", "start-up to the first frame in the window"),
    ("idle_cpu_percent", 1, "%", "idle CPU at a pause, of one core"),
    ("peak_rss_mb", 100, "MB", "peak memory"),
]


def read_lines(path):
    with open(path) as f:
        return [json.loads(line) for line in f if line.strip()]


def percentile(values, p):
    """Nearest-rank percentile."""
    ordered = sorted(values)
    rank = max(1, -(-len(ordered) * p // 100))
    return ordered[int(rank) - 1]


def step_figures(steps, key):
    """One run's steps (lines of --step-times) timed by `key`: their count,
    median, 99th percentile and slowest, and the page of the slowest."""
    ms = [step[key] for step in steps]
    slowest = max(steps, key=lambda step: step[key])
    return {"steps": len(ms), "median_ms": statistics.median(ms), "p99_ms": percentile(ms, 99),
            "max_ms": slowest[key], "slowest_location": slowest["location"]}


def median_of_runs(per_run, keys):
    """Each figure's median over the runs, and the slowest step's page in the
    run whose slowest step is the median."""
    middle = sorted(per_run, key=lambda r: r["max_ms"])[len(per_run) // 2]
    return {**{k: statistics.median(r[k] for r in per_run) for k in keys},
            "slowest_location": middle["slowest_location"]}


def stop(app):
    """Ends a program as the window manager would, killing it if it hangs."""
    app.send_signal(signal.SIGTERM)
    try:
        app.wait(timeout=5)
    except subprocess.TimeoutExpired:
        app.kill()
        app.wait()


def run_timed(cmd):
    """Runs a command to its end; returns (wall ms from launch, peak RSS in MB)."""
    start = time.monotonic_ns()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = (time.monotonic_ns() - start) / 1e6
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        sys.exit(f"bench: {' '.join(cmd)} ended with status {proc.returncode}")
    return start, wall, usage.ru_maxrss / 1024


def headless(build, program, runs, work):
    """Start-up and the walk at each scale, headless."""
    exe = os.path.join(build, program)
    times = os.path.join(work, f"{program}.jsonl")
    startups = []
    for _ in range(runs):
        start, _, _ = run_timed([exe, "--keys", "", "--time", TIME, "--step-times", times])
        startups.append((read_lines(times)[0]["clock_ns"] - start) / 1e6)
    result = {"startup_ms": statistics.median(startups), "scales": {}}
    for name, _ in SCALES:
        per_run = []
        for _ in range(runs):
            _, wall, rss = run_timed([exe, "--walk", "--time", TIME, "--scale", name, "--step-times", times])
            steps = [line for line in read_lines(times) if "ms" in line]
            per_run.append({**step_figures(steps, "ms"), "total_ms": wall, "peak_rss_mb": rss})
        result["scales"][name] = median_of_runs(
            per_run, ("total_ms", "steps", "median_ms", "p99_ms", "max_ms", "peak_rss_mb"))
    return result


class Display:
    """Xvfb with a window manager, as on a teacher's desktop."""

    def __init__(self, screen=SCREEN):
        self.screen = screen

    def __enter__(self):
        self.number = f":{150 + os.getpid() % 50}"
        self.env = dict(os.environ, DISPLAY=self.number)
        self.xvfb = subprocess.Popen(["Xvfb", self.number, "-screen", "0", f"{self.screen[0]}x{self.screen[1]}x24",
                                      "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], env=self.env, capture_output=True).returncode == 0:
                break
            time.sleep(0.05)
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
        return self

    def __exit__(self, *_):
        for proc in (self.wm, self.xvfb):
            proc.terminate()
            proc.wait()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True).stdout.strip()


def wait_for(predicate, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if predicate():
            return True
        time.sleep(0.01)
    return False


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def window_run(display, build, program, work, idle_seconds, probe):
    """One run in the real window: start-up, first frame, then idle at a pause."""
    times = os.path.join(work, f"{program}-window.jsonl")
    if os.path.exists(times):
        os.remove(times)
    x, y = SCREEN[0] // 2, SCREEN[1] // 3
    watcher = subprocess.Popen([probe, str(x), str(y), PANEL, "10000"], env=display.env, stdout=subprocess.PIPE,
                               text=True)
    watcher.stdout.readline()  # "ready"
    start = time.monotonic_ns()
    app = subprocess.Popen([os.path.join(build, program), "--time", TIME, "--step-times", times], env=display.env,
                           stdout=subprocess.DEVNULL)
    try:
        shown = watcher.stdout.readline().strip()
        watcher.wait()
        frame_ms = (int(shown) - start) / 1e6 if shown else None
        live = times + ".part"  # the step times take their name when the run ends
        wait_for(lambda: os.path.exists(live) and os.path.getsize(live) > 0, 10)
        ready_ms = (read_lines(live)[0]["clock_ns"] - start) / 1e6
        result = {"startup_ms": ready_ms, "first_frame_ms": frame_ms, "idle_cpu_percent": None}
        if idle_seconds > 0:
            win = ""
            wait_for(lambda: bool(display.xdotool("search", "--name", f"^{program}$")), 10)
            win = display.xdotool("search", "--name", f"^{program}$").split("\n")[0]
            display.xdotool("windowactivate", "--sync", win)
            for key in ("1", "Return", "1", "Return"):
                display.xdotool("key", "--window", win, key)
                time.sleep(0.3)
            keys_read = lambda: sum(1 for line in read_lines(live) if "n" in line)
            if not wait_for(lambda: keys_read() >= 4, 10):
                print(f"bench: {program} did not read the keys typed into its window", file=sys.stderr)
            time.sleep(2)  # the page draws up to its first pause
            before, t0 = cpu_ticks(app.pid), time.monotonic()
            time.sleep(idle_seconds)
            after, t1 = cpu_ticks(app.pid), time.monotonic()
            result["idle_cpu_percent"] = 100 * (after - before) / os.sysconf("SC_CLK_TCK") / (t1 - t0)
        result["peak_rss_mb"] = peak_rss_mb(app.pid)
        return result
    finally:
        stop(app)


def window(build, programs, runs, idle_runs, idle_seconds, probe, work):
    results = {}
    with Display() as display:
        for program in programs:
            per_run = [window_run(display, build, program, work, idle_seconds if i < idle_runs else 0, probe)
                       for i in range(max(runs, idle_runs))]

            def median(key):
                values = [r[key] for r in per_run if r[key] is not None]
                return statistics.median(values) if values else None

            results[program] = {k: median(k) for k in ("startup_ms", "first_frame_ms", "idle_cpu_percent",
                                                        "peak_rss_mb")}
    return results


def settled(pid, quiet=0.8, limit=30):
    """Waits until a process has used no CPU (to a clock tick) for `quiet`
    seconds: a program waiting for a key wakes briefly ten times a second, and
    a step that pauses between its pictures uses a tick more often than that."""
    end = time.monotonic() + limit
    last, since = cpu_ticks(pid), time.monotonic()
    while time.monotonic() < end:
        time.sleep(0.05)
        now = cpu_ticks(pid)
        if now != last:
            last, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return True
    return False


def window_steps(build, runs, work):
    """Every step of the slowest page in the real window, key by key: the time
    from each key's arrival to the step's picture handed to the window, at each
    screen size. Returns {screen: figures}."""
    program, keys, page = SLOW_PAGE
    results = {}
    for screen in STEP_SCREENS:
        name = f"{screen[0]}x{screen[1]}"
        per_run = []
        with Display(screen) as display:
            for _ in range(runs):
                times = os.path.join(work, f"{program}-steps-{name}.jsonl")
                live = times + ".part"  # the step times take their name only when the run ends
                for path in (times, live):
                    if os.path.exists(path):
                        os.remove(path)
                app = subprocess.Popen([os.path.join(build, program), "--time", TIME, "--step-times", times],
                                       env=display.env, stdout=subprocess.DEVNULL)
                try:
                    wait_for(lambda: os.path.exists(live), 10)
                    wait_for(lambda: bool(display.xdotool("search", "--name", f"^{program}$")), 10)
                    win = display.xdotool("search", "--name", f"^{program}$").split("\n")[0]
                    display.xdotool("windowactivate", "--sync", win)
                    settled(app.pid)
                    for key in keys:
                        display.xdotool("key", "--window", win, key)
                        settled(app.pid, 0.3)
                    on_page = lambda: [l for l in read_lines(live) if l.get("location") == page]
                    for _ in range(60):  # more than the page's steps; it ends at its sub-menu
                        before = len(read_lines(live))
                        display.xdotool("key", "--window", win, "space")
                        wait_for(lambda: len(read_lines(live)) > before, 10)
                        settled(app.pid)
                        if read_lines(live)[-1].get("location") != page:
                            break
                    shown = [l for l in on_page() if "shown_ms" in l]
                finally:
                    stop(app)
                if shown:
                    per_run.append(step_figures(shown, "shown_ms"))
        results[name] = median_of_runs(per_run, ("steps", "median_ms", "p99_ms", "max_ms")) if per_run else None
    return results


# The page's walk three ways: begun the moment the page is up (the browser
# still compiling the engine's code, no glyph drawn before); with the menu up
# for a second first, as in a lesson before the first key (the page draws its
# glyphs ahead meanwhile), which the targets judge; and walked again in the
# same tab, as on a later visit.
WEB_SETTLE_MS = 1000
WEB_WAYS = [("web_cold", {}), ("web", {"settle": WEB_SETTLE_MS}), ("web_warm", {"warm": True})]


def web(web_build, program, runs, work, settle=None, warm=False):
    """The walk in the browser's page, timed by the page itself: for each step,
    from the taking of its key to its picture on the canvas's pixels (the
    page has the canvas rasterize at once), leaving out the moments the walk
    gives the browser between steps. A fresh browser profile each run, so that
    every page is drawn as on its first visit, unless warm. None when the page
    or Chromium is missing."""
    page = os.path.join(web_build, f"{program}.html")
    runner = os.path.join(os.path.dirname(os.path.abspath(__file__)), "web-run")
    if not os.path.exists(page):
        print(f"bench: no {page}; the browser's figures are left out", file=sys.stderr)
        return None
    times = os.path.join(work, f"{program}-web.jsonl")
    per_run = []
    for _ in range(runs):
        cmd = [runner, page, "--walk", "--time", TIME, "--window", WEB_WINDOW, "--step-times", times]
        if settle is not None:
            cmd += ["--settle", str(settle)]
        if warm:
            cmd.append("--warm")
        done = subprocess.run(cmd, capture_output=True, text=True)
        if done.returncode != 0:
            print(f"bench: {' '.join(cmd)} ended with status {done.returncode}: {done.stderr.strip()}",
                  file=sys.stderr)
            return None
        steps = [line for line in read_lines(times) if "shown_ms" in line]
        per_run.append({**step_figures(steps, "shown_ms"), "total_ms": sum(s["shown_ms"] for s in steps)})
    return median_of_runs(per_run, ("total_ms", "steps", "median_ms", "p99_ms", "max_ms"))


def machine():
    model = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as f:
        memory = int(f.readline().split()[1]) // 1024
    return {"cpus": os.cpu_count(), "cpu_model": model, "memory_mb": memory, "kernel": platform.release(),
            "load_at_start": os.getloadavg()[0]}


def summary(program, head, win, page):
    """The figures a target is judged on, for one program."""
    return {
        "web_p99_ms": page["p99_ms"] if page else None,
        "web_max_ms": page["max_ms"] if page else None,
        "p99_ms_4/3": head["scales"]["4/3"]["p99_ms"],
        "max_ms_4/3": head["scales"]["4/3"]["max_ms"],
        "p99_ms_8/3": head["scales"]["8/3"]["p99_ms"],
        "max_ms_8/3": head["scales"]["8/3"]["max_ms"],
        **{f"shown_ms_{w}x{h}": (((win or {}).get("steps") or {}).get(f"{w}x{h}") or {}).get("max_ms")
           for w, h in STEP_SCREENS},
        "startup_ms": head["startup_ms"],
        "first_frame_ms": win.get("first_frame_ms") if win else None,
        "idle_cpu_percent": win.get("idle_cpu_percent") if win else None,
        "peak_rss_mb": max([s["peak_rss_mb"] for s in head["scales"].values()] +
                           ([win["peak_rss_mb"]] if win and win.get("peak_rss_mb") else [])),
    }


def fmt(value, digits=1):
    return "-" if value is None else f"{value:.{digits}f}"


def location(code):
    return "menu" if code == 0 else f"s{code // 100} p{code % 100}"


def print_table(report):
    m = report["machine"]
    print(f"Mebuki benchmark: {m['cpus']} x {m['cpu_model']}, {m['memory_mb']} MB, Linux {m['kernel']}; "
          f"median of {report['runs']} runs (idle: {report['idle_runs']} x {report['idle_seconds']} s); "
          f"load average {m['load_at_start']:.1f} at the start, {m['load_at_end']:.1f} at the end")
    print()
    header = f"{'figure':<60}" + "".join(f"{p:>18}" for p in PROGRAMS)
    print(header)
    print("-" * len(header))

    def row(label, values):
        print(f"{label:<60}" + "".join(f"{v:>18}" for v in values))

    progs = [report["programs"][p] for p in PROGRAMS]
    row("start-up to first picture, headless (ms)", [fmt(p["headless"]["startup_ms"]) for p in progs])
    row("start-up to first picture, window (ms)", [fmt((p.get("window") or {}).get("startup_ms")) for p in progs])
    row("start-up to first frame shown, window (ms)",
        [fmt((p.get("window") or {}).get("first_frame_ms")) for p in progs])
    for name, _ in SCALES:
        scales = [p["headless"]["scales"][name] for p in progs]
        row(f"walk at scale {name}: total (ms)", [fmt(s["total_ms"]) for s in scales])
        row(f"  steps", [f"{s['steps']:.0f}" for s in scales])
        row(f"  step median / p99 / max (ms)",
            [f"{s['median_ms']:.2f}/{s['p99_ms']:.1f}/{s['max_ms']:.1f}" for s in scales])
        row(f"  slowest step", [location(s["slowest_location"]) for s in scales])
        row(f"  peak memory (MB)", [fmt(s["peak_rss_mb"]) for s in scales])
    for w, h in STEP_SCREENS:
        steps = [(((p.get("window") or {}).get("steps") or {}).get(f"{w}x{h}")) for p in progs]
        row(f"window {w}x{h}, {location(SLOW_PAGE[2])}: key to picture",
            ["-" if s is None else f"{s['median_ms']:.2f}/{s['p99_ms']:.1f}/{s['max_ms']:.1f}" for s in steps])
    for key, label in [("web_cold", "begun as the page is up"),
                       ("web", f"menu up {WEB_SETTLE_MS / 1000:g} s first"),
                       ("web_warm", "walked again in the same tab")]:
        pages = [p.get(key) for p in progs]
        row(f"page in Chromium {WEB_WINDOW}, {label}", ["" for _ in pages])
        row(f"  sum of steps (ms)", [fmt(w["total_ms"]) if w else "-" for w in pages])
        row(f"  step median / p99 / max (ms)",
            ["-" if w is None else f"{w['median_ms']:.2f}/{w['p99_ms']:.1f}/{w['max_ms']:.1f}" for w in pages])
        row(f"  slowest step", ["-" if w is None else location(w["slowest_location"]) for w in pages])
    row("window peak memory (MB)", [fmt((p.get("window") or {}).get("peak_rss_mb")) for p in progs])
    row("idle CPU at a pause, window (% of a core)",
        [fmt((p.get("window") or {}).get("idle_cpu_percent"), 2) for p in progs])
    print()
    print("Targets")
    for key, limit, unit, what in TARGETS:
        verdicts = []
        for p in PROGRAMS:
            value = report["targets"][p][key]["value"]
            met = report["targets"][p][key]["met"]
            verdicts.append("-" if met is None else f"{fmt(value, 2)} {'met' if met else 'MISSED'}")
        row(f"{what} < {limit} {unit}", verdicts)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle-runs", type=int, default=3)
    parser.add_argument("--idle-seconds", type=float, default=10)
    parser.add_argument("--step-runs", type=int, default=3, help="runs of the slowest page in the window")
    parser.add_argument("--probe", help="the first_frame helper; without it the window figures are left out")
    parser.add_argument("--web", help="the browser build holding the pages; without it their figures are left out")
    args = parser.parse_args()

    has_display = args.probe and all(shutil.which(t) for t in ("Xvfb", "openbox", "xdotool", "xdpyinfo"))
    report = {"machine": machine(), "runs": args.runs, "idle_runs": args.idle_runs,
              "idle_seconds": args.idle_seconds, "programs": {}, "targets": {}}
    with tempfile.TemporaryDirectory() as work:
        for program in PROGRAMS:
            print(f"bench: {program} headless ...", file=sys.stderr)
            report["programs"][program] = {"headless": headless(args.build, program, args.runs, work)}
        if has_display:
            print("bench: the window under Xvfb ...", file=sys.stderr)
            for program, figures in window(args.build, PROGRAMS, args.runs, args.idle_runs, args.idle_seconds,
                                           args.probe, work).items():
                report["programs"][program]["window"] = figures
            print("bench: the slowest page's steps in the window ...", file=sys.stderr)
            steps = window_steps(args.build, args.step_runs, work)
            report["programs"][SLOW_PAGE[0]]["window"]["steps"] = steps
        if args.web:
            for program in PROGRAMS:
                print(f"bench: {program} in the browser ...", file=sys.stderr)
                for key, how in WEB_WAYS:
                    report["programs"][program][key] = web(args.web, program, args.runs, work, **how)
    report["machine"]["load_at_end"] = os.getloadavg()[0]
    for program in PROGRAMS:
        p = report["programs"][program]
        figures = summary(program, p["headless"], p.get("window"), p.get("web"))
        report["targets"][program] = {
            key: {"value": figures[key], "limit": limit, "unit": unit,
                  "met": None if figures[key] is None else figures[key] < limit}
            for key, limit, unit, _ in TARGETS}
    out = os.path.join(args.build, "bench.json")
    with open(out, "w") as f:
        json.dump(report, f, indent=2)
    print_table(report)
    print(f"\nfigures written to {out}")


if __name__ == "__main__":
    main()
