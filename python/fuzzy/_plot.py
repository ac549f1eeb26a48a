"""Plots of variables, sets and firing outcomes, drawn with matplotlib when it is installed.

matplotlib is imported when a plot is asked for, never when fuzzy is imported, so the module
works without it.
"""


def _pyplot():
    try:
        import matplotlib.pyplot as pyplot
    except ImportError as error:
        raise ImportError(
            "fuzzy's plot() needs matplotlib, which is not installed "
            "(apt install python3-matplotlib, or pip install matplotlib)"
        ) from error
    return pyplot


def _axes(ax):
    return ax if ax is not None else _pyplot().subplots()[1]


def _label_axes(ax, name, units, value_range):
    ax.set_xlim(*value_range)
    ax.set_ylim(0, 1.05)
    ax.set_xlabel(f"{name} ({units})" if units else name)
    ax.set_ylabel("membership")


def _draw(ax, fuzzy_set, value_range, **style):
    points = fuzzy_set.points
    if len(points) == 0:
        return None
    # Membership runs on flat beyond the first and last points, up to the variable's ends.
    xs = [value_range[0], *points[:, 0], value_range[1]]
    ys = [points[0, 1], *points[:, 1], points[-1, 1]]
    return ax.plot(xs, ys, **style)


def plot_set(self, ax=None, label=None, **style):
    """Draws the set's membership over its variable's range; answers the axes."""
    ax = _axes(ax)
    _draw(ax, self, self.range, label=label or self.name or self.expression, **style)
    _label_axes(ax, self.variable, self.units, self.range)
    return ax


def plot_variable(self, ax=None):
    """Draws every term of the variable, one line each; answers the axes."""
    ax = _axes(ax)
    for name, term in self.terms.items():
        _draw(ax, term, self.range, label=name)
    _label_axes(ax, self.name, self.units, self.range)
    ax.set_title(self.comment or self.name)
    ax.legend()
    return ax


def plot_outcome(self, ax=None):
    """Draws the output's terms, the set the rules concluded (filled) and the crisp value."""
    ax = _axes(ax)
    variable = self.variable
    for name, term in variable.terms.items():
        _draw(ax, term, variable.range, label=name, linestyle=":", alpha=0.6)
    if self.set is not None:
        points = self.set.points
        ax.fill_between(points[:, 0], points[:, 1], alpha=0.4, label="result")
    if self.has_value:
        ax.axvline(self.value, color="black", label=f"{variable.name} = {self.value:.4g}")
    _label_axes(ax, variable.name, variable.units, variable.range)
    ax.set_title(f"{variable.name}: {self.status}")
    ax.legend()
    return ax
