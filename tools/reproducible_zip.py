#!/usr/bin/python3
"""Zips a folder so that the same files always give the same bytes:

    reproducible_zip.py FOLDER ZIP [TOP]

Entries in the order of their names, each dated SOURCE_DATE_EPOCH (the commit's time; 2000-01-01
when unset) in UTC, whatever the time zone; modes 0755 for folders and .exe programs, 0644 for
every other file, whatever the umask; no owners; names in UTF-8, flagged so. With TOP, every
entry is put under that folder.
"""
import os
import pathlib
import sys
import time
import zipfile


def main(folder, zip_path, top=None):
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "946684800"))
    # A zip's times are local times without a zone: the same moment in UTC everywhere, and no
    # earlier than 1980, which the format cannot hold.
    date = time.gmtime(max(epoch, 315532800))[:6]
    root = pathlib.Path(folder)
    paths = sorted(root.rglob("*"), key=lambda path: path.relative_to(root).as_posix())
    prefix = f"{top}/" if top else ""
    with zipfile.ZipFile(zip_path + ".part", "w") as archive:
        if top:
            paths = [root] + paths
        for path in paths:
            name = prefix + path.relative_to(root).as_posix() if path != root else top
            if path.is_dir():
                entry = zipfile.ZipInfo(name.rstrip("/") + "/", date)
                entry.external_attr = (0o40755 << 16) | 0x10  # and the MS-DOS folder flag
                entry.create_system = 3
                archive.writestr(entry, b"")
                continue
            entry = zipfile.ZipInfo(name, date)
            entry.external_attr = (0o100755 if path.suffix == ".exe" else 0o100644) << 16
            entry.create_system = 3  # the modes above are Unix modes
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, path.read_bytes(), compresslevel=9)
    os.replace(zip_path + ".part", zip_path)


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
