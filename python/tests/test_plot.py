import subprocess
import sys

import pytest

import fuzzy


def test_importing_needs_no_matplotlib():
    code = "import sys; sys.modules['matplotlib'] = None; import fuzzy; print(fuzzy.Model)"
    subprocess.run([sys.executable, "-c", code], check=True, capture_output=True)


def test_plot_without_matplotlib_raises_import_error(tipping, monkeypatch):
    monkeypatch.setitem(sys.modules, "matplotlib", None)
    monkeypatch.setitem(sys.modules, "matplotlib.pyplot", None)
    with pytest.raises(ImportError, match="needs matplotlib"):
        tipping["food"].plot()


def test_plots_draw_terms_sets_and_outcomes(tipping):
    matplotlib = pytest.importorskip("matplotlib")
    matplotlib.use("Agg")
    import matplotlib.pyplot as pyplot

    food = tipping["food"]
    assert len(food.plot().lines) == len(food.terms)
    assert len(food.evaluate("very good").plot().lines) == 1
    tip = tipping.fire(service=5, food=2)["tip"]
    ax = tip.plot()
    assert ax.get_title() == "tip: fired" and len(ax.collections) == 1
    pyplot.close("all")
