import pathlib

import pytest

import fuzzy

EXAMPLES = pathlib.Path(__file__).resolve().parents[2] / "examples"

# A model whose rule fires only for small x, so that large x leaves y without a value.
PARTIAL = """(deffuzzy x (range 0 10) (values (term low (tri 0 0 5))))
(deffuzzy y (range 0 100) (units percent) (values (term small (tri 0 10 20))))"""


@pytest.fixture
def tipping():
    return fuzzy.load(EXAMPLES / "tipping.fzy", EXAMPLES / "tipping.rules")


@pytest.fixture
def partial():
    return fuzzy.Model(PARTIAL, "if x is low then y is small")
