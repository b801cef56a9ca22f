#!/usr/bin/python3
"""How soon the web page is painted and answers, and how much it weighs.

    page_start.py PAGE_FOLDER FORM_TABLE [RUNS]

Headless Chromium opens the page and a yardstick in turns, RUNS times each (default 31), each
visit in a new tab, as a person opens a page, both served gzipped from a local server as any
real web server serves them (one write a response, without Nagle's delay), never from the
browser's cache. It reads the browser's own paint entries: the first contentful paint and the
largest contentful paint, as a person sees them; and, on the page, when a click on Command1
made at the first contentful paint has filled strRoman. The yardstick is a plain HTML page of
FORM_TABLE's controls at the same places with the same numbers, without script. First visits
find neither the page's service worker nor its kept files; repeat visits, measured apart, are
answered by them. (Visits one after another in one tab measure something else: the tab keeps
each earlier visit frozen for its Back button, and the page, whose module has run, weighs more
there than plain HTML.) Last, a tab whose storage is full of a kept form (every box but the
first 200,000 characters long) is reloaded RUNS times, and the same click's answer timed. The
goals: the first contentful paint at most 1.25 times the yardstick's, on first and repeat
visits; the answer at most 2 times its paint; the full tab's answer within a second; all of
the page's files at most 48 KiB gzipped.
"""
import functools
import gzip
import html
import http.server
import os
import pathlib
import re
import socket
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# From the document's start: the browser's own paint entries (first paint, first contentful
# paint, the largest contentful paint so far); at the first contentful paint a click on
# Command1, where there is one, and the time strRoman first shows its answer.
WATCH = """
(() => {
    const times = window.__times = {};
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) {
            times[entry.name] = entry.startTime;
            const button = document.getElementById('Command1');
            if (entry.name === 'first-contentful-paint' && button) {
                button.click();
                const answered = () => document.getElementById('strRoman').value
                    ? (times.answers = performance.now()) : requestAnimationFrame(answered);
                answered();
            }
        }
    }).observe({type: 'paint', buffered: true});
    new PerformanceObserver((list) => {
        const entries = list.getEntries();
        times.largest = entries[entries.length - 1].startTime;
    }).observe({type: 'largest-contentful-paint', buffered: true});
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
    server does: "./" is the page, and each response goes out in one write with Nagle's
    algorithm off, so that no response waits for an acknowledgement the browser delays."""

    protocol_version = "HTTP/1.1"

    def setup(self):
        super().setup()
        self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)

    @staticmethod
    @functools.cache
    def compressed(path):
        return gzip.compress(path.read_bytes(), 6)

    def do_GET(self):
        path = pathlib.Path(self.translate_path(self.path))
        if path.is_dir():
            path = path / "index.html"
        if not path.is_file():
            self.send_error(404)
            return
        body = self.compressed(path)
        head = (f"HTTP/1.1 200 OK\r\nContent-Type: {self.guess_type(str(path))}\r\n"
                f"Content-Encoding: gzip\r\nContent-Length: {len(body)}\r\n"
                "Cache-Control: no-store\r\n\r\n")
        self.wfile.write(head.encode() + body)

    def log_message(self, *arguments):
        pass


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)
        # else the browser went on to the next visit, closing what it no longer needed


# How long a closed tab is given to end, so that its teardown falls on no visit's time.
SETTLE = 0.5


def visit(driver, address, first, answers):
    """The paint entries of one visit (and the click's answer where there is one), in a tab of
    its own, as a person opens the page; the tab is closed after, and let end before the next
    visit. A first visit finds no service worker and no kept files of the origin."""
    home = driver.current_window_handle
    if first:
        driver.execute_cdp_cmd("Storage.clearDataForOrigin", {
            "origin": address.split("/", 3)[0] + "//" + address.split("/", 3)[2],
            "storageTypes": "service_workers,cache_storage"})
    driver.switch_to.new_window("tab")
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
        driver.get(address)
        deadline = time.monotonic() + 10
        times = {}
        while not ("first-contentful-paint" in times and "largest" in times and
                   ("answers" in times or not answers)):
            if time.monotonic() > deadline:
                raise AssertionError(f"{address} was not ready: {times}")
            time.sleep(0.02)
            times = driver.execute_script("return window.__times") or {}
    finally:
        driver.close()
        driver.switch_to.window(home)
    time.sleep(SETTLE)
    return times


