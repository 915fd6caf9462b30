"""three.js's GLTFLoader in headless Chromium opens the binary glTF file that
`sferonda gltf` writes for every example model, and draws it. The console
must stay free of errors and the picture must not be blank; the scene must
hold one sphere per bead and one cylinder per connector, at their places,
sizes and colors, less those the program omits (radius zero or less, a
connector whose ends coincide); the materials must be metal-free. The
screenshots stay in the scratch folder's shots/.
"""

import webcheck
import shapes
import toolcheck


def main():
    options = toolcheck.arguments(__doc__)
    webcheck.require_node()
    run = toolcheck.Run(options)
    files = webcheck.write_gltf(run, options.program)
    verdict = toolcheck.Verdict()
    reports = webcheck.browse("three.html", run.folder, [name for name, _ in files])
    for (name, model), report in zip(files, reports):
        problems = webcheck.page_problems(report)
        summary = ""
        found = report.get("found") or {}
        if "meshes" in found:
            shape_problems, summary = shapes.compare(model, found["geometries"], found["meshes"])
            problems += shape_problems
            if found["others"]:
                problems.append(f"{found['others']} lights, cameras, points or lines besides the meshes")
            problems += [f"mesh {mesh['name']} is instanced" for mesh in found["meshes"] if mesh["instanced"]][:3]
            problems += [f"mesh {mesh['name']} has metalness {mesh['metalness']}"
                         for mesh in found["meshes"] if mesh["metalness"] != 0][:3]
            summary += f"; drawn in {report['seconds']:.1f} s"
        verdict.file(name, problems, summary)
    verdict.finish()


if __name__ == "__main__":
    main()
