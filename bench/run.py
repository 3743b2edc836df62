#!/usr/bin/env python3
"""Times treepage against the floor (the system work the job cannot avoid) and
against `tree -H`, on one generated tree with a warm cache, and reports
treepage's peak memory against the size of its page.

usage: bench/run.py [--entries N ...] [--runs R] [--build DIR]
Run from the repository after `cmake --preset default && cmake --build --preset default`.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(HERE)


def measure(build, command):
    out = subprocess.run([os.path.join(build, "bench", "treepage_measure"), *command],
                         check=True, capture_output=True, text=True).stdout.split()
    wall, rss, code = float(out[0]), int(out[1]), int(out[2])
    if code != 0:
        sys.exit(f"{command[0]} failed with exit code {code}")
    return wall, rss


def bench(entries, runs, build, work):
    tree = os.path.join(work, f"tree-{entries}")
    if not os.path.isdir(tree):
        print(f"generating {entries} entries in {tree} ...", flush=True)
        subprocess.run([sys.executable, os.path.join(HERE, "generate_tree.py"), tree,
                        str(entries), "1"], check=True)
    pages = os.path.join(work, "pages")
    os.makedirs(pages, exist_ok=True)
    commands = {
        "treepage": [os.path.join(build, "treepage"), tree, os.path.join(pages, "treepage.html")],
        "floor": [os.path.join(build, "bench", "treepage_floor"), tree,
                  os.path.join(pages, "floor.html")],
    }
    if shutil.which("tree"):
        commands["tree -H"] = ["tree", "-H", ".", "-o", os.path.join(pages, "tree.html"), tree]
    else:
        print("note: `tree` is not installed (apt-get install tree); it is left out")

    times = {name: [] for name in commands}
    rss = []
    for name, command in commands.items():  # warm the cache
        measure(build, command)
    for _ in range(runs):
        for name, command in commands.items():
            wall, peak = measure(build, command)
            times[name].append(wall)
            if name == "treepage":
                rss.append(peak)

    median = {name: statistics.median(values) for name, values in times.items()}
    page = os.path.getsize(os.path.join(pages, "treepage.html"))
    limit_kib = (2.5 * page + 16 * 2**20) / 1024
    print(f"\n{entries} entries, median of {runs} runs:")
    for name, value in median.items():
        print(f"  {name:9} {value * 1000:9.1f} ms   {value / entries * 1e6:6.2f} us/entry")
    print(f"  treepage / floor   {median['treepage'] / median['floor']:.2f}  (target <= 1.25)")
    if "tree -H" in median:
        print(f"  treepage / tree -H {median['treepage'] / median['tree -H']:.2f}  (target < 1)")
    print(f"  treepage peak RSS {max(rss) / 1024:.1f} MiB, page {page / 2**20:.1f} MiB, "
          f"limit 2.5 x page + 16 MiB = {limit_kib / 1024:.1f} MiB")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--entries", type=int, nargs="+", default=[200000])
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--build", default=os.path.join(TOP, "build", "default"))
    parser.add_argument("--work", default=os.path.join(TOP, "build", "bench"))
    args = parser.parse_args()
    for entries in args.entries:
        bench(entries, args.runs, args.build, args.work)


if __name__ == "__main__":
    main()
