#!/usr/bin/env python3
"""Prints the peer benchmark's Google Benchmark JSON as one table (medians of the repetitions):
work, ours, fuzzylite, ratio and target, then the accuracy table from the run's context."""
import json
import sys

# (work, our run, fuzzylite run, measure, target check on the ratio, target text)
# The ratio is ours / fuzzylite: time for "ns" rows, throughput for "MB/s" rows.
ROWS = [
    ("tipping inference vs resolution 100", "tipping/ours", "tipping/fuzzylite/100", "ns",
     lambda r: r <= 1.0, "<= 1.0"),
    ("tipping through the rule base, batch, per row, vs resolution 100",
     "tipping/ours-rules-batch", "tipping/fuzzylite/100", "ns", lambda r: r <= 0.15, "<= 0.15"),
    ("tipping inference vs resolution 1,000", "tipping/ours", "tipping/fuzzylite/1000", "ns",
     None, ""),
    ("tipping inference vs resolution 10,000", "tipping/ours", "tipping/fuzzylite/10000", "ns",
     lambda r: r <= 0.02, "<= 0.02 (50x)"),
    ("DegreeOfMembership, 3 points (Triangle)", "membership/ours/3", "membership/fuzzylite/3",
     "ns", lambda r: r <= 1.2, "<= 1.2"),
    ("DegreeOfMembership, 7 points (Discrete)", "membership/ours/7", "membership/fuzzylite/7",
     "ns", lambda r: r < 1.0, "< 1.0"),
    ("DegreeOfMembership, 50 points (Discrete)", "membership/ours/50", "membership/fuzzylite/50",
     "ns", lambda r: r < 1.0, "< 1.0"),
    ("read 1,000 variables (ours / FLL)", "read/ours/1000", "read/fuzzylite/1000", "MB/s",
     lambda r: r >= 4.0, ">= 4.0"),
    ("read 10,000 variables (ours / FLL)", "read/ours/10000", "read/fuzzylite/10000", "MB/s",
     lambda r: r >= 4.0, ">= 4.0"),
]

# Our own runs against each other, in the same form. "ns/var" is the CPU time per variable.
OWN_ROWS = [
    ("read 100,000 variables, time per variable / at 1,000", "read/ours/100000",
     "read/ours/1000", "ns/var", lambda r: r <= 1.2, "<= 1.2"),
    ("write 1,000 variables / read them", "write/ours/1000", "read/ours/1000", "MB/s",
     lambda r: r >= 1.0, ">= 1.0"),
    ("write 10,000 variables / read them", "write/ours/10000", "read/ours/10000", "MB/s",
     lambda r: r >= 1.0, ">= 1.0"),
]

NS_PER_UNIT = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def medians(report):
    """Run name -> its median entry; without aggregates, the first plain entry."""
    found = {}
    for entry in report["benchmarks"]:
        name = entry.get("run_name", entry["name"])
        if entry.get("aggregate_name", "median") == "median":
            found.setdefault(name, entry)
    return found


def measure(entry, unit):
    if unit == "MB/s":
        return entry["bytes_per_second"] / 1e6
    if unit == "ns/var":
        return 1e9 / entry["items_per_second"]
    # A batch run does many rows per iteration and says how many.
    rows = entry.get("rows", 1.0)
    return entry["cpu_time"] * NS_PER_UNIT[entry.get("time_unit", "ns")] / rows


def number(value, unit):
    if unit == "MB/s":
        return f"{value:.1f} MB/s"
    if unit == "ns/var":
        return f"{value:,.0f} ns/var"
    return f"{value:,.0f} ns" if value >= 100 else f"{value:.1f} ns"


def timing_table(runs, rows=ROWS, header="| work | ours | fuzzylite | ratio | target | |"):
    lines = [header, "|---|---:|---:|---:|---|---|"]
    for work, ours_name, peer_name, unit, check, target in rows:
        if ours_name not in runs or peer_name not in runs:
            lines.append(f"| {work} | not run | | | {target} | |")
            continue
        ours = measure(runs[ours_name], unit)
        peer = measure(runs[peer_name], unit)
        ratio = ours / peer
        verdict = "" if check is None else ("met" if check(ratio) else "missed")
        lines.append(f"| {work} | {number(ours, unit)} | {number(peer, unit)} | {ratio:.3g} "
                     f"| {target} | {verdict} |")
    return lines


# (work, run, target check on the count, target text)
ALLOCATION_ROWS = [
    ("tipping inference, AssertRule path", "tipping/ours", lambda n: n <= 20, "<= 20"),
    ("tipping through the rule base, batch, per row", "tipping/ours-rules-batch",
     lambda n: n == 0, "0"),
    ("tipping inference, fuzzylite, resolution 100", "tipping/fuzzylite/100", None, ""),
    ("reading 10,000 variables, per variable", "read/ours/10000", None, ""),
]


def allocation_table(runs):
    lines = ["| heap allocations per inference (steady state) | count | target | |",
             "|---|---:|---|---|"]
    for work, name, check, target in ALLOCATION_ROWS:
        if name not in runs or "allocations" not in runs[name]:
            lines.append(f"| {work} | not run | {target} | |")
            continue
        count = runs[name]["allocations"]
        verdict = "" if check is None else ("met" if check(round(count, 2)) else "missed")
        lines.append(f"| {work} | {count:.1f} | {target} | {verdict} |")
    return lines


def accuracy_table(context):
    lines = ["| tipping result | max abs error vs exact centroid (441 grid points) |",
             "|---|---:|"]
    if "accuracy/ours" in context:
        lines.append(f"| ours (exact centre of gravity) | {float(context['accuracy/ours']):.1e} |")
    for key in sorted((k for k in context if k.startswith("accuracy/fuzzylite/")),
                      key=lambda k: int(k.rsplit("/", 1)[1])):
        resolution = int(key.rsplit("/", 1)[1])
        lines.append(f"| fuzzylite, resolution {resolution:,} | {float(context[key]):.1e} |")
    return lines


def main(path):
    with open(path, encoding="utf-8") as source:
        report = json.load(source)
    context = report.get("context", {})
    load = ", ".join(f"{value:.2f}" for value in context.get("load_avg", []))
    print(f"{context.get('num_cpus', '?')} CPUs at {context.get('mhz_per_cpu', '?')} MHz, "
          f"load average {load or '?'} (medians of the repetitions, CPU time)")
    print()
    runs = medians(report)
    print("\n".join(timing_table(runs)))
    print()
    print("\n".join(timing_table(runs, OWN_ROWS, "| work (ours) | run | reference | ratio | target | |")))
    print()
    print("\n".join(allocation_table(runs)))
    print()
    print("\n".join(accuracy_table(context)))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: format_table.py BENCHMARK_JSON")
    main(sys.argv[1])
