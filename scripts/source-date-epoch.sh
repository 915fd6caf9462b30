# Sourced by the scripts that pack files: exports SOURCE_DATE_EPOCH as
# cmake/Reproducible.cmake takes it, when it is not given: the last commit's
# time, from the checkout's own .git, else from what a `git archive` tarball
# carries in cmake/commit-time.txt, else a fixed date.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if [ -e .git ]; then
        SOURCE_DATE_EPOCH="$(git log -1 --format=%ct 2>/dev/null || true)"
    else
        SOURCE_DATE_EPOCH="$(head -n 1 cmake/commit-time.txt 2>/dev/null || true)"
    fi
    [[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]] || SOURCE_DATE_EPOCH=1796083200
fi
export SOURCE_DATE_EPOCH