# A kept form as large as a tab's storage takes: the first box a number, every other box
# 200,000 characters.
FILL_THE_TAB = """
const boxes = document.querySelectorAll('.form > input').length;
sessionStorage.setItem('arithmitika-form', JSON.stringify({
    boxes: Array.from({length: boxes}, (_, i) => i === 0 ? '9' : '9'.repeat(200000)),
    sheet: ''}));
"""


def full_tab(driver, base, runs):
    """The click's answer on each of runs reloads of a tab whose storage is full."""
    home = driver.current_window_handle
    driver.switch_to.new_window("tab")
    answers = []
    try:
        driver.get(base)
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
        for _ in range(runs):
            driver.execute_script(FILL_THE_TAB + "location.reload();")
            deadline = time.monotonic() + 60
            while not (driver.execute_script("return window.__times") or {}).get("answers"):
                if time.monotonic() > deadline:
                    raise AssertionError("a full tab did not answer")
                time.sleep(0.05)
            answers.append(driver.execute_script("return window.__times.answers"))
    finally:
        driver.close()
        driver.switch_to.window(home)
    return answers


def summary(values):
    """The median, and the middle half's spread."""
    quartiles = statistics.quantiles(values, n=4)
    return f"{statistics.median(values):5.0f} ms ({quartiles[0]:.0f} to {quartiles[2]:.0f})"


def serve(folder, form_table, root):
    """Serves the page's files and, as plain.html, the plain page of its controls, from root;
    the server's address."""
    page = pathlib.Path(folder, "index.html").read_text(encoding="utf-8")
    samples = dict(re.findall(r'<input id="(\w+)" type="text" value="([^"]*)"', page))
    pathlib.Path(root, "plain.html").write_text(plain_page(form_controls(form_table), samples),
                                                encoding="utf-8")
    for file in pathlib.Path(folder).iterdir():
        pathlib.Path(root, file.name).symlink_to(file.resolve())
    server = QuietServer(("127.0.0.1", 0), functools.partial(GzipHandler, directory=root))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def main(folder, form_table, runs="31"):
    load = os.getloadavg()[0]
    with tempfile.TemporaryDirectory() as root:
        server, base = serve(folder, form_table, root)
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--window-size=1024,768"):
            options.add_argument(argument)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        home = driver.current_window_handle
        pages = {"the page": (base, True), "plain HTML": (base + "plain.html", False)}
        seen = {(name, kind): [] for name in pages for kind in ("first", "repeat")}
        try:
            visit(driver, base + "plain.html", True, False)  # warm the browser up
            for _ in range(int(runs)):  # first visits, in turns
                for name, (address, answers) in pages.items():
                    seen[name, "first"].append(visit(driver, address, True, answers))
            driver.switch_to.new_window("tab")  # the page keeps its files; then it is
            driver.get(base)  # visited again and again
            driver.execute_async_script(
                "const done = arguments[0]; navigator.serviceWorker.ready.then(() => done())")
            driver.close()
            driver.switch_to.window(home)
            for _ in range(int(runs)):
                for name, (address, answers) in pages.items():
                    seen[name, "repeat"].append(visit(driver, address, False, answers))
            full = full_tab(driver, base, min(int(runs), 9))
        finally:
            driver.quit()
            server.shutdown()
    print(f"median of {runs} visits each, in turns, served gzipped (middle half in brackets);"
          f" load average {load:.2f} before, {os.getloadavg()[0]:.2f} after")
    for kind in ("first", "repeat"):
        for name in pages:
            times = seen[name, kind]
            print(f"  {kind:6} {name:10}  first contentful paint "
                  f"{summary([t['first-contentful-paint'] for t in times])}, largest "
                  f"{summary([t['largest'] for t in times])}" +
                  (f", answers {summary([t['answers'] for t in times])}"
                   if "answers" in times[0] else ""))
        ratio = (statistics.median(t["first-contentful-paint"] for t in seen["the page", kind]) /
                 statistics.median(t["first-contentful-paint"] for t in seen["plain HTML", kind]))
        print(f"  {kind:6} the page paints at {ratio:.2f} times plain HTML (goal 1.25)")
    answers = (statistics.median(t["answers"] for t in seen["the page", "first"]) /
               statistics.median(t["first-contentful-paint"] for t in seen["plain HTML", "first"]))
    print(f"  first  the page answers at {answers:.2f} times plain HTML's paint (goal 2)")
    print(f"  a tab with a full storage answers {summary(full)} after its reload (goal 1000)")
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
