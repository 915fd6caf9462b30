"""Blender's glTF importer, run headless, imports the binary glTF file that
`sferonda gltf` writes for every example model. Every import must finish and
make one mesh object per sphere and cylinder, at the beads' and connectors'
places, sizes and colors, less those the program omits, all under one root
named after the file, and nothing else; the materials must be metal-free.
A merged file (--merge) of every example and of the model with omissions
must make one mesh object per shape and color drawn, named after them, in
that color (Blender drops the feature ids: three.js's check finds each
sphere and cylinder through them). With --make-model, a model of full
capacity is imported too, as the program writes it by default and merged
(Blender 3.4 refuses instanced files); each import's time is printed.
"""

import json
import os
import shutil
import subprocess

import webcheck
import shapes
import toolcheck


def merged_problems(model, report):
    """One object per shape and color drawn, "beads COLOR" or "connectors
    COLOR", in its color."""
    expected = shapes.Expected(model)
    wanted = sorted({("beads", color) for _, _, color in expected.spheres} |
                    {("connectors", color) for _, _, _, color in expected.cylinders})
    found = sorted((mesh["name"].split(" ")[0], tuple(round(c, 3) for c in mesh["color"])) for mesh in report["meshes"])
    problems = [] if found == wanted else [f"objects of shape and color {found}, not {wanted}"]
    vertices = sum(report["geometries"].values())
    return problems, f"{vertices} vertices"


def main():
    options = toolcheck.arguments(__doc__, webcheck.capacity_option)
    blender = shutil.which("blender")
    if not blender:
        toolcheck.skip("blender is not installed (Debian: apt-get install blender)")
    run = toolcheck.Run(options)
    files = webcheck.write_gltf(run, options.program)
    files += webcheck.write_gltf(run, options.program, ["--merge"], "-merged")
    files += webcheck.write_capacity(run, options.program, options.make_model,
                                     [("capacity.glb", []), ("capacity-merged.glb", ["--merge"])])
    report_path = run.path("blender-report.json")
    # Blender's Python finds its standard library beside the first python3
    # on PATH: that must be the system's, where Blender's numpy lives too.
    environment = dict(os.environ, PATH="/usr/bin:/bin:" + os.environ.get("PATH", ""))
    result = subprocess.run([blender, "-b", "--factory-startup", "--python-exit-code", "1", "--python",
                             os.path.join(webcheck.WEB_FOLDER, "blender_import.py"), "--", report_path,
                             *(name for name, _ in files)], cwd=run.folder, capture_output=True, text=True,
                            timeout=600, env=environment)
    if result.returncode != 0 or not os.path.isfile(report_path):
        output = (result.stdout + result.stderr).strip()
        toolcheck.sys.exit(f"FAILED: blender ended with status {result.returncode}: {output[-3000:]}")
    with open(report_path) as source:
        reports = json.load(source)
    verdict = toolcheck.Verdict()
    for (name, model), report in zip(files, reports):
        problems, summary = [], ""
        if "error" in report:
            problems.append(report["error"])
        else:
            problems, summary = merged_problems(model, report) if "-merged" in name else \
                shapes.compare(model, report["geometries"], report["meshes"])
            problems += [f"an object that is no mesh: {other}" for other in report["others"]][:3]
            problems += webcheck.root_problems(name, report["roots"], [mesh["parent"] for mesh in report["meshes"]],
                                               [False] * len(report["meshes"]))
            problems += [f"object {mesh['name']} has metalness {mesh['metalness']}"
                         for mesh in report["meshes"] if mesh["metalness"] != 0][:3]
            summary = (f"{len(report['meshes'])} objects, {summary}; imported in {report['seconds']:.1f} s "
                       f"({report['processor_seconds']:.1f} s of processor time)")
        verdict.file(name, problems, summary)
    verdict.finish()


if __name__ == "__main__":
    main()
