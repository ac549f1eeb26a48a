# Every object Python gets stays usable while Python holds it, whichever of the others are gone:
# the model and what holds on to it are dropped one by one in every order, and after each drop
# (and a collection) everything left is used; the sets and the fired rule are left to the end.
import gc
import itertools

import pytest

import fuzzy
from conftest import EXAMPLES

USES = {
    "model": lambda o: o.fire(service=5, food=2)["tip"].value,
    "variable": lambda o: o.evaluate("very good").center_of_gravity(),
    "term": lambda o: o.points.sum(),
    "evaluated": lambda o: o.mean_of_maxima(),
    "outcome": lambda o: (o.value, o.variable.terms["cheap"].center_of_gravity(), o.fired[0].text),
    "result": lambda o: o.center_of_gravity(),
    "fired": lambda o: o.strength,
}


def make_objects():
    model = fuzzy.load(EXAMPLES / "tipping.fzy", EXAMPLES / "tipping.rules")
    food = model["food"]
    outcome = model.fire(service=5, food=2)["tip"]
    return {
        "model": model,
        "variable": food,
        "term": food["good"],
        "evaluated": food.evaluate("poor or rancid"),
        "outcome": outcome,
        "result": outcome.set,
        "fired": outcome.fired[0],
    }


DROPPED = ["model", "variable", "outcome", "result"]


@pytest.mark.parametrize("order", itertools.permutations(DROPPED))
def test_objects_outlive_whatever_goes_before_them(order):
    objects = make_objects()
    expected = {name: USES[name](obj) for name, obj in objects.items()}
    for name in order:
        del objects[name]
        gc.collect()
        for left, obj in objects.items():
            assert USES[left](obj) == expected[left]

