#!/usr/bin/env python3
"""Writes the example bead models and the main input file in examples/.

    python3 examples/generate.py

The models are grown from a fixed seed, so every run writes the same bytes.
The hand-written helix (helix.dat, helix.col) and header.inc are left alone;
main.inp runs every display type on every model, helix included.

The models sit within about 10 units of the origin, so that the camera of
header.inc sees them in the POV-Ray fragments too.
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
DISPLAY_TYPES = range(1, 7)

# POV-Ray scene colors (the VRML world knows two more).
WHITE, RED, YELLOW, BLUE, GREEN = 1, 2, 3, 4, 5


class Model:
    def __init__(self):
        self.beads = []       # (x, y, z, radius, color)
        self.connectors = []  # (first, second, radius, color), bead numbers from 1

    def add_bead(self, position, radius, color):
        self.beads.append((*position, radius, color))
        return len(self.beads)

    def connect(self, first, second, radius, color):
        assert first != second and distance(self.position(first), self.position(second)) > 0.1
        self.connectors.append((first, second, radius, color))

    def position(self, number):
        return self.beads[number - 1][:3]

    def write(self, name):
        dat = [str(len(self.beads))]
        dat += [f"{i} {x:.3f} {y:.3f} {z:.3f} {r:.2f}" for i, (x, y, z, r, _) in enumerate(self.beads, 1)]
        dat += [str(len(self.connectors))]
        dat += [f"{k} {a} {b} {r:.2f}" for k, (a, b, r, _) in enumerate(self.connectors, 1)]
        col = [str(len(self.beads))]
        col += [f"{i} {c}" for i, (*_, c) in enumerate(self.beads, 1)]
        col += [str(len(self.connectors))]
        col += [f"{k} {c}" for k, (*_, c) in enumerate(self.connectors, 1)]
        write_lines(f"{name}.dat", dat)
        write_lines(f"{name}.col", col)


def write_lines(name, lines):
    with open(os.path.join(HERE, name), "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def distance(p, q):
    return math.dist(p, q)


def add(p, q, scale=1.0):
    return tuple(a + scale * b for a, b in zip(p, q))


def normalized(v):
    length = math.hypot(*v)
    return tuple(a / length for a in v)


def random_direction(rng):
    z = 2.0 * rng.random() - 1.0
    phi = 2.0 * math.pi * rng.random()
    s = math.sqrt(1.0 - z * z)
    return (s * math.cos(phi), s * math.sin(phi), z)


def clashes(model, candidate, radius, ignore, overlap=1.0):
    """True when a sphere at candidate overlaps a bead other than `ignore`."""
    for number, (x, y, z, r, _) in enumerate(model.beads, 1):
        if number != ignore and distance(candidate, (x, y, z)) < overlap * (r + radius):
            return True
    return False


def long_chain():
    """A semiflexible polymer: 300 touching beads on a self-avoiding walk
    whose direction drifts slowly, kept within a sphere of radius 9."""
    rng = random.Random(1998)
    model = Model()
    radius, bond, confinement = 0.5, 1.0, 9.0
    position, heading = (-4.0, 0.0, 0.0), (1.0, 0.0, 0.0)
    # Four stretches of 75 beads show the path from one end to the other.
    colors = [BLUE, GREEN, YELLOW, RED]
    model.add_bead(position, radius, BLUE)
    while len(model.beads) < 300:
        for attempt in range(400):
            # Turn harder when the way ahead is blocked.
            trial = normalized(add(heading, random_direction(rng), 0.45 if attempt < 50 else 3.0))
            if math.hypot(*position) > confinement:
                trial = normalized(add(trial, normalized(position), -0.6))
            candidate = add(position, trial, bond)
            if not clashes(model, candidate, radius, len(model.beads)):
                break
        else:
            raise RuntimeError("chain walk is stuck; change the seed")
        position, heading = candidate, trial
        number = model.add_bead(position, radius, colors[len(model.beads) // 75])
        model.connect(number - 1, number, 0.25, WHITE)
    return model


def star():
    """A star polymer: a core bead, six curling arms of eight beads and a
    three-bead side branch on every arm, each arm in its own color."""
    rng = random.Random(7)
    model = Model()
    radius, bond = 0.6, 1.15
    core = model.add_bead((0.0, 0.0, 0.0), radius, WHITE)
    arm_colors = [RED, YELLOW, BLUE, GREEN, RED, YELLOW]
    directions = [(1, 0, 0), (-1, 0, 0), (0, 1, 0), (0, -1, 0), (0, 0, 1), (0, 0, -1)]
    tilt = normalized((0.3, 0.2, 0.1))
    for arm, (direction, color) in enumerate(zip(directions, arm_colors)):
        places, headings = free_arm(model, rng, normalized(add(direction, tilt, 0.4)), radius, bond)
        previous = core
        for step, place in enumerate(places):
            bead = model.add_bead(place, radius, color)
            # Thicker near the core, as the arms carry more there.
            model.connect(previous, bead, 0.35 if step == 0 else 0.25, WHITE if step == 0 else color)
            previous = bead
        branch_base = len(model.beads) - 4
        previous, position = branch_base, model.position(branch_base)
        branch_heading = free_branch_direction(model, rng, position, headings[3], radius, bond)
        for _ in range(3):
            position = add(position, branch_heading, bond)
            bead = model.add_bead(position, radius, WHITE)
            model.connect(previous, bead, 0.15, GREEN if arm % 2 else BLUE)
            previous = bead
    return model


def free_arm(model, rng, heading, radius, bond):
    """Eight places along a gently curling path from the core that touch no
    bead already placed but the core."""
    for _ in range(200):
        curl = random_direction(rng)
        places, headings, position, direction = [], [], (0.0, 0.0, 0.0), heading
        for _ in range(8):
            direction = normalized(add(direction, curl, 0.18))
            position = add(position, direction, bond)
            places.append(position)
            headings.append(direction)
        if not any(clashes(model, p, radius, 1) for p in places):
            return places, headings
    raise RuntimeError("no room for an arm; change the seed")


def free_branch_direction(model, rng, base, arm_heading, radius, bond):
    """A direction across the arm along which three beads fit without
    touching any bead already placed."""
    for _ in range(200):
        direction = random_direction(rng)
        across = sum(a * b for a, b in zip(direction, arm_heading))
        if abs(across) > 0.3:
            continue
        places = [add(base, direction, bond * step) for step in (1, 2, 3)]
        if not any(clashes(model, p, radius, 0) for p in places[1:]) and not clashes(
                model, places[0], radius, len(model.beads) - 4):
            return direction
    raise RuntimeError("no room for a side branch; change the seed")


def compact():
    """A coarse-grained globular chain of 100 beads of three sizes, folded
    up within a sphere of radius 5.5, with a few cross-links between beads
    in contact."""
    rng = random.Random(42)
    model = Model()
    sizes = [(1.0, BLUE), (0.75, RED), (0.5, YELLOW)]
    kinds = [sizes[min(2, int(3 * rng.random()))] for _ in range(100)]
    confinement = 5.5
    model.add_bead((0.0, 0.0, 0.0), *kinds[0])
    while len(model.beads) < 100:
        number = len(model.beads) + 1
        radius, color = kinds[number - 1]
        position = model.position(number - 1)
        bond = model.beads[-1][3] + radius
        free = []
        for _ in range(60):
            candidate = add(position, random_direction(rng), bond)
            if not clashes(model, candidate, radius, number - 1, overlap=0.95):
                free.append(candidate)
        if not free:
            # Buried: step back a few beads and grow again.
            del model.beads[max(1, len(model.beads) - 6):]
            continue
        inside = [p for p in free if math.hypot(*p) + radius <= confinement]
        place = inside[int(len(inside) * rng.random())] if inside else min(free, key=lambda p: math.hypot(*p))
        model.add_bead(place, radius, color)
    for number in range(2, 101):
        model.connect(number - 1, number, 0.3, WHITE)
    links = 0
    for a in range(1, 101):
        for b in range(a + 4, 101):
            ra, rb = model.beads[a - 1][3], model.beads[b - 1][3]
            if links < 8 and distance(model.position(a), model.position(b)) < 1.02 * (ra + rb) and rng.random() < 0.2:
                model.connect(a, b, 0.2, GREEN)
                links += 1
    return model


def single():
    model = Model()
    model.add_bead((0.0, 0.0, 0.0), 2.0, YELLOW)
    return model


def main_input(names):
    lines = []
    for name in names:
        for display_type in DISPLAY_TYPES:
            lines += [str(display_type), f"{name}.dat", f"{name}.col", name]
    write_lines("main.inp", lines + ["-1"])


def main():
    models = {"chain": long_chain(), "star": star(), "compact": compact(), "single": single()}
    for name, model in models.items():
        model.write(name)
    main_input(["helix", *models])


if __name__ == "__main__":
    main()
