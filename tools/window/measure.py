# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Figures from raw observations: paints grouped into frames, frames into animations, latency
percentiles, and the judging of a figure against its goal within the machine's noise.

Nothing here talks to X or starts a process, so the arithmetic is tested on its own.
"""

import math
from dataclasses import dataclass

# Drawing operations that arrive this close together belong to one frame (one flush of the
# window's back buffer arrives as a few rectangles within a fraction of a millisecond).
FRAME_GAP = 0.003
# Frames this far apart belong to different animations (a 10 ms animation never pauses).
TRAIN_GAP = 0.05


def frames(times, gap=FRAME_GAP):
    """The start times of the frames in `times` (sorted arrival times of drawing operations)."""
    starts = []
    last = None
    for t in times:
        if last is None or t - last >= gap:
            starts.append(t)
        last = t
    return starts


def trains(starts, gap=TRAIN_GAP):
    """Frame start times split into runs whose frames follow each other within `gap`."""
    runs = []
    for t in starts:
        if runs and t - runs[-1][-1] < gap:
            runs[-1].append(t)
        else:
            runs.append([t])
    return runs


@dataclass
class Train:
    frames: int
    mean_ms: float   # (last - first) / (frames - 1)
    worst_ms: float  # the interval furthest from the mean


def describe_train(starts):
    """One animation's frames as a Train; None when it has fewer than three frames."""
    if len(starts) < 3:
        return None
    gaps = [(b - a) * 1000 for a, b in zip(starts, starts[1:])]
    mean = (starts[-1] - starts[0]) * 1000 / (len(starts) - 1)
    worst = max(gaps, key=lambda g: abs(g - mean))
    return Train(len(starts), mean, worst)


def pooled_mean(trains_):
    """The mean frame interval over several animations, each interval counted once."""
    intervals = sum(t.frames - 1 for t in trains_)
    if not intervals:
        return None
    return sum(t.mean_ms * (t.frames - 1) for t in trains_) / intervals


def clock_start(ticks, near, period=1.0):
    """When a clock that ticks every `period` seconds started, from the arrival times of the
    paints of its ticks: the median over the ticks of each one less its whole periods. `near`
    is any time within half a period of the start; a tick that painted nothing or late does not
    move the result."""
    if not ticks:
        return None
    return median([t - round((t - near) / period) * period for t in ticks])


def percentile(values, p):
    """The p-th percentile by the nearest-rank method: the smallest value that at least p% of
    the values do not exceed."""
    if not values:
        return None
    ordered = sorted(values)
    rank = max(1, math.ceil(p / 100 * len(ordered)))
    return ordered[rank - 1]


def median(values):
    ordered = sorted(values)
    n = len(ordered)
    if not n:
        return None
    mid = n // 2
    return ordered[mid] if n % 2 else (ordered[mid - 1] + ordered[mid]) / 2


@dataclass
class Goal:
    """A figure's goal: at most `high`, at least `low`, or both; `noise` is how far a measure
    of it strays from run to run on this machine, within which a miss is not counted."""
    low: float = None
    high: float = None
    noise: float = 0.0

    def verdict(self, value):
        """'met', 'within noise' (missed by no more than the noise) or 'missed'."""
        if value is None:
            return "missed"
        below = self.low is not None and value < self.low
        above = self.high is not None and value > self.high
        if not below and not above:
            return "met"
        miss = (self.low - value) if below else (value - self.high)
        return "within noise" if miss <= self.noise else "missed"

    def text(self):
        if self.low is not None and self.high is not None:
            mid = (self.low + self.high) / 2
            return f"{mid:g} ± {(self.high - self.low) / 2:g}"
        if self.high is not None:
            return f"≤ {self.high:g}"
        return f"≥ {self.low:g}"


def table(rows, headers):
    """A plain-text table, columns padded to their widest cell."""
    cells = [headers] + [[str(c) for c in row] for row in rows]
    widths = [max(len(r[i]) for r in cells) for i in range(len(headers))]
    line = lambda r: "  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip()
    out = [line(cells[0]), line(["-" * w for w in widths])]
    out += [line(r) for r in cells[1:]]
    return "\n".join(out)
