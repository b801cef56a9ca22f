#!/usr/bin/python3
"""The page's largest contentful paint on Lighthouse's simulated phone, beside plain HTML's:

    page_lighthouse.py PAGE_FOLDER FORM_TABLE NPM_FOLDER [RUNS]

Lighthouse (installed by npm in NPM_FOLDER) measures the page and the plain HTML page of the
same controls (see page_start.py) in turns, RUNS times each (default 5), both served gzipped
from the same local server as page_start.py's. Each run's ratio must be at most 1.25.
"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile

from page_start import serve

FLAGS = ("--headless=new --no-sandbox --disable-gpu --no-first-run "
         "--disable-background-networking --disable-component-update --disable-sync")


def paints(lighthouse, address, report):
    """The simulated first and largest contentful paint of one visit, in ms."""
    subprocess.run([lighthouse, address, "--quiet", "--only-categories=performance",
                    "--output=json", f"--output-path={report}", f"--chrome-flags={FLAGS}"],
                   check=True, env={**os.environ, "CHROME_PATH": "/usr/bin/chromium"},
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    audits = json.loads(pathlib.Path(report).read_text(encoding="utf-8"))["audits"]
    return (audits["first-contentful-paint"]["numericValue"],
            audits["largest-contentful-paint"]["numericValue"])


def main(folder, form_table, npm_folder, runs="5"):
    lighthouse = str(pathlib.Path(npm_folder, "node_modules/.bin/lighthouse"))
    with tempfile.TemporaryDirectory() as root:
        server, base = serve(folder, form_table, root)
        report = str(pathlib.Path(root, "report.json"))
        print("Lighthouse's simulated phone, largest contentful paint (first contentful paint):")
        within = 0
        try:
            for run in range(1, int(runs) + 1):
                page_fcp, page_lcp = paints(lighthouse, base, report)
                plain_fcp, plain_lcp = paints(lighthouse, base + "plain.html", report)
                ratio = page_lcp / plain_lcp
                within += ratio <= 1.25
                print(f"  run {run}: the page {page_lcp:.0f} ms ({page_fcp:.0f}), plain HTML "
                      f"{plain_lcp:.0f} ms ({plain_fcp:.0f}): {ratio:.2f} times")
        finally:
            server.shutdown()
    print(f"  within 1.25 times in {within} runs of {runs} (goal: every one)")


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
