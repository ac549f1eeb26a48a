import math

import numpy as np
import pytest

import fuzzy
from conftest import EXAMPLES


def test_text_and_files_give_the_same_model(tipping):
    texts = [(EXAMPLES / name).read_text() for name in ("tipping.fzy", "tipping.rules")]
    text = fuzzy.Model(*texts)
    assert [v.name for v in text.variables] == [v.name for v in tipping.variables]
    assert text.rules == tipping.rules
    assert text.fire(service=3, food=8)["tip"].value == tipping.fire(service=3, food=8)["tip"].value


def test_variables_have_names_ranges_units_and_terms(tipping):
    assert [v.name for v in tipping.variables] == ["service", "food", "tip"]
    assert (tipping.inputs, tipping.outputs) == (["service", "food"], ["tip"])
    tip = tipping["tip"]
    assert (tip.range, tip.units) == ((0.0, 30.0), "percent")
    assert tip.comment == "tip in percent of the bill"
    assert list(tip.terms) == ["cheap", "average", "generous"]


def test_a_terms_points_are_an_n_by_2_array(tipping):
    points = tipping["tip"]["average"].points
    assert points.dtype == np.float64
    np.testing.assert_array_equal(points, [[10, 0], [15, 1], [20, 0]])


def test_auto_terms_add_low_medium_and_high():
    text = "(deffuzzy t (range 0 40) (values (term hot (tri 20 40 40))))"
    model = fuzzy.Model(text, auto_terms=True)
    assert list(model["t"].terms) == ["hot", "low", "medium", "high"]


@pytest.mark.parametrize(
    "expression, center, maxima",
    [
        ("poor or rancid", 2.0476190476190474, 2.0),
        ("delicious", 8.6, 9.5),
        ("rancid", 1.0833333333333333, 0.5),
    ],
)
def test_an_expression_evaluates_to_an_exact_set(tipping, expression, center, maxima):
    food = tipping["food"]
    result = food.evaluate(expression)
    assert result.center_of_gravity() == pytest.approx(center, abs=1e-12)
    assert result.mean_of_maxima() == pytest.approx(maxima, abs=1e-12)
    assert (result.variable, result.range) == ("food", (0.0, 10.0))
    # The evaluation leaves the model's terms as they were.
    assert list(food.terms) == ["rancid", "poor", "good", "delicious"]


def test_membership_takes_numbers_and_arrays(tipping):
    union = tipping["food"].evaluate("poor or rancid")
    assert union.membership(2) == 0.5
    np.testing.assert_array_equal(union.membership(np.array([[0, 2], [3, 9]])), [[1, 0.5], [1, 0]])


def test_lookups_of_unknown_names_raise_key_error(tipping):
    with pytest.raises(KeyError, match="service, food, tip"):
        tipping["speed"]
    with pytest.raises(KeyError):
        tipping["food"]["stale"]


def test_formats_and_their_suffixes():
    assert "fuzzy" in fuzzy.formats()
    assert fuzzy.format_of("examples/tipping.fzy") == "fuzzy"
    with pytest.raises(fuzzy.FuzzyError, match="no model format"):
        fuzzy.Model("", format="nonesuch")


def test_a_model_without_rules_has_variables_but_does_not_fire():
    model = fuzzy.Model("(deffuzzy x (range 0 1) (values (term a (tri 0 1 1))))")
    assert model.rules == [] and model["x"].evaluate("very a").center_of_gravity() > 0.5
    with pytest.raises(fuzzy.FuzzyError, match="no rules"):
        model.fire(x=0.5)
    assert not math.isnan(model["x"]["a"].mean_of_maxima())


def test_fis_and_fcl_models_load_by_their_suffix():
    assert (fuzzy.format_of("pump.fis"), fuzzy.format_of("heater.fcl")) == ("fis", "fcl")
    pump = fuzzy.load(str(EXAMPLES / "pump.fis"))
    level, inflow = 6.3, 1.7
    low, high = (pump["level"][term].membership(level) for term in ("low", "high"))
    slow, fast = (pump["inflow"][term].membership(inflow) for term in ("slow", "fast"))
    # product "and", and the weighted average of the Takagi-Sugeno terms
    weights = [low * slow, high * slow, fast]
    values = [0.0, 4 * level + 6 * inflow + 10, 90.0]
    expected = sum(w * v for w, v in zip(weights, values)) / sum(weights)
    assert pump.fire(level=level, inflow=inflow)["rate"].value == pytest.approx(expected, rel=1e-9)
    assert fuzzy.load(str(EXAMPLES / "heater.fcl")).outputs


def test_a_bad_model_file_names_its_line(tmp_path):
    path = tmp_path / "bad.fis"
    path.write_text("[System]\nName='x'\nType='nonesuch'\n")
    with pytest.raises(fuzzy.ParseError) as error:
        fuzzy.load(str(path))
    assert error.value.line == 3
