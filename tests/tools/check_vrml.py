"""A real VRML 2.0 parser, tovrmlx3d of view3dscene, loads the VRML worlds
(.vrml) that sferonda writes for the examples and converts them to X3D.

tovrmlx3d knows VRML only by the .wrl extension, so it reads a copy of each
world under that name. It reports problems in the file as warnings and still
ends with status 0: any message it prints fails the check. In the X3D that it
writes, every bead must be one Sphere and every connector one Cylinder with
the bead's or connector's color; all radii and cylinder lengths must be the
model's scaled by one factor, and each cylinder, placed and turned as the
parser understood the file, must run from its first bead's centre to its
second bead's.
"""

import math
import os
import shutil
import subprocess
import xml.etree.ElementTree as ElementTree

import toolcheck

VRML_COLORS = {1: (1, 1, 1), 2: (1, 0, 0), 3: (1, 1, 0), 4: (0, 0, 1), 5: (0, 1, 0), 6: (1, 0, 1), 7: (0, 1, 1)}
# The world holds 5-digit numbers in a box of 5.
TOLERANCE = 2e-3


def main():
    options = toolcheck.arguments(__doc__)
    converter = shutil.which("tovrmlx3d")
    if not converter:
        toolcheck.skip("tovrmlx3d is not installed (Debian: apt-get install view3dscene)")
    run = toolcheck.Run(options)
    verdict = toolcheck.Verdict()
    for name, model in run.files(6):
        copy = name[:-len(".vrml")] + ".wrl"
        shutil.copyfile(run.path(name), run.path(copy))
        result = subprocess.run([converter, copy, "--encoding", "xml"], cwd=run.folder, capture_output=True,
                                text=True, timeout=120)
        problems = []
        if result.returncode != 0:
            problems.append(f"tovrmlx3d ended with status {result.returncode}")
        problems += [f"tovrmlx3d says: {line}" for line in result.stderr.splitlines() if line.strip()]
        summary = ""
        if not problems:
            problems, summary = check_world(result.stdout, model)
        verdict.file(name, problems, summary)
    verdict.finish()


def check_world(x3d, model):
    scene = ElementTree.fromstring(x3d).find("Scene")
    spheres, cylinders, others = [], [], []
    for node in scene:
        shape = node.find(".//Shape")
        if node.tag != "Transform" or shape is None:
            others.append(node.tag)
        elif shape.find("Sphere") is not None:
            spheres.append(read_sphere(node))
        elif shape.find("Cylinder") is not None:
            cylinders.append(read_cylinder(node))
        else:
            others.append(ElementTree.tostring(shape, encoding="unicode")[:80])
    problems = [f"unexpected node {other}" for other in others]
    if len(spheres) != model.bead_count or len(cylinders) != model.connector_count:
        problems.append(f"{len(spheres)} spheres and {len(cylinders)} cylinders, the model has "
                        f"{model.bead_count} beads and {model.connector_count} connectors")
        return problems, ""

    scale = spheres[0]["radius"] / model.beads[0][3]
    for number, (sphere, bead, color) in enumerate(zip(spheres, model.beads, model.bead_colors), 1):
        if not close(sphere["radius"], scale * bead[3]):
            problems.append(f"sphere {number}: radius {sphere['radius']}, expected {scale * bead[3]:.5g}")
        if sphere["color"] != VRML_COLORS[color]:
            problems.append(f"sphere {number}: color {sphere['color']}, the model's color {color}")
    for number, (cylinder, connector, color) in enumerate(zip(cylinders, model.connectors,
                                                              model.connector_colors), 1):
        first, second, radius = connector
        start, end = spheres[first - 1]["centre"], spheres[second - 1]["centre"]
        length = scale * math.dist(model.beads[first - 1][:3], model.beads[second - 1][:3])
        if not close(cylinder["radius"], scale * radius):
            problems.append(f"cylinder {number}: radius {cylinder['radius']}, expected {scale * radius:.5g}")
        if not close(cylinder["height"], length):
            problems.append(f"cylinder {number}: height {cylinder['height']}, expected {length:.5g}")
        if not (points_close(cylinder["start"], start) and points_close(cylinder["end"], end)):
            problems.append(f"cylinder {number}: runs from {rounded(cylinder['start'])} to "
                            f"{rounded(cylinder['end'])}, beads {first} and {second} are at {rounded(start)} "
                            f"and {rounded(end)}")
        if cylinder["color"] != VRML_COLORS[color]:
            problems.append(f"cylinder {number}: color {cylinder['color']}, the model's color {color}")
    if len(problems) > 10:
        problems = problems[:10] + [f"... {len(problems) - 10} more"]
    return problems, (f"{len(spheres)} spheres and {len(cylinders)} cylinders as in the model, "
                      f"with their colors, radii and ends")


def read_sphere(transform):
    return {"centre": vector(transform, "translation", "0 0 0"),
            "radius": float(transform.find(".//Sphere").get("radius", "1")),
            "color": color_of(transform)}


def read_cylinder(transform):
    """The cylinder of Transform(p1) > Transform(rotation) > Transform(lift)
    > Shape, and its two end points in the world."""
    turn = transform.find("Transform")
    lift = turn.find("Transform") if turn is not None else None
    geometry = transform.find(".//Cylinder")
    height = float(geometry.get("height", "2"))
    start = vector(transform, "translation", "0 0 0")
    rotation = vector(turn, "rotation", "0 0 1 0") if turn is not None else (0, 0, 1, 0)
    offset = vector(lift, "translation", "0 0 0") if lift is not None else (0, 0, 0)
    # The cylinder is centred on its own origin, its axis along y.
    bottom = rotate(rotation, (offset[0], offset[1] - height / 2, offset[2]))
    top = rotate(rotation, (offset[0], offset[1] + height / 2, offset[2]))
    return {"start": add(start, bottom), "end": add(start, top), "height": height,
            "radius": float(geometry.get("radius", "1")), "color": color_of(transform)}


def rotate(rotation, point):
    """Rodrigues' rotation; like every VRML browser, the axis is normalised."""
    ax, ay, az, angle = rotation
    length = math.sqrt(ax * ax + ay * ay + az * az)
    if length == 0 or angle == 0:
        return point
    k = (ax / length, ay / length, az / length)
    c, s = math.cos(angle), math.sin(angle)
    dot = sum(a * b for a, b in zip(k, point))
    cross = (k[1] * point[2] - k[2] * point[1], k[2] * point[0] - k[0] * point[2], k[0] * point[1] - k[1] * point[0])
    return tuple(p * c + x * s + kk * dot * (1 - c) for p, x, kk in zip(point, cross, k))


def color_of(transform):
    material = transform.find(".//Material")
    return vector(material, "diffuseColor", "0.8 0.8 0.8") if material is not None else None


def vector(node, field, default):
    return tuple(float(v) for v in node.get(field, default).split())


def add(p, q):
    return tuple(a + b for a, b in zip(p, q))


def close(a, b):
    return abs(a - b) <= TOLERANCE


def points_close(p, q):
    return math.dist(p, q) <= TOLERANCE


def rounded(point):
    return tuple(round(v, 4) for v in point)


if __name__ == "__main__":
    main()
