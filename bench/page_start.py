#!/usr/bin/python3
"""How soon the web page is shown and answers, and how much it weighs.

    page_start.py PAGE_FOLDER FORM_TABLE [RUNS]

Headless Chromium opens the page and a yardstick, in turns, RUNS times each (default 31), both
never kept in a cache and served gzipped from a local server as any real web server serves them.
From the start of navigation it reads when the form is shown (all of FORM_TABLE's controls laid
out at their places, with the sample numbers in the number boxes) and when it answers (a click
on Command1, made as soon as it is shown, has filled strRoman). The yardstick is a plain HTML
page of the same controls at the same places with the same numbers, without script. The goals:
shown at most 1.25 times the yardstick's shown, answers at most 2 times, and all of the page's
files at most 48 KiB gzipped.
"""
import functools
import gzip
import html
import http.server
import json
import pathlib
import re
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Watches every frame from the document's start: the time the form is first laid out as
# designed, then clicks Command1 and the time strRoman first shows an answer.
WATCH = """
(() => {
    const controls = %s;
    const samples = %s;
    const times = window.__times = {};
    function laidOut() {
        const surface = document.getElementById('Form1takt');
        if (!surface) return false;
        const origin = surface.getBoundingClientRect();
        return controls.every(([name, left, top, width, height]) => {
            const element = document.getElementById(name);
            if (!element) return false;
            const r = element.getBoundingClientRect();
            return r.left - origin.left === left && r.top - origin.top === top &&
                r.width === width && r.height === height &&
                (!(name in samples) || element.value === samples[name]);
        });
    }
    function frame() {
        if (times.shown === undefined && laidOut()) {
            times.shown = performance.now();
            document.getElementById('Command1').click();
        }
        if (times.shown !== undefined && document.getElementById('strRoman').value) {
            times.answers = performance.now();
            return;
        }
        requestAnimationFrame(frame);
    }
    requestAnimationFrame(frame);
})();
"""


def form_controls(form_table):
    controls = []
    for line in pathlib.Path(form_table).read_text(encoding="utf-8").splitlines():
        name, kind, left, top, width, height, accessible = line.split("\t")[:7]
        controls.append((name, kind, int(left), int(top), int(width), int(height), accessible))
    return controls


def plain_page(controls, samples):
    """The same controls, placed the same and showing the same numbers, as plain HTML."""
    elements = []
    for name, kind, left, top, width, height, accessible in controls:
        style = (f"position:absolute;box-sizing:border-box;left:{left}px;top:{top}px;"
                 f"width:{width}px;height:{height}px")
        text = html.escape(accessible)
        value = html.escape(samples.get(name, ""))
        tag = {"box": f'<input id="{name}" style="{style}" aria-label="{text}" value="{value}">',
               "button": f'<button id="{name}" style="{style}">{text}</button>'}
        elements.append(tag.get(kind, f'<div id="{name}" style="{style}">{text}</div>'))
    return ('<!DOCTYPE html><html lang="el"><meta charset="utf-8"><title>plain</title>'
            '<body style="margin:0"><div id="Form1takt" '
            'style="position:relative;width:645px;height:412px">' + "".join(elements) +
            "</div></html>")


class GzipHandler(http.server.SimpleHTTPRequestHandler):
    """Serves every file gzipped over kept-alive connections, compressed once, as a real web
    server does."""

    protocol_version = "HTTP/1.1"

    @staticmethod
    @functools.cache
    def compressed(path):
        return gzip.compress(path.read_bytes(), 6)

    def do_GET(self):
        path = pathlib.Path(self.translate_path(self.path))
        if not path.is_file():
            self.send_error(404)
            return
        body = self.compressed(path)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *arguments):
        pass


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)
        # else the browser went on to the next visit, closing what it no longer needed


def measure(driver, address, answers):
    """The times of one visit; the plain page has no answer to wait for."""
    driver.get("about:blank")
    driver.get(address)
    deadline = time.monotonic() + 10
    times = {}
    while not ("shown" in times and ("answers" in times or not answers)):
        if time.monotonic() > deadline:
            raise AssertionError(f"{address} was not ready: {times}")
        time.sleep(0.02)
        times = driver.execute_script("return window.__times") or {}
    return times


def main(folder, form_table, runs="31"):
    controls = form_controls(form_table)
    page = pathlib.Path(folder, "index.html").read_text(encoding="utf-8")
    samples = {name: value for name, value in
               re.findall(r'<input id="(\w+)" type="text" value="([^"]*)"', page)}
    watch = WATCH % (json.dumps([c[0:1] + c[2:6] for c in controls]), json.dumps(samples))
    with tempfile.TemporaryDirectory() as root:
        pathlib.Path(root, "plain.html").write_text(plain_page(controls, samples),
                                                    encoding="utf-8")
        for file in pathlib.Path(folder).iterdir():
            pathlib.Path(root, file.name).symlink_to(file.resolve())
        server = QuietServer(
            ("127.0.0.1", 0), functools.partial(GzipHandler, directory=root))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--window-size=1024,768"):
            options.add_argument(argument)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": watch})
        base = f"http://127.0.0.1:{server.server_address[1]}/"
        shown, answers, plain = [], [], []
        try:
            measure(driver, base + "plain.html", False)  # warm the browser up
            for _ in range(int(runs)):
                times = measure(driver, base + "index.html", True)
                shown.append(times["shown"])
                answers.append(times["answers"])
                plain.append(measure(driver, base + "plain.html", False)["shown"])
        finally:
            driver.quit()
            server.shutdown()
    shown, answers, plain = (statistics.median(t) for t in (shown, answers, plain))
    print(f"median of {runs}, served gzipped: the plain page is shown after {plain:.0f} ms; the"
          f" page is shown after {shown:.0f} ms ({shown / plain:.2f}x, goal 1.25x) and answers"
          f" after {answers:.0f} ms ({answers / plain:.2f}x, goal 2x)")
    total = 0
    for file in sorted(pathlib.Path(folder).iterdir()):
        size = len(gzip.compress(file.read_bytes(), 9))
        total += size
        print(f"  {file.name:24} {size / 1024:7.1f} KiB gzipped")
    print(f"  {'all':24} {total / 1024:7.1f} KiB gzipped (goal at most 48)")


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
