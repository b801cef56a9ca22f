#!/usr/bin/python3
"""Draws the two pages a teacher gets when she prints the web page, as Chromium prints them on
A4, with the sample numbers converted:

    web_print_picture.py PAGE_FOLDER PICTURE_STEM

writes PICTURE_STEM-1.png (the pupils' page) and PICTURE_STEM-2.png (the answer key)."""
import base64
import pathlib
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By


def main(folder, stem):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get(pathlib.Path(folder, "index.html").resolve().as_uri())
        deadline = time.monotonic() + 10
        while not driver.execute_script("return document.body.dataset.ready"):
            if time.monotonic() > deadline:
                raise SystemExit("the page's module did not start")
            time.sleep(0.05)
        driver.find_element(By.ID, "Command1").click()
        driver.find_element(By.ID, "Command2").click()
        pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {
            "paperWidth": 21.0 / 2.54, "paperHeight": 29.7 / 2.54})["data"])
    finally:
        driver.quit()
    with tempfile.TemporaryDirectory() as work:
        printed = pathlib.Path(work, "printed.pdf")
        printed.write_bytes(pdf)
        subprocess.run(["pdftoppm", "-png", "-r", "75", str(printed), stem], check=True)
    for page in (1, 2):  # pdftoppm numbers the pages -1, -2
        print(f"wrote {stem}-{page}.png")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
