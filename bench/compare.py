#!/usr/bin/python3
"""Runs dxftool and its peers on the same drawings and prints a table of times and memory.

Tasks: read (info), render (a picture of the view) and print (the printed sheet as PDF).

For every file and task, each tool runs several times; the table shows the median wall
time, the peak resident memory (from /usr/bin/time -v) and the ratio of the tool's median
to ours (above 1 means ours is faster). Normally started by compare.sh, which builds the
programs and writes the generated drawings first.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PYTHON = "/usr/bin/python3"  # the Debian interpreter that has ezdxf
SKIPPED = 3  # exit status of a peer that cannot run here
# How many times slower than ours each peer should be on the large generated files.
GOALS = {"dxflib": 5, "ezdxf readfile": 50, "librecad dxf2pdf": 5}


class Tool:
    def __init__(self, task, name, command, reference=False, max_mib=None):
        self.task = task            # "read", "render" or "print"
        self.name = name
        self.command = command      # function (input path, scratch folder) -> argv, env
        self.reference = reference  # our own program: the others are compared with it
        self.max_mib = max_mib      # larger files are left out (memory)


def measure(argv, env, runs, budget, timeout):
    """Median wall time in seconds, peak RSS in MiB, run count, and an error text or None."""
    times, peak_kib = [], 0
    with tempfile.NamedTemporaryFile(prefix="tool-bench-", suffix=".time") as report:
        for _ in range(runs):
            start = time.perf_counter()
            try:
                done = subprocess.run(["/usr/bin/time", "-v", "-o", report.name] + argv, env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                      timeout=timeout)
            except subprocess.TimeoutExpired:
                return None, None, len(times), f"timed out after {timeout} s"
            elapsed = time.perf_counter() - start
            if done.returncode == SKIPPED:
                return None, None, 0, "skipped: " + done.stderr.decode(errors="replace").strip()
            if done.returncode != 0:
                text = done.stderr.decode(errors="replace").strip().splitlines()
                return None, None, len(times), f"exit {done.returncode}: {text[-1] if text else ''}"
            with open(report.name) as f:
                match = re.search(r"Maximum resident set size \(kbytes\): (\d+)", f.read())
            peak_kib = max(peak_kib, int(match.group(1)) if match else 0)
            times.append(elapsed)
            if sum(times) > budget:
                break
    return statistics.median(times), peak_kib / 1024.0, len(times), None


def tools(args):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C")
    size = [str(args.width), str(args.height)]

    def plain(argv):
        return lambda path, scratch: (argv + [path], env)

    def dxftool_render(ext):
        return lambda path, scratch: ([args.dxftool, "render", path,
                                       os.path.join(scratch, "ours." + ext), "--width", size[0],
                                       "--height", size[1]], env)

    def librecad(path, scratch):
        # dxf2pdf writes next to its input; a link in the scratch folder keeps it there.
        link = os.path.join(scratch, "librecad_input.dxf")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(os.path.abspath(path), link)
        return ["librecad", "dxf2pdf", "--fit", link], env

    def dxftool_print(path, scratch):
        return [args.dxftool, "print", path, os.path.join(scratch, "sheet.pdf")], env

    def ezdxf_render(path, scratch):
        return [PYTHON, os.path.join(HERE, "tools", "ezdxf_render.py"), path,
                os.path.join(scratch, "ezdxf.png")] + size, env

    found = [
        Tool("read", "dxftool info", plain([args.dxftool, "info"]), reference=True),
        Tool("read", "floor: wc -l", plain(["wc", "-l"])),
        Tool("read", "dxflib", plain([args.dxflib])),
        Tool("read", "ezdxf readfile",
             plain([PYTHON, os.path.join(HERE, "tools", "ezdxf_read.py")])),
        Tool("render", "dxftool render png", dxftool_render("png"), reference=True),
        # Cairo's PDF surface holds the whole page in memory, about 11 KiB per object.
        Tool("render", "dxftool render pdf", dxftool_render("pdf"), max_mib=50),
    ]
    # The printed sheet: our streaming PDF against the same export of LibreCAD.
    found.append(Tool("print", "dxftool print pdf", dxftool_print, reference=True))
    if shutil.which("librecad"):
        found.append(Tool("render", "librecad dxf2pdf", librecad))
        found.append(Tool("print", "librecad dxf2pdf", librecad))
    else:
        print("note: librecad is not installed; its export is left out", file=sys.stderr)
    # The drawing add-on paints through matplotlib at about 4 ms per object: larger files
    # would take hours.
    found.append(Tool("render", "ezdxf drawing png", ezdxf_render, max_mib=5))
    return found


def sample_files(folder, count):
    """The largest ASCII DXF files of the shared samples."""
    found = []
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            if not name.lower().endswith(".dxf"):
                continue
            with open(path, "rb") as f:
                if f.read(18) == b"AutoCAD Binary DXF":
                    continue
            found.append(path)
    found.sort(key=os.path.getsize, reverse=True)
    return found[:count]


def generated_records(path):
    match = re.match(r"gen_(\d+)_", os.path.basename(path))
    return int(match.group(1)) if match else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dxftool", required=True)
    parser.add_argument("--dxflib", required=True)
    parser.add_argument("--files", nargs="+", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--budget", type=float, default=60.0,
                        help="seconds after which a tool stops repeating on one file")
    parser.add_argument("--timeout", type=float, default=1200.0)
    parser.add_argument("--width", type=int, default=1600)
    parser.add_argument("--height", type=int, default=1200)
    parser.add_argument("--samples", default="/work/shared/samples")
    parser.add_argument("--largest-samples", type=int, default=3)
    parser.add_argument("--tasks", nargs="+", choices=["read", "render", "print"],
                        default=["read", "render", "print"])
    args = parser.parse_args()

    files = list(args.files)
    if os.path.isdir(args.samples):
        files += sample_files(args.samples, args.largest_samples)
    all_tools = [tool for tool in tools(args) if tool.task in args.tasks]
    rows, goals = [], []
    scratch = tempfile.mkdtemp(prefix="tool-bench-")
    try:
        for path in files:
            size_mib = os.path.getsize(path) / 2**20
            subprocess.run(["cat", path], stdout=subprocess.DEVNULL)  # warm the page cache
            ours = {}
            for tool in all_tools:
                if tool.max_mib is not None and size_mib > tool.max_mib:
                    rows.append((os.path.basename(path), size_mib, tool.task, tool.name, None,
                                 None, 0, None, f"left out above {tool.max_mib} MiB"))
                    continue
                argv, env = tool.command(path, scratch)
                print(f"{os.path.basename(path)}: {tool.name}", file=sys.stderr, flush=True)
                median, peak, runs, error = measure(argv, env, args.runs, args.budget, args.timeout)
                if tool.reference and median is not None:
                    ours[tool.task] = (median, peak)
                reference = ours.get(tool.task)
                ratio = (median / reference[0]) if (median and reference) else None
                rows.append((os.path.basename(path), size_mib, tool.task, tool.name, median, peak,
                             runs, ratio, error))
                records = generated_records(path)
                if records >= 100_000 and ratio is not None:
                    wanted = GOALS.get(tool.name)
                    if wanted:
                        goals.append((os.path.basename(path), f"{tool.name} / ours >= {wanted}",
                                      ratio, ratio >= wanted))
                if (records >= 100_000 and tool.name in ("dxftool info", "dxftool print pdf")
                        and peak is not None):
                    goals.append((os.path.basename(path),
                                  f"{tool.name.split()[1]} peak memory <= 3 x file size",
                                  peak / size_mib, peak <= 3 * size_mib))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    print(f"{'file':34} {'MiB':>7} {'task':6} {'tool':20} {'median s':>9} {'peak MiB':>9} "
          f"{'runs':>4} {'ratio':>8}")
    for name, size_mib, task, tool, median, peak, runs, ratio, error in rows:
        if error:
            print(f"{name:34} {size_mib:7.2f} {task:6} {tool:20} {error}")
            continue
        ratio_text = f"{ratio:8.2f}" if ratio is not None else f"{'-':>8}"
        print(f"{name:34} {size_mib:7.2f} {task:6} {tool:20} {median:9.3f} {peak:9.1f} "
              f"{runs:4d} {ratio_text}")
    if goals:
        print("\nGoals (100 000 and 1 000 000 records):")
        for name, goal, value, met in goals:
            print(f"  {'met   ' if met else 'MISSED'} {name:24} {goal:36} {value:8.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
