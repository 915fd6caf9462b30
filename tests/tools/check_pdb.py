"""PDB readers read the pseudo-PDB files (.bea) that sferonda writes for the
examples: gemmi for atoms and coordinates, RDKit for atoms, coordinates and
the bonds of the CONECT records.

Every bead must come back as one oxygen atom with its number and its centre
scaled so that bead 1's radius becomes 1.4; RDKit must find exactly one
single bond per connector, also for beads with more than four partners.
"""

import io
import math
import sys

import toolcheck

# Coordinates are written with three decimals.
TOLERANCE = 0.0011


def main():
    options = toolcheck.arguments(__doc__, lambda p: p.add_argument("--reader", choices=("gemmi", "rdkit"),
                                                                    required=True))
    reader = load_reader(options.reader)
    run = toolcheck.Run(options)
    verdict = toolcheck.Verdict()
    for name, model in run.files(1):
        problems, summary = reader(run.path(name), model)
        verdict.file(name, problems, summary)
    verdict.finish()


def load_reader(name):
    try:
        if name == "gemmi":
            import gemmi  # noqa: F401
            return read_with_gemmi
        from rdkit import Chem  # noqa: F401
        return read_with_rdkit
    except ImportError as error:
        toolcheck.skip(f"{error} in /usr/bin/python3 (Debian: apt-get install python3-{name})")


def expected_atoms(model):
    scale = 1.4 / model.beads[0][3]
    return [(number, tuple(scale * v for v in bead[:3])) for number, bead in enumerate(model.beads, 1)]


def compare_atoms(found, model):
    """found: (serial, atom name, element, (x, y, z)) per atom, in file order."""
    expected = expected_atoms(model)
    problems = []
    if len(found) != len(expected):
        problems.append(f"{len(found)} atoms, the model has {len(expected)} beads")
    for (serial, atom, element, position), (number, centre) in zip(found, expected):
        if serial != number or atom != "O" or element != "O":
            problems.append(f"atom {serial} {atom!r} {element!r}, expected atom {number} 'O' 'O'")
        elif max(abs(a - b) for a, b in zip(position, centre)) > TOLERANCE:
            problems.append(f"atom {serial} at {position}, expected {tuple(round(v, 3) for v in centre)}")
        if len(problems) > 10:
            problems.append("...")
            break
    return problems


def read_with_gemmi(path, model):
    import gemmi
    try:
        structure = gemmi.read_pdb(path)
    except Exception as error:  # gemmi refuses the file
        return [f"gemmi cannot read it: {error}"], ""
    if len(structure) != 1:
        return [f"gemmi finds {len(structure)} models, expected 1"], ""
    atoms = [place.atom for place in structure[0].all()]
    found = [(atom.serial, atom.name, atom.element.name, (atom.pos.x, atom.pos.y, atom.pos.z)) for atom in atoms]
    problems = compare_atoms(found, model)
    return problems, f"{len(found)} atoms and their coordinates as in the model"


def read_with_rdkit(path, model):
    from rdkit import Chem, rdBase
    log = io.StringIO()
    rdBase.LogToPythonStderr()  # RDKit's warnings and errors, caught below
    saved, sys.stderr = sys.stderr, log
    try:
        molecule = Chem.MolFromPDBFile(path, sanitize=False, removeHs=False, proximityBonding=False)
    finally:
        sys.stderr = saved
    problems = [f"RDKit says: {line}" for line in log.getvalue().splitlines() if line.strip()]
    if molecule is None:
        return problems + ["RDKit returns no molecule"], ""
    conformer = molecule.GetConformer()
    serial = lambda atom: atom.GetPDBResidueInfo().GetSerialNumber()
    found = []
    for atom in molecule.GetAtoms():
        point = conformer.GetAtomPosition(atom.GetIdx())
        found.append((serial(atom), atom.GetPDBResidueInfo().GetName().strip(), atom.GetSymbol(),
                      (point.x, point.y, point.z)))
    problems += compare_atoms(found, model)

    bonds = [frozenset((serial(b.GetBeginAtom()), serial(b.GetEndAtom()))) for b in molecule.GetBonds()]
    wanted = {frozenset(pair[:2]) for pair in model.connectors}
    if len(wanted) != model.connector_count or any(len(pair) != 2 for pair in wanted):
        problems.append("the model repeats a connector or joins a bead to itself: one bond per connector "
                        "cannot be expected")
    if len(bonds) != len(set(bonds)) or set(bonds) != wanted:
        missing = sorted(tuple(sorted(b)) for b in wanted - set(bonds))
        extra = sorted(tuple(sorted(b)) for b in set(bonds) - wanted)
        problems.append(f"bonds differ from the connectors: missing {missing[:10]}, extra {extra[:10]}")
    orders = {str(b.GetBondType()) for b in molecule.GetBonds()}
    if orders - {"SINGLE"}:
        problems.append(f"bond types {sorted(orders)}, expected only SINGLE")
    most = max((atom.GetDegree() for atom in molecule.GetAtoms()), default=0)
    return problems, (f"{len(found)} atoms, coordinates and {len(bonds)} single bonds as in the model "
                      f"(up to {most} partners per atom)")


if __name__ == "__main__":
    main()
