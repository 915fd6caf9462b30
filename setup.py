"""The Python package sferonda (docs/python.md): the module built by CMake
through scikit-build, the package's Python files from python/sferonda."""

import re
from pathlib import Path

from skbuild import setup


def project_version() -> str:
    """The version as CMakeLists.txt, its one place, sets it."""
    text = (Path(__file__).resolve().parent / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(Sferonda VERSION ([0-9.]+)", text).group(1)


setup(
    name="sferonda",
    version=project_version(),
    description="Bead models into scene files",
    license="MIT",
    python_requires=">=3.11",
    # Arrays cross into the model as numpy's (Debian: python3-numpy).
    install_requires=["numpy"],
    packages=["sferonda"],
    package_dir={"": "python"},
    package_data={"sferonda": ["__init__.pyi", "py.typed"]},
    cmake_install_dir="python/sferonda",
    cmake_args=["--no-warn-unused-cli", "-DSFERONDA_PYTHON=ON", "-DSFERONDA_TESTS=OFF", "-DCMAKE_BUILD_TYPE=Release"],
)
