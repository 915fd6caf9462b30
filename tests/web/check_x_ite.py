"""A second VRML 2.0 implementation, X_ITE in headless Chromium, loads every
VRML world (.vrml) that the batch writes for the examples. Its console must
stay free of errors, the picture must not be blank, and the scene graph must
hold one Sphere per bead and one Cylinder per connector, each in its own
Shape. The screenshots stay in the scratch folder's shots/.
"""

import webcheck
import toolcheck


def main():
    options = toolcheck.arguments(__doc__)
    webcheck.require_node()
    run = toolcheck.Run(options)
    worlds = run.files(6)
    verdict = toolcheck.Verdict()
    reports = webcheck.browse("x_ite.html", run.folder, [name for name, _ in worlds])
    for (name, model), report in zip(worlds, reports):
        problems = webcheck.page_problems(report)
        counts = (report.get("found") or {}).get("counts", {})
        spheres, cylinders, shapes = (counts.get(kind, 0) for kind in ("Sphere", "Cylinder", "Shape"))
        if (spheres, cylinders) != (model.bead_count, model.connector_count):
            problems.append(f"{spheres} spheres and {cylinders} cylinders, the model has "
                            f"{model.bead_count} beads and {model.connector_count} connectors")
        if shapes != spheres + cylinders:
            problems.append(f"{shapes} shapes for {spheres + cylinders} spheres and cylinders")
        verdict.file(name, problems, f"{spheres} spheres and {cylinders} cylinders as in the model, "
                                     f"no console error, drawn in {report.get('seconds', 0):.1f} s")
    verdict.finish()


if __name__ == "__main__":
    main()
