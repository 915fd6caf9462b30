"""three.js's GLTFLoader in headless Chromium opens the binary glTF file that
`sferonda gltf` writes for every example model, and draws it. The console
must stay free of errors and the picture must not be blank; the scene must
hold one sphere per bead and one cylinder per connector, at their places,
sizes and colors, less those the program omits (radius zero or less, a
connector whose ends coincide); the materials must be metal-free; one root
node, named after the file, must hold them all. Every file is drawn merged
too (--merge): there each sphere and cylinder is found through the feature
id of its vertices. With --make-model, a model of full capacity is drawn
too, as the program writes it by default, with --instanced, whose meshes
three.js must instance, and merged. The screenshots stay in the scratch
folder's shots/.
"""

import webcheck
import shapes
import toolcheck


def main():
    options = toolcheck.arguments(__doc__, webcheck.capacity_option)
    webcheck.require_node()
    run = toolcheck.Run(options)
    files = webcheck.write_gltf(run, options.program)
    files += webcheck.write_gltf(run, options.program, ["--merge"], "-merged")
    files += webcheck.write_capacity(run, options.program, options.make_model,
                                     [("capacity.glb", []), ("capacity-instanced.glb", ["--instanced"]),
                                      ("capacity-merged.glb", ["--merge"])])
    verdict = toolcheck.Verdict()
    reports = webcheck.browse("three.html", run.folder, [name for name, _ in files])
    for (name, model), report in zip(files, reports):
        problems = webcheck.page_problems(report)
        summary = ""
        found = report.get("found") or {}
        if "meshes" in found:
            merged = "merged" in name
            if merged != bool(found["merged"]) or merged and found["meshes"]:
                problems.append("meshes without feature ids" if merged else "meshes with feature ids")
            shape_problems, summary = shapes.compare_merged(model, found["merged"]) if merged else \
                shapes.compare(model, found["geometries"], found["meshes"])
            problems += shape_problems
            if found["others"]:
                problems.append(f"{found['others']} lights, cameras, points or lines besides the meshes")
            meshes = found["meshes"] + found["merged"]
            problems += webcheck.root_problems(name, found["roots"], [mesh["parent"] for mesh in meshes],
                                               [mesh.get("instanced", False) for mesh in meshes])
            problems += [f"mesh {mesh['name']} has metalness {mesh['metalness']}"
                         for mesh in meshes if mesh["metalness"] != 0][:3]
            summary += f"; first frame after {found['firstFrameSeconds']:.1f} s"
        verdict.file(name, problems, summary)
    verdict.finish()


if __name__ == "__main__":
    main()
