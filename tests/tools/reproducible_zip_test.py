#!/usr/bin/python3
"""A zip lists its entries in the order of their names, whatever order the file system lists
the folder's files in (tmpfs lists the newest first, ext4 by a hash of the name), so that a
release rebuilt on another disk gives the same bytes:

    reproducible_zip_test.py TOOLS_FOLDER"""
import pathlib
import subprocess
import sys
import tempfile
import zipfile


def main(tools):
    with tempfile.TemporaryDirectory() as work:
        folder = pathlib.Path(work, "page")
        (folder / "icons").mkdir(parents=True)
        names = ["a.js", "b.html", "c.png", "d.json", "e.txt", "f.css", "g.wasm", "h.ico"]
        for name in names:  # made in name order: neither file system lists them so
            (folder / name).write_text(name)
            (folder / "icons" / name).write_text(name)
        made = pathlib.Path(work, "page.zip")
        subprocess.run([sys.executable, pathlib.Path(tools, "reproducible_zip.py"), folder, made,
                        "top"], check=True)
        listed = [name.rstrip("/") for name in zipfile.ZipFile(made).namelist()]
    if listed != sorted(listed):
        raise SystemExit(f"the zip lists its entries out of name order: {listed}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    main(sys.argv[1])
