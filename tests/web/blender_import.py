"""Run inside Blender: blender -b --python-exit-code 1 --python blender_import.py -- REPORT.json FILE.glb...

Imports each binary glTF file into an empty scene with Blender's own glTF
importer and writes, as JSON, what it made of it, in the file's own
coordinates (the importer turns glTF's y-up into Blender's z-up; this script
turns it back): the vertex positions of every mesh data block and, for each
object, its type, data block, parent, world matrix (column by column) and
the base color and metalness of its material, and the names of the objects
without a parent. Of a merged file (named *-merged*), whose meshes hold
every vertex of the scene, only each mesh's count of vertices is reported.
"""

import json
import sys
import time

import bpy
import numpy
from mathutils import Matrix

# Blender 3.4's importer uses numpy.bool, which numpy 1.24 removed: without
# this it fails on any file.
numpy.bool = bool

# (x, y, z) of glTF is (x, -z, y) in Blender.
TO_BLENDER = Matrix(((1, 0, 0, 0), (0, 0, -1, 0), (0, 1, 0, 0), (0, 0, 0, 1)))
TO_GLTF = TO_BLENDER.inverted()


def material_of(obj):
    material = obj.active_material
    if material is None or not material.use_nodes:
        return None, None
    shader = next((node for node in material.node_tree.nodes if node.type == "BSDF_PRINCIPLED"), None)
    if shader is None:
        return None, None
    return list(shader.inputs["Base Color"].default_value)[:3], shader.inputs["Metallic"].default_value


def describe(vertices=True):
    geometries, meshes, others = {}, [], []
    roots = [obj.name for obj in bpy.context.scene.objects if obj.parent is None]
    for obj in bpy.context.scene.objects:
        if obj.type == "EMPTY" and obj.parent is None:
            continue  # a root: reported among the roots
        if obj.type != "MESH":
            others.append(f"{obj.type} {obj.name}")
            continue
        if obj.data.name not in geometries:
            geometries[obj.data.name] = [c for vertex in obj.data.vertices for c in TO_GLTF @ vertex.co] \
                if vertices else len(obj.data.vertices)
        matrix = TO_GLTF @ obj.matrix_world @ TO_BLENDER
        color, metalness = material_of(obj)
        columns = [matrix[row][column] for column in range(4) for row in range(4)]
        meshes.append({"name": obj.name, "geometry": obj.data.name, "color": color or [0, 0, 0],
                       "metalness": metalness, "matrix": columns, "parent": obj.parent and obj.parent.name})
    return {"geometries": geometries, "meshes": meshes, "others": others, "roots": roots}


def main():
    arguments = sys.argv[sys.argv.index("--") + 1:]
    report_path, files = arguments[0], arguments[1:]
    reports = []
    for path in files:
        bpy.ops.wm.read_factory_settings(use_empty=True)
        started, processor = time.monotonic(), time.process_time()
        result = bpy.ops.import_scene.gltf(filepath=path)
        seconds, processor_seconds = time.monotonic() - started, time.process_time() - processor
        report = describe("-merged" not in path) if "FINISHED" in result else \
            {"error": f"the import ended with {sorted(result)}"}
        # On a shared machine the wall time grows with the others' load; the
        # processor time of Blender's threads much less.
        report.update(name=path, seconds=seconds, processor_seconds=processor_seconds)
        reports.append(report)
    with open(report_path, "w") as target:
        json.dump(reports, target)


main()
