"""The spheres and cylinders that a glTF reader (three.js, Blender) built from
sferonda's binary glTF file, compared with the bead model.

The reader reports the vertex positions of every distinct geometry and, for
every mesh object, its geometry, world matrix (16 numbers, column by column)
and base color. A geometry whose vertices all lie at one distance from its
centre is the sphere; one whose vertices take two values along one axis is
the cylinder. The unit shapes may be of any size and place: what counts is
where the world matrix puts them.

A merged mesh (one per shape and color) holds many spheres or cylinders: its
vertices, in world coordinates, carry feature ids, the bead's or connector's
number. Each id's vertices must lie on the surface of that bead's sphere or
that connector's cylinder and reach its extent, in the mesh of its color.
"""

import array
import base64
import math
import sys

# tests/tools, where check_vrml lives, is on the path once webcheck is imported.
import webcheck  # noqa: F401
from check_vrml import VRML_COLORS  # noqa: E402

# The file holds 32-bit floats; the examples' coordinates stay below 100.
TOLERANCE = 1e-3


class Expected:
    """What the file must show: each bead of positive radius a sphere, each
    connector of positive radius between two distinct centres a cylinder."""

    def __init__(self, model):
        self.spheres = [(bead[:3], bead[3], VRML_COLORS[color])
                        for bead, color in zip(model.beads, model.bead_colors) if bead[3] > 0]
        self.cylinders = []
        for (first, second, radius), color in zip(model.connectors, model.connector_colors):
            start, end = model.beads[first - 1][:3], model.beads[second - 1][:3]
            if radius > 0 and start != end:
                self.cylinders.append((start, end, radius, VRML_COLORS[color]))
        self.omitted = len(model.beads) + len(model.connectors) - len(self.spheres) - len(self.cylinders)


def transform(matrix, point):
    x, y, z = point
    return tuple(matrix[row] * x + matrix[4 + row] * y + matrix[8 + row] * z + matrix[12 + row] for row in range(3))


def bounds_centre(points):
    return tuple((min(p[k] for p in points) + max(p[k] for p in points)) / 2 for k in range(3))


def classify(positions):
    """("sphere", centre, radius) or ("cylinder", end, end, radius) in the
    geometry's own coordinates, or None for any other shape."""
    points = [tuple(positions[i:i + 3]) for i in range(0, len(positions), 3)]
    if not points:
        return None
    centre = bounds_centre(points)
    distances = [math.dist(p, centre) for p in points]
    half_sizes = [max(p[k] for p in points) - centre[k] for k in range(3)]
    radius = max(distances)
    if all(abs(d - radius) <= 1e-4 * radius for d in distances + half_sizes):
        return ("sphere", centre, radius)
    for axis in range(3):
        levels = sorted({round(p[axis], 5) for p in points})
        if len(levels) == 2:
            ends = [tuple(level if k == axis else centre[k] for k in range(3)) for level in levels]
            radius = max(math.dist([p[k] for k in range(3) if k != axis], [centre[k] for k in range(3) if k != axis])
                         for p in points)
            return ("cylinder", ends[0], ends[1], radius, axis)
    return None


def distance_to_line(point, start, end):
    axis = [e - s for s, e in zip(start, end)]
    offset = [p - s for s, p in zip(start, point)]
    length = math.hypot(*axis)
    along = sum(a * o for a, o in zip(axis, offset)) / length
    return math.sqrt(max(0.0, sum(o * o for o in offset) - along * along))


def place(shape, matrix):
    """The shape in the world: ("sphere", centre, radius) or ("cylinder",
    start, end, radius); a sphere or cylinder the matrix makes out of round
    comes back with radius None."""
    if shape[0] == "sphere":
        _, centre, radius = shape
        world_centre = transform(matrix, centre)
        radii = [math.dist(transform(matrix, tuple(c + (radius if k == axis else 0) for k, c in enumerate(centre))),
                           world_centre) for axis in range(3)]
        round_enough = max(radii) - min(radii) <= TOLERANCE * (1 + max(radii))
        return ("sphere", world_centre, radii[0] if round_enough else None)
    _, start, end, radius, axis = shape
    world_start, world_end = transform(matrix, start), transform(matrix, end)
    radii = []
    for across in (k for k in range(3) if k != axis):
        rim = tuple(c + (radius if k == across else 0) for k, c in enumerate(start))
        radii.append(distance_to_line(transform(matrix, rim), world_start, world_end))
    round_enough = abs(radii[0] - radii[1]) <= TOLERANCE * (1 + max(radii))
    return ("cylinder", world_start, world_end, radii[0] if round_enough else None)


