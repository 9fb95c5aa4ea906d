#!/usr/bin/env python3
"""Prints the results of a benchmark run as one table: each operation's median beside the
median of its baseline, the ratio of the two and, at the largest size, whether the goal holds.

    bench/table.py RESULTS.json [MORE.json ...]

The files are Google Benchmark JSON written with --benchmark_repetitions and
--benchmark_report_aggregates_only=true; only the medians are read.
"""

import json
import os
import sys

# operation, its baseline, the largest ratio the goal allows (None: no goal), what it means.
PAIRS = [
    ("LoadBase", "Baseline/ReadFile", 3.0),
    ("SaveBase", "Baseline/WriteFsync", 2.0),
    ("Search/AllFields/WordMissing/Whole", "Baseline/Memmem/AllFields/Whole", 2.0),
    ("Search/AllFields/WordMissing/Whole", "Baseline/GrepJson/AllFields/Whole", 1.0),
    ("Search/AllFields/WordMissing/Picker", "Baseline/Memmem/AllFields/Picker", None),
    ("Search/AllFields/ThreeWords/Whole", "Baseline/Memmem/AllFields/Whole", None),
    ("Search/AllFields/ThreeWords/Picker", "Baseline/Memmem/AllFields/Picker", None),
    ("Search/NameOnly/Whole", "Baseline/Memmem/Names/Whole", None),
    ("Search/NameOnly/Picker", "Baseline/Memmem/Names/Picker", None),
    ("Merge/File", "Baseline/ReadOtherFile", 2.0),
    ("Merge/InMemory", "Baseline/ReadOtherFile", None),
    ("Sort/Weights", "Baseline/ByteSort", None),
    ("Sort/Collator", "Baseline/ByteSort", None),
    ("Gui/StartUp", "Gui/LoadBase", None),
    ("Gui/ProcessStartUp", "Gui/LoadBase", None),
]

# Counters worth a note beside the time.
NOTES = [
    ("found", "found {:.0f}"),
    ("listed", "listed {:.0f}"),
    ("peak_rss_mb", "peak RSS {:.0f} MB"),
    ("file_mb", "file {:.0f} MB"),
    ("page_faults", "{:.0f} page faults"),
]

GOAL_SIZE = 100000

UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def read_medians(paths):
    """{(operation, size): (median in ms, note)} from the aggregate rows, the failures and a
    line on the machine and its load for each file."""
    medians = {}
    errors = []
    contexts = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        if not text.strip():
            continue  # the filter matched nothing in this program
        doc = json.loads(text)
        c = doc.get("context", {})
        load = " ".join(f"{x:.2f}" for x in c.get("load_avg", []))
        contexts.append(f"{os.path.basename(c.get('executable', path))}: {c.get('date', '?')}, "
                        f"{c.get('num_cpus', '?')} CPUs at {c.get('mhz_per_cpu', '?')} MHz, "
                        f"load average at start {load or '?'}")
        for b in doc.get("benchmarks", []):
            run = b.get("run_name", b["name"])
            parts = run.split("/")
            if parts and parts[-1] == "real_time":
                parts = parts[:-1]
            if len(parts) < 2 or not parts[-1].isdigit():
                continue
            key = ("/".join(parts[:-1]), int(parts[-1]))
            if b.get("error_occurred"):
                errors.append(f"{key[0]}/{key[1]}: {b.get('error_message', 'failed')}")
                continue
            if b.get("aggregate_name", "median") != "median":
                continue
            ms = b["real_time"] * UNIT_TO_MS[b.get("time_unit", "ns")]
            notes = [fmt.format(b[k]) for k, fmt in NOTES if k in b]
            medians[key] = (ms, ", ".join(notes))
    return medians, errors, contexts


def fmt_ms(ms):
    if ms >= 1000:
        return f"{ms / 1000:.2f} s"
    if ms >= 10:
        return f"{ms:.0f} ms"
    if ms >= 1:
        return f"{ms:.1f} ms"
    return f"{ms * 1000:.0f} us"


def build_rows(medians):
    rows = []
    paired = set()
    sizes = sorted({size for _, size in medians})
    for op, baseline, goal in PAIRS:
        for size in sizes:
            if (op, size) not in medians:
                continue
            ms, note = medians[(op, size)]
            paired.add((op, size))
            paired.add((baseline, size))
            row = [op, str(size), fmt_ms(ms), baseline, "", "", "", note]
            if (baseline, size) in medians:
                base_ms = medians[(baseline, size)][0]
                ratio = ms / base_ms if base_ms > 0 else float("inf")
                row[4] = fmt_ms(base_ms)
                row[5] = f"{ratio:.2f}x"
                if goal is not None:
                    verdict = ("met" if ratio <= goal else "MISSED") if size == GOAL_SIZE else ""
                    row[6] = f"<= {goal:g}x {verdict}".strip()
            else:
                row[4] = "not run"
            rows.append(row)
    # Whatever has no pair (a new benchmark, a memory figure) still shows.
    for (op, size), (ms, note) in sorted(medians.items()):
        if (op, size) not in paired and not op.startswith("Baseline/"):
            rows.append([op, str(size), fmt_ms(ms), "", "", "", "", note])
    return rows


def print_table(rows):
    header = ["operation", "size", "median", "baseline", "baseline median", "ratio", "goal",
              "note"]
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]

    def line(cells):
        return "| " + " | ".join(c.ljust(w) for c, w in zip(cells, widths)) + " |"

    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    medians, errors, contexts = read_medians(argv[1:])
    if not medians:
        print("no medians in " + ", ".join(argv[1:]), file=sys.stderr)
        return 1
    for c in contexts:
        print(c)
    print_table(build_rows(medians))
    for e in errors:
        print("skipped: " + e)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
