"""Archives that are the same bytes wherever and whenever they are made:
entries in name order, one time for all of them (SOURCE_DATE_EPOCH, in
UTC), no owner, no machine's name or time in the compressed stream.

    python3 archive.py zip ARCHIVE FOLDER EPOCH SOURCE...
        ARCHIVE, a zip holding each SOURCE in FOLDER/: a file, a folder
        whole, or with a final slash the folder's contents
    python3 archive.py tar ARCHIVE FOLDER EPOCH SOURCE...
        the same as a .tar.gz; files that can be run keep mode 755
    python3 archive.py renew ARCHIVE EPOCH
        a .tar.gz made by another tool (the Python source distribution)
        rewritten so: the same entries and contents, in name order
"""

import gzip
import io
import os
import sys
import tarfile
import time
import zipfile


def gathered(folder, sources):
    """(path on disk, name in the archive) of every file, in name order."""
    files = []
    for source in sources:
        if os.path.isdir(source):
            base = source if source.endswith("/") else os.path.dirname(source) or "."
            for place, folders, names in os.walk(source):
                folders.sort()
                for name in names:
                    path = os.path.join(place, name)
                    files.append((path, f"{folder}/{os.path.relpath(path, base)}"))
        else:
            files.append((source, f"{folder}/{os.path.basename(source)}"))
    return sorted(files, key=lambda file: file[1])


def write_zip(target, folder, epoch, sources):
    # Zip times are local times without a zone: written as UTC. The format
    # starts in 1980.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(target + ".part", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path, name in gathered(folder, sources):
            entry = zipfile.ZipInfo(name, stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            # Made on "MS-DOS": no Unix owner, and one mode for all (zipfile's
            # rw-------, which unzip leaves to the umask for such entries).
            entry.create_system = 0
            with open(path, "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)
    os.replace(target + ".part", target)


def normal_entry(entry, epoch):
    """The entry without its maker's owner, time and umask."""
    entry.uid = entry.gid = 0
    entry.uname = entry.gname = ""
    entry.mtime = epoch
    entry.mode = 0o755 if entry.isdir() or entry.mode & 0o100 else 0o644
    entry.pax_headers = {}
    return entry


def write_tar_gz(target, entries, epoch):
    """entries: (TarInfo, bytes or None), written in name order."""
    with open(target + ".part", "wb") as raw:
        # No file name and a zero time in the gzip header, as gzip -n writes it.
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, compresslevel=9, mtime=0) as packed:
            with tarfile.open(fileobj=packed, mode="w", format=tarfile.GNU_FORMAT) as archive:
                for entry, data in sorted(entries, key=lambda pair: pair[0].name):
                    archive.addfile(normal_entry(entry, epoch), io.BytesIO(data) if data is not None else None)
    os.replace(target + ".part", target)


def write_tar(target, folder, epoch, sources):
    entries = []
    folders = {folder}
    for path, name in gathered(folder, sources):
        parts = name.split("/")
        folders.update("/".join(parts[:i]) for i in range(1, len(parts)))
        with open(path, "rb") as f:
            data = f.read()
        entry = tarfile.TarInfo(name)
        entry.size = len(data)
        entry.mode = 0o755 if os.access(path, os.X_OK) else 0o644
        entries.append((entry, data))
    for name in folders:
        entry = tarfile.TarInfo(name)
        entry.type = tarfile.DIRTYPE
        entries.append((entry, None))
    write_tar_gz(target, entries, epoch)


def renew(target, epoch):
    with tarfile.open(target, "r:gz") as archive:
        entries = [(entry, archive.extractfile(entry).read() if entry.isfile() else None)
                   for entry in archive.getmembers()]
    write_tar_gz(target, entries, epoch)


def main(arguments):
    if len(arguments) >= 5 and arguments[0] in ("zip", "tar"):
        kind, target, folder, epoch, *sources = arguments
        (write_zip if kind == "zip" else write_tar)(target, folder, int(epoch), sources)
    elif len(arguments) == 3 and arguments[0] == "renew":
        renew(arguments[1], int(arguments[2]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