def read_scene(geometries, meshes):
    """Spheres [(centre, radius, color)], cylinders [(start, end, radius,
    color)] and problems of the reader's meshes."""
    shapes = {key: classify(positions) for key, positions in geometries.items()}
    spheres, cylinders, problems = [], [], []
    for number, mesh in enumerate(meshes, 1):
        shape = shapes[mesh["geometry"]]
        if shape is None:
            problems.append(f"mesh {number} ({mesh.get('name', '')}) is neither a sphere nor a cylinder")
            continue
        placed = place(shape, mesh["matrix"])
        color = tuple(round(c, 3) for c in mesh["color"][:3])
        if placed[-1] is None:
            problems.append(f"mesh {number} ({mesh.get('name', '')}): a {shape[0]} that is not round")
        elif placed[0] == "sphere":
            spheres.append((placed[1], placed[2], color))
        else:
            cylinders.append((placed[1], placed[2], placed[3], color))
    return spheres, cylinders, problems


def close(a, b):
    return abs(a - b) <= TOLERANCE * (1 + abs(b))


def points_close(p, q):
    return all(close(a, b) for a, b in zip(p, q))


def match(expected, found, key, same):
    """Pairs every expected shape with a found one near the same place (a
    grid of cells keyed by key(shape)); returns the unmatched of both."""
    cells = {}
    for shape in found:
        cells.setdefault(cell(key(shape)), []).append(shape)
    missing = []
    for shape in expected:
        x, y, z = cell(key(shape))
        candidates = (c for dx in (-1, 0, 1) for dy in (-1, 0, 1) for dz in (-1, 0, 1)
                      for c in cells.get((x + dx, y + dy, z + dz), ()))
        partner = next((c for c in candidates if same(shape, c)), None)
        if partner is None:
            missing.append(shape)
        else:
            cells[cell(key(partner))].remove(partner)
    return missing, [shape for bucket in cells.values() for shape in bucket]


def cell(point):
    return tuple(math.floor(v / 0.01) for v in point)


def same_sphere(a, b):
    return points_close(a[0], b[0]) and close(b[1], a[1]) and a[2] == b[2]


def same_cylinder(a, b):
    ends = points_close(a[0], b[0]) and points_close(a[1], b[1]) or \
        points_close(a[0], b[1]) and points_close(a[1], b[0])
    return ends and close(b[2], a[2]) and a[3] == b[3]


def midpoint(cylinder):
    return tuple((s + e) / 2 for s, e in zip(cylinder[0], cylinder[1]))


def compare(model, geometries, meshes):
    """Problems (empty when the scene shows the model) and a summary."""
    expected = Expected(model)
    spheres, cylinders, problems = read_scene(geometries, meshes)
    if (len(spheres), len(cylinders)) != (len(expected.spheres), len(expected.cylinders)):
        problems.append(f"{len(spheres)} spheres and {len(cylinders)} cylinders, the model has "
                        f"{len(expected.spheres)} beads and {len(expected.cylinders)} connectors to show")
    missing, extra = match(expected.spheres, spheres, lambda s: s[0], same_sphere)
    problems += [f"no sphere of radius {r:g} and color {c} at {rounded(p)}" for p, r, c in missing]
    problems += [f"a sphere of radius {r:.4g} and color {c} at {rounded(p)} that no bead has" for p, r, c in extra]
    missing, extra = match(expected.cylinders, cylinders, midpoint, same_cylinder)
    problems += [f"no cylinder of radius {r:g} and color {c} from {rounded(p)} to {rounded(q)}"
                 for p, q, r, c in missing]
    problems += [f"a cylinder of radius {r:.4g} and color {c} from {rounded(p)} to {rounded(q)} that no connector has"
                 for p, q, r, c in extra]
    if len(problems) > 10:
        problems = problems[:10] + [f"... {len(problems) - 10} more"]
    summary = (f"{len(spheres)} spheres and {len(cylinders)} cylinders ({expected.omitted} omitted), "
               f"at the beads' and connectors' places, sizes and colors")
    return problems, summary


