#!/bin/sh
# Builds the Windows program for the Windows checks and readies Wine:
#   build.sh build-folder
# Skipped (status 77), with the reason, without the cross compiler or Wine.
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$1"
command -v x86_64-w64-mingw32-g++-posix >/dev/null || {
    echo "SKIPPED: no MinGW-w64 cross compiler (apt-get install g++-mingw-w64-x86-64-posix)"; exit 77; }
command -v wine >/dev/null || { echo "SKIPPED: no Wine (apt-get install wine wine64)"; exit 77; }
# The tests too, when GoogleTest's sources are there to build for Windows.
tests=OFF
[ -f /usr/src/googletest/CMakeLists.txt ] && tests=ON
SFERONDA_TESTS=$tests bash "$root/scripts/build-windows.sh" "$build"
# The program as a command of this system, for the checks that run it as one.
cat > "$build/sferonda-under-wine" <<SCRIPT
#!/bin/sh
exec sh "$root/scripts/wine-run.sh" "$build/sferonda.exe" "\$@"
SCRIPT
chmod +x "$build/sferonda-under-wine"
# A new Wine prefix takes its time once, here rather than in a timed check.
WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
echo "built $build/sferonda.exe; Wine prefix ${WINEPREFIX:-$HOME/.wine} ready"
