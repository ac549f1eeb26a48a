import math

import numpy as np
import pytest

import fuzzy

GOOD = "(deffuzzy x (range 0 10)\n  (values (term low (tri 0 0 5))))\n"


@pytest.mark.parametrize(
    "text, line",
    [
        ("(deffuzzy x (range 0 10)\n  (values (term a (tri 1 2)))))", 2),
        (GOOD + "(deffuzzy y\n  (range 0 oops))", 4),
        (GOOD + "\n(deffuzzy y (range 0 1) (values (term b ((0 0) (1)))))", 4),
    ],
)
def test_definition_errors_carry_their_line(text, line):
    with pytest.raises(fuzzy.ParseError) as caught:
        fuzzy.Model(text, source="model.fzy")
    assert caught.value.line == line and caught.value.source == "model.fzy"
    assert str(caught.value).startswith(f"model.fzy:{line}: ")


@pytest.mark.parametrize(
    "rules, line, word",
    [
        ("if x is low then y is low", 1, "y"),
        ("# a comment\nif x is low then x is low", 2, "x"),
        ("if x is low then\n", 1, None),
        ("if x is low then x2 is low\nif x is very nonesuch then x2 is low", 2, "very nonesuch"),
    ],
)
def test_rule_errors_carry_their_line_and_word(rules, line, word):
    definitions = GOOD + "(deffuzzy x2 (range 0 1) (values (term low (tri 0 0 1))))"
    with pytest.raises(fuzzy.ParseError) as caught:
        fuzzy.Model(definitions, rules)
    assert caught.value.line == line
    if word is not None:
        assert caught.value.word == word


def test_errors_form_one_family():
    assert issubclass(fuzzy.ParseError, fuzzy.FuzzyError)
    for error in (fuzzy.ParseError, fuzzy.InputError):
        assert issubclass(error, fuzzy.FuzzyError) and issubclass(error, ValueError)


@pytest.mark.parametrize(
    "inputs, message",
    [
        ({"service": 5}, "food"),
        ({"service": 5, "food": math.nan}, "not a number"),
        ({"service": 5, "food": "good"}, "food is not a number"),
        ({"service": 11, "food": 5}, "outside its range"),
        ({"service": 5, "food": 5, "sevrice": 1}, "sevrice"),
    ],
)
def test_a_single_firing_refuses_bad_inputs(tipping, inputs, message):
    with pytest.raises(fuzzy.InputError, match=message) as caught:
        tipping.fire(inputs)
    assert caught.value.row is None


@pytest.mark.parametrize(
    "batch, row",
    [
        ({"service": [1, 2, 3], "food": [1, 2, 30]}, 2),
        ({"service": [np.nan, 2], "food": [1, 2]}, 0),
    ],
)
def test_a_batch_names_the_row_it_refuses(tipping, batch, row):
    with pytest.raises(fuzzy.InputError, match=f"^row {row}: ") as caught:
        tipping.fire_batch(batch)
    assert caught.value.row == row


@pytest.mark.parametrize(
    "batch, message",
    [
        (np.zeros((3, 3)), "column per input"),
        ({"service": [1, 2]}, "no column"),
        ({"service": [1, 2], "food": [1]}, "differ in length"),
        ({"service": [[1]], "food": [1]}, "1-D"),
        ({"service": ["a"], "food": [1]}, "of numbers"),
        ([["a", "b"]], "holds numbers"),
    ],
)
def test_a_batch_of_the_wrong_shape_is_refused(tipping, batch, message):
    with pytest.raises(fuzzy.InputError, match=message):
        tipping.fire_batch(batch)


def test_an_expression_error_is_a_parse_error(tipping):
    with pytest.raises(fuzzy.ParseError):
        tipping["food"].evaluate("poor or")
    assert list(tipping["food"].terms) == ["rancid", "poor", "good", "delicious"]