def rounded(point):
    return tuple(round(v, 4) for v in point)


def floats(text):
    """Little-endian float32 values from their base64 text."""
    values = array.array("f")
    values.frombytes(base64.b64decode(text))
    if sys.byteorder == "big":
        values.byteswap()
    return values


def on_sphere(points, centre, radius):
    """Every point on the sphere's surface, and the points span it."""
    if not all(close(math.dist(p, centre), radius) for p in points):
        return False
    return points_close(bounds_centre(points), centre) and \
        all(close((max(p[k] for p in points) - min(p[k] for p in points)) / 2, radius) for k in range(3))


def on_cylinder(points, start, end, radius):
    """Every point on the side (at the radius from the axis, between the ends)
    or on an end's disc, and the points reach both ends and the radius."""
    axis = [e - s for s, e in zip(start, end)]
    length = math.hypot(*axis)
    along, across = [], []
    for p in points:
        offset = [c - s for s, c in zip(start, p)]
        t = sum(a * o for a, o in zip(axis, offset)) / length
        along.append(t)
        across.append(math.sqrt(max(0.0, sum(o * o for o in offset) - t * t)))
    for t, d in zip(along, across):
        on_side = close(d, radius) and -TOLERANCE <= t <= length * (1 + TOLERANCE) + TOLERANCE
        on_end = (close(t, 0) or close(t, length)) and d <= radius * (1 + TOLERANCE) + TOLERANCE
        if not (on_side or on_end):
            return False
    return close(min(along), 0) and close(max(along), length) and close(max(across), radius)


def compare_merged(model, merged):
    """Problems and a summary for the merged meshes of a file: each feature
    id names a bead (label "bead") or connector ("connector") of the model,
    whose shape its vertices make, in its color; every drawn bead and
    connector is found once."""
    beads = {number: (bead[:3], bead[3], VRML_COLORS[color]) for number, (bead, color)
             in enumerate(zip(model.beads, model.bead_colors), 1) if bead[3] > 0}
    connectors = {}
    for number, ((first, second, radius), color) in enumerate(zip(model.connectors, model.connector_colors), 1):
        start, end = model.beads[first - 1][:3], model.beads[second - 1][:3]
        if radius > 0 and start != end:
            connectors[number] = (start, end, radius, VRML_COLORS[color])
    expected = {"bead": beads, "connector": connectors}
    found = {"bead": set(), "connector": set()}
    problems = []
    for mesh in merged:
        label = mesh["label"]
        if label not in expected:
            problems.append(f"mesh {mesh['name']}: feature ids labelled {label!r}, not bead or connector")
            continue
        positions, ids = floats(mesh["positions"]), floats(mesh["ids"])
        color = tuple(round(c, 3) for c in mesh["color"][:3])
        groups = {}
        for vertex, number in enumerate(ids):
            groups.setdefault(number, []).append(tuple(positions[3 * vertex:3 * vertex + 3]))
        for number, points in groups.items():
            shape = expected[label].get(int(number)) if number == int(number) else None
            name = f"{label} {number:g}"
            if shape is None:
                problems.append(f"mesh {mesh['name']}: feature id {number:g} names no {label} drawn")
            elif int(number) in found[label]:
                problems.append(f"{name} in more than one place")
            elif shape[-1] != color:
                problems.append(f"{name} in mesh {mesh['name']} of color {color}, not {shape[-1]}")
            elif not (on_sphere(points, *shape[:2]) if label == "bead" else on_cylinder(points, *shape[:3])):
                kind = "sphere" if label == "bead" else "cylinder"
                problems.append(f"{name}: {len(points)} vertices, not all on its {kind} of radius {shape[-2]:g} "
                                f"at {rounded(shape[0])}")
            found[label].add(int(number))
    for label, shapes in expected.items():
        problems += [f"no {label} {number} among the feature ids" for number in sorted(set(shapes) - found[label])]
    if len(problems) > 10:
        problems = problems[:10] + [f"... {len(problems) - 10} more"]
    omitted = len(model.beads) + len(model.connectors) - len(beads) - len(connectors)
    summary = (f"{len(found['bead'])} spheres and {len(found['connector'])} cylinders in {len(merged)} merged meshes "
               f"({omitted} omitted), each at its bead's or connector's place, size and color through its feature id")
    return problems, summary
