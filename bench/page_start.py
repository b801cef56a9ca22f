#!/usr/bin/python3
"""How long the web page takes to be ready, and how much it weighs.

    page_start.py PAGE_FOLDER FORM_TABLE [RUNS]

Headless Chromium opens the page from a local server RUNS times (default 15), each in a fresh
tab, and reads the time from the start of navigation to the form ready with its sample
numbers. The yardstick is a static page of the same controls at the same places, in HTML
alone, without WebAssembly or script; the goal is at most twice its time. Then the gzipped
size of each of the page's files.
"""
import functools
import gzip
import html
import http.server
import pathlib
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

READY = ("return performance.getEntriesByName('form-ready')[0]?.startTime ?? "
         "(document.readyState === 'complete' ? "
         "performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd : null)")


def static_page(form_table):
    """The same controls, placed the same, as plain HTML."""
    elements = []
    for line in pathlib.Path(form_table).read_text(encoding="utf-8").splitlines():
        name, kind, left, top, width, height, accessible = line.split("\t")
        style = f"position:absolute;left:{left}px;top:{top}px;width:{width}px;height:{height}px"
        text = html.escape(accessible)
        tag = {"box": f'<input id="{name}" style="{style}" aria-label="{text}">',
               "button": f'<button id="{name}" style="{style}">{text}</button>'}
        elements.append(tag.get(kind, f'<div id="{name}" style="{style}">{text}</div>'))
    return ('<!DOCTYPE html><html lang="el"><meta charset="utf-8"><title>static</title>'
            '<div style="position:relative;width:645px;height:412px">' + "".join(elements) +
            "</div></html>")


def median_ready(driver, address, runs):
    times = []
    for _ in range(runs):
        driver.switch_to.new_window("tab")
        driver.get(address)
        times.append(driver.execute_script(READY))
        driver.close()
        driver.switch_to.window(driver.window_handles[0])
    return statistics.median(times)


def main(folder, form_table, runs="15"):
    with tempfile.TemporaryDirectory() as root:
        pathlib.Path(root, "static.html").write_text(static_page(form_table), encoding="utf-8")
        for file in pathlib.Path(folder).iterdir():
            pathlib.Path(root, file.name).symlink_to(file.resolve())

        class QuietHandler(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *arguments):
                pass

        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(QuietHandler, directory=root))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync"):
            options.add_argument(argument)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            base = f"http://127.0.0.1:{server.server_address[1]}/"
            median_ready(driver, base + "static.html", 2)  # warm the browser up
            page = median_ready(driver, base + "index.html", int(runs))
            static = median_ready(driver, base + "static.html", int(runs))
        finally:
            driver.quit()
            server.shutdown()
    print(f"page ready after {page:.0f} ms; the same controls in plain HTML after {static:.0f} ms"
          f" ({page / static:.1f}x, the goal is at most 2x; median of {runs})")
    total = 0
    for file in sorted(pathlib.Path(folder).iterdir()):
        size = len(gzip.compress(file.read_bytes(), 9))
        total += size
        print(f"  {file.name:24} {size / 1024:7.1f} KiB gzipped")
    print(f"  {'all':24} {total / 1024:7.1f} KiB gzipped (at most 200)")


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
