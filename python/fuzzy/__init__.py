"""Exact fuzzy reasoning: linguistic variables, expressions and rule bases.

    import fuzzy
    model = fuzzy.load("tipping.fzy", "tipping.rules")
    model.fire(service=3, food=8)["tip"].value
    model.fire_batch(service=services, food=foods)["tip"]   # numpy in, numpy out

Sets are exact piecewise-linear point lists; centres of gravity and rule results are computed
on those points, never on samples.
"""

import os as _os

from ._fuzzy import (
    FiredRule,
    FuzzyError,
    InputError,
    Model,
    Outcome,
    ParseError,
    Set,
    Variable,
    format_of,
    formats,
)
from . import _plot

__all__ = [
    "FiredRule",
    "FuzzyError",
    "InputError",
    "Model",
    "Outcome",
    "ParseError",
    "Set",
    "Variable",
    "format_of",
    "formats",
    "load",
]


def _read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def load(path, rules=None, *, format=None, auto_terms=False):
    """A model from a definition file and, when given, a rule file.

    The format follows the file's suffix unless named (see formats()); a format that carries
    its own rules needs no rule file.
    """
    path = _os.fspath(path)
    rules_path = None if rules is None else _os.fspath(rules)
    return Model(
        _read(path),
        None if rules_path is None else _read(rules_path),
        format=format or format_of(path),
        auto_terms=auto_terms,
        source=path,
        rules_source=rules_path or "<rules>",
    )


Variable.plot = _plot.plot_variable
Set.plot = _plot.plot_set
Outcome.plot = _plot.plot_outcome
