#!/usr/bin/python3
"""Writes the page's service worker from its template: the page's files, by the addresses the
page asks for them by, and the name of the cache that keeps them, from what the files hold, so
that a build that changes any of them is a new version of the worker.

    service_worker.py TEMPLATE OUT_WORKER PAGE MODULE FILE...
"""
import hashlib
import pathlib
import sys

from inline_page import module_address, replaced


def main(template_path, out_path, page, module, *others):
    version = hashlib.sha256()
    for file in (page, module, *others):
        version.update(hashlib.sha256(pathlib.Path(file).read_bytes()).digest())
    addresses = ["./", pathlib.Path(page).name, module_address(module),
                 *(pathlib.Path(file).name for file in others)]
    worker = pathlib.Path(template_path).read_text(encoding="utf-8")
    worker = replaced(worker, "@CACHE@", "arithmitika-" + version.hexdigest()[:16])
    worker = replaced(worker, "@FILES@", ", ".join(f"'{address}'" for address in addresses))
    pathlib.Path(out_path).write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) < 5:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
