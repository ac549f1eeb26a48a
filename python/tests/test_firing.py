import math
import threading
import time
import types

import numpy as np
import pytest

import fuzzy
from conftest import PARTIAL


def test_a_single_firing_reports_its_rules_and_strengths(tipping):
    tip = tipping.fire({"service": 5, "food": 2})["tip"]
    assert tip.value == pytest.approx(10.714285714285714, abs=1e-12)
    assert (tip.status, tip.has_value, tip.rule_count) == ("fired", True, 5)
    assert [(r.line, r.rule, r.strength) for r in tip.fired] == [(5, 1, 0.5), (6, 2, 1.0)]
    assert tip.fired[1].text == "if service is good then tip is average"
    assert tip.set.center_of_gravity() == pytest.approx(tip.value, abs=1e-12)
    assert tip.variable.name == "tip"


def grid(count, seed=7):
    return np.random.default_rng(seed).uniform(0, 10, size=(count, 2))


@pytest.mark.parametrize("form", ["matrix", "list", "columns", "mapping", "keywords"])
def test_a_batch_equals_single_firings_row_by_row(tipping, form):
    rows = grid(200)
    single = [tipping.fire(service=s, food=f)["tip"].value for s, f in rows]
    if form == "matrix":
        tips = tipping.fire_batch(rows)[:, 0]
    elif form == "list":
        tips = tipping.fire_batch(rows.tolist())[:, 0]
    elif form in ("columns", "mapping"):
        columns = {"food": rows[:, 1], "service": rows[:, 0], "other": 1}
        batch = columns if form == "columns" else types.MappingProxyType(columns)
        tips = tipping.fire_batch(batch)["tip"]
    else:
        tips = tipping.fire_batch(service=rows[:, 0], food=rows[:, 1])["tip"]
    np.testing.assert_array_equal(tips, single)


def test_a_number_stands_for_a_whole_column(tipping):
    tips = tipping.fire_batch(service=5, food=[2, 8])["tip"]
    single = [tipping.fire(service=5, food=f)["tip"].value for f in (2, 8)]
    np.testing.assert_array_equal(tips, single)


def test_no_rule_fired_gives_nan(partial):
    outcome = partial.fire(x=8)["y"]
    assert math.isnan(outcome.value) and outcome.set is None
    assert (outcome.status, outcome.fired) == ("no rule fired", [])
    values = partial.fire_batch(x=np.array([1.0, 8.0, 4.0]))["y"]
    assert math.isnan(values[1]) and not np.isnan(values[[0, 2]]).any()


def test_several_outputs_come_back_as_columns():
    model = fuzzy.Model(
        PARTIAL + "(deffuzzy z (range 0 1) (values (term on (tri 0 1 1))))",
        "if x is low then y is small and z is on",
    )
    both = model.fire_batch(np.array([[1.0], [8.0]]))
    assert both.shape == (2, 2) and np.isnan(both[1]).all()
    columns = model.fire_batch(x=[1.0, 8.0])
    np.testing.assert_array_equal(columns["z"], both[:, 1])


def test_clamped_inputs_fire_at_the_range_ends(tipping):
    tipping.clamp_inputs = True
    np.testing.assert_array_equal(
        tipping.fire_batch(service=[-5, 15], food=[20, 5])["tip"],
        tipping.fire_batch(service=[0, 10], food=[10, 5])["tip"],
    )


def test_python_runs_on_while_a_batch_fires(tipping):
    # With the GIL held, the main thread would not wake once while the batch fires.
    rows = np.tile(grid(1000), (40, 1))
    span = {}

    def work():
        start = time.perf_counter()
        span["tips"] = tipping.fire_batch(rows)
        span["time"] = (start, time.perf_counter())

    worker = threading.Thread(target=work)
    worker.start()
    beats = []
    while worker.is_alive():
        time.sleep(0.001)
        beats.append(time.perf_counter())
    worker.join()
    start, end = span["time"]
    gaps = np.diff([start, *(beat for beat in beats if start < beat < end), end])
    assert gaps.max() < (end - start) / 2 and span["tips"].shape == (len(rows), 1)


def test_threads_firing_one_model_get_the_single_results(tipping):
    rows = grid(500)
    expected = tipping.fire_batch(rows)
    results = [None] * 4

    def fire(i):
        if i % 2:
            results[i] = tipping.fire_batch(rows)
        else:
            results[i] = tipping.fire_batch(service=rows[:, 0], food=rows[:, 1])["tip"][:, None]

    threads = [threading.Thread(target=fire, args=(i,)) for i in range(4)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    for result in results:
        np.testing.assert_array_equal(result, expected)
