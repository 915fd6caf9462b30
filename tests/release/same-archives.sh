#!/bin/sh
# scripts/archive.py makes the same bytes from two copies of a tree that
# differ in folder, file times, creation order and umask, and they hold
# what the release promises: names in order, owner 0, the given time, mode
# 755 only for what can be run, a gzip header without name or time.
# Usage: same-archives.sh SOURCE SCRATCH
set -u
source="$1" scratch="$2"
epoch=1796083200  # 2026-12-01 00:00:00 UTC
rm -rf "$scratch" && mkdir -p "$scratch"
make_tree() {  # folder umask, files made in the order given
    mkdir -p "$1" && (
        umask "$2" && cd "$1" && shift 2
        for name; do mkdir -p "$(dirname "$name")" && echo "$name" > "$name"; done
        chmod +x run.sh
    )
}
make_tree "$scratch/a/tree" 022 run.sh b/z.txt a.txt b/c/y.txt
sleep 1
make_tree "$scratch/elsewhere/b/tree" 077 b/c/y.txt a.txt b/z.txt run.sh
for copy in a elsewhere/b; do
    python3 "$source/scripts/archive.py" tar "$scratch/$copy/out.tar.gz" top "$epoch" "$scratch/$copy/tree/" &&
    python3 "$source/scripts/archive.py" zip "$scratch/$copy/out.zip" top "$epoch" "$scratch/$copy/tree/" || exit 1
done
# Another tool's tar.gz, with the tree's owner, times and order, renewed:
# the same bytes as made here.
tar -C "$scratch/elsewhere/b/tree" --transform 's,^\.,top,' -czf "$scratch/elsewhere/b/renewed.tar.gz" . &&
    python3 "$source/scripts/archive.py" renew "$scratch/elsewhere/b/renewed.tar.gz" "$epoch" || exit 1
cp "$scratch/a/out.tar.gz" "$scratch/a/renewed.tar.gz"
failed=0
for archive in out.tar.gz out.zip renewed.tar.gz; do
    cmp "$scratch/a/$archive" "$scratch/elsewhere/b/$archive" || { echo "$archive differs"; failed=1; }
done

# mode owner/group date time name, as tar lists them in UTC
expected="drwxr-xr-x 0/0 2026-12-01 00:00 top/
-rw-r--r-- 0/0 2026-12-01 00:00 top/a.txt
drwxr-xr-x 0/0 2026-12-01 00:00 top/b/
drwxr-xr-x 0/0 2026-12-01 00:00 top/b/c/
-rw-r--r-- 0/0 2026-12-01 00:00 top/b/c/y.txt
-rw-r--r-- 0/0 2026-12-01 00:00 top/b/z.txt
-rwxr-xr-x 0/0 2026-12-01 00:00 top/run.sh"
listed="$(TZ=UTC tar --numeric-owner -tvzf "$scratch/a/out.tar.gz" | awk '{ print $1, $2, $4, $5, $6 }')"
[ "$listed" = "$expected" ] || { printf 'the tar holds:\n%s\nnot:\n%s\n' "$listed" "$expected"; failed=1; }
header="$(od -An -tx1 -N8 "$scratch/a/out.tar.gz" | tr -d ' \n')"
[ "$header" = "1f8b080000000000" ] || { echo "gzip header $header, not without name and time"; failed=1; }

listed="$(python3 -c 'import sys, zipfile
for e in zipfile.ZipFile(sys.argv[1]).infolist(): print(e.filename, "%04d-%02d-%02d %02d:%02d:%02d" % e.date_time, e.create_system, oct(e.external_attr >> 16))' \
    "$scratch/a/out.zip")"
expected="top/a.txt 2026-12-01 00:00:00 0 0o600
top/b/c/y.txt 2026-12-01 00:00:00 0 0o600
top/b/z.txt 2026-12-01 00:00:00 0 0o600
top/run.sh 2026-12-01 00:00:00 0 0o600"
[ "$listed" = "$expected" ] || { printf 'the zip holds:\n%s\nnot:\n%s\n' "$listed" "$expected"; failed=1; }
[ "$failed" -eq 0 ] && echo "tar.gz and zip: the same bytes from both trees, names in order, one time, no owner"
exit "$failed"
