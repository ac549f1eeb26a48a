#!/usr/bin/env python3
"""Rows per second of Model.fire_batch against the library's own batch path.

Fires the tipping controller of bench/rules_bench.cpp over 100,000 rows of numpy input, as a
2-D array and as a dict of columns, and runs that benchmark's BM_FireBatch/100000 for the cost
of the same rows in C++. The Python layer should add at most 20 % at this size.

    PYTHONPATH=build/python python3 bench/python_batch.py [--cpp build/bench/rules_bench]

Timings are the best of several runs; on a busy machine run it twice. It is not a test.
"""

import argparse
import json
import pathlib
import subprocess
import sys
import time

import numpy as np

import fuzzy

# The model of bench/rules_bench.cpp, so that both sides fire the same rules over the same rows.
DEFINITIONS = """
(deffuzzy service (range 0 10) (values (term poor (z 0 5)) (term good (tri 2 5 8))
  (term excellent (s 5 10))))
(deffuzzy food (range 0 10) (values (term rancid ((0 1) (1 1) (3 0)))
  (term delicious ((6 0) (9 1) (10 1)))))
(deffuzzy tip (range 0 30) (values (term cheap (tri 0 5 10))
  (term average (tri 10 15 20)) (term generous (tri 20 25 30))))
"""
RULES = """
if service is poor or food is rancid then tip is cheap
if service is good then tip is average
if service is excellent or food is delicious then tip is generous
"""
ROWS = 100_000
ALLOWED_OVERHEAD = 0.20


def grid(count):
    """The rows of rules_bench's GridRows: service and food on a grid of half points."""
    i = np.arange(count)
    return np.column_stack(((i % 21) * 0.5, (i // 21 % 21) * 0.5))


def best_seconds(call, repeats):
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        call()
        best = min(best, time.perf_counter() - start)
    return best


def cpp_seconds(program, repeats):
    """The best time of BM_FireBatch/100000, or None without the benchmark program."""
    if not program.exists():
        return None
    output = subprocess.run(
        [str(program), f"--benchmark_filter=BM_FireBatch/{ROWS}$", "--benchmark_format=json",
         f"--benchmark_repetitions={repeats}"],
        check=True, capture_output=True, text=True).stdout
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    runs = [b for b in json.loads(output)["benchmarks"] if b.get("run_type") == "iteration"]
    return min(b["real_time"] * scale[b["time_unit"]] for b in runs)


def main():
    default_cpp = pathlib.Path(__file__).resolve().parents[1] / "build" / "bench" / "rules_bench"
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cpp", type=pathlib.Path, default=default_cpp,
                        help="the rules_bench program (default: %(default)s)")
    parser.add_argument("--repeats", type=int, default=5)
    arguments = parser.parse_args()

    model = fuzzy.Model(DEFINITIONS, RULES)
    rows = grid(ROWS)
    columns = {"service": rows[:, 0].copy(), "food": rows[:, 1].copy()}
    expected = [model.fire(service=s, food=f)["tip"].value for s, f in rows[:500]]
    np.testing.assert_array_equal(model.fire_batch(rows)[:500, 0], expected)

    timings = [
        ("Python, 2-D array", best_seconds(lambda: model.fire_batch(rows), arguments.repeats)),
        ("Python, dict of columns",
         best_seconds(lambda: model.fire_batch(columns), arguments.repeats)),
    ]
    cpp = cpp_seconds(arguments.cpp, arguments.repeats)
    if cpp is not None:
        timings.insert(0, ("C++ FireBatch", cpp))

    print(f"tipping controller, {ROWS:,} rows, best of {arguments.repeats}")
    print(f"{'path':<26}{'rows/s':>12}{'us/row':>10}{'vs C++':>10}")
    worst = 0.0
    for name, seconds in timings:
        overhead = "" if cpp is None else f"{(seconds / cpp - 1) * 100:+.1f} %"
        if cpp is not None:
            worst = max(worst, seconds / cpp - 1)
        print(f"{name:<26}{ROWS / seconds:>12,.0f}{seconds / ROWS * 1e6:>10.2f}{overhead:>10}")
    if cpp is None:
        print(f"(no {arguments.cpp}: build with -DFUZZY_BUILD_BENCH=ON for the C++ figure)")
        return 0
    verdict = "within" if worst <= ALLOWED_OVERHEAD else "OVER"
    print(f"Python layer adds at most {worst * 100:+.1f} %: {verdict} the "
          f"{ALLOWED_OVERHEAD * 100:.0f} % allowed")
    return 0 if worst <= ALLOWED_OVERHEAD else 1


if __name__ == "__main__":
    sys.exit(main())
