#!/usr/bin/python3
"""The form as a page, used as a teacher would use it, in each browser engine of ENGINES.

    page_scenario.py PAGE_FOLDER FORM_TABLE EXPECTED_WORKSHEET NPM_FOLDER

Each engine runs the one scenario on each screen of its table, from disk (file://); Chromium
also first serves the page over http on 127.0.0.1, with its module held back by the server (the
form is shown as designed before the module has run, and what the user types and clicks by then
is done once it has), then as usual, after an update on the server, then with the server stopped
(from the files the page keeps); and in every engine the form is kept for its tab through a
reload and the Back button. The scenario: every control where the design's table (FORM_TABLE,
from tools/form_table) puts it, or arranged for a small screen, in the design's own colours,
with its accessible name; the focus order, the first box's key filter and limit, both
conversions, the hover, a refused row's message, the worksheet (compared with
EXPECTED_WORKSHEET), erasing, and an empty console. axe-core (installed by npm in NPM_FOLDER,
with firefox_bridge.mjs beside it) audits the page against WCAG 2.0 to 2.2, A and AA, and its
best practices. Where the form fits, every control's font and colours, and the pixels of its
edges and face, must be the same in every engine; on a small screen its font and colours the
same as where it fits. WebKit needs an X server (DISPLAY).
"""
import base64
import functools
import gzip
import http.server
import json
import os
import re
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse
import zlib

from selenium import webdriver
from selenium.common.exceptions import NoSuchFrameException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys


def wait_until(what, found, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            value = found()
        except NoSuchFrameException:
            # WebKit's driver fails a script that a page's unload cut short: the page waited
            # for is not there yet.
            value = None
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def read_form_table(path):
    controls = []
    for line in pathlib.Path(path).read_text(encoding="utf-8").splitlines():
        (name, kind, left, top, width, height, accessible, text, ground, size, weight,
         faces) = line.split("\t")
        controls.append({"name": name, "kind": kind, "place": [int(left), int(top), int(width),
                         int(height)], "accessible": accessible.replace("\\r", "\r")
                         .replace("\\n", "\n"),
                         "colours": [text, "rgba(0, 0, 0, 0)" if ground == "none" else ground],
                         "font": [float(size), weight], "faces": faces.split(", ")})
    return controls


class Chromium:
    """Blink, in headless Chromium: every step, served and from disk, on every screen."""

    name = "Chromium (Blink)"
    served = True  # served, with the module held back, and again without its server
    printed = False  # the print is checked once an engine
    screens = [("a desktop", 1024, 768), ("a phone", 390, 844),
               ("a phone on its side", 844, 390), ("the narrowest phone", 320, 568)]

    def __init__(self, downloads):
        self.downloads = downloads
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--window-size=1024,768",
                         "--disable-features=BackForwardCache"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"download.default_directory": downloads,
                                                  "download.prompt_for_download": False})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        # Waits for the document, not for every file it loads: the driver can then act while
        # the module is still held back.
        options.page_load_strategy = "eager"
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def show_on(self, width, height):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})

    def compose(self, text):
        """What an input method commits, or False where the driver cannot send it."""
        self.driver.execute_cdp_cmd("Input.imeSetComposition",
                                    {"text": text, "selectionStart": 3, "selectionEnd": 3})
        self.driver.execute_cdp_cmd("Input.insertText", {"text": text})
        return True

    def console_problems(self):
        return [entry for entry in self.driver.get_log("browser")
                if entry["level"] in ("SEVERE", "WARNING")]

    def saved_worksheet(self):
        """The worksheet as the browser saved it into its downloads."""
        saved = pathlib.Path(self.downloads) / "numbers.txt"
        wait_until("the download", saved.exists)
        return saved.read_bytes()

    def forget_downloads(self):
        for old in pathlib.Path(self.downloads).glob("*"):
            old.unlink()

    def hover(self, name, x, y):
        """The pointer over a control, moved by x and y from its centre."""
        ActionChains(self.driver).move_to_element_with_offset(
            self.driver.find_element(By.ID, name), x, y).perform()

    def print_pdf(self, width, height):
        """The page printed on paper of that size in centimetres, as a PDF, asking for the
        browser's header and footer where the page leaves room for them."""
        return base64.b64decode(self.driver.execute_cdp_cmd("Page.printToPDF", {
            "paperWidth": width / 2.54, "paperHeight": height / 2.54,
            "displayHeaderFooter": True})["data"])


class WebKit(Chromium):
    """WebKit, Safari's engine, in WebKitGTK's MiniBrowser on an X server. Its window is never
    narrower than its toolbar (447 pixels), its driver sends no input method's text and reads
    no console, and the page is used from disk."""

    name = "WebKitGTK (WebKit)"
    served = False
    screens = [("a desktop", 1024, 768), ("a phone on its side", 844, 390)]

    def __init__(self, downloads):  # pylint: disable=super-init-not-called
        self.downloads = downloads
        options = webdriver.WebKitGTKOptions()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        options.add_argument("--enable-page-cache=false")
        self.driver = webdriver.WebKitGTK(options=options)

    def show_on(self, width, height):
        self.driver.set_window_size(width, height)
        chrome = self.driver.execute_script("return outerHeight - innerHeight")
        self.driver.set_window_size(width, height + chrome)

    def compose(self, text):
        return False

    def console_problems(self):
        return []

    def saved_worksheet(self):
        return None  # the page's own bytes are compared instead

    def forget_downloads(self):
        pass

    def print_pdf(self, width, height):
        return None  # WebKitWebDriver has no Print command: what the page holds is compared


class FirefoxElement:
    """The few things the scenario asks of an element, for FirefoxDriver."""

    KEYS = {Keys.TAB: "Tab", Keys.ENTER: "Enter", Keys.ESCAPE: "Escape", Keys.SPACE: "Space"}

    def __init__(self, driver, name):
        self.driver, self.name = driver, name

    def get_attribute(self, attribute):
        return self.driver.execute_script(
            "const e = document.getElementById(arguments[0]); return arguments[1] === 'value'"
            " ? e.value : e.getAttribute(arguments[1]);", self.name, attribute)

    def is_displayed(self):
        return self.driver.execute_script(
            "return document.getElementById(arguments[0]).checkVisibility();", self.name)

    def is_enabled(self):
        return not self.driver.execute_script(
            "return document.getElementById(arguments[0]).disabled;", self.name)

    @property
    def accessible_name(self):
        # The name as axe-core, already in the page for the audit, computes it: the BiDi driver
        # has no accessibility tree to ask.
        return self.driver.execute_script(
            "axe.setup(); try { return axe.commons.text.accessibleTextVirtual("
            "axe.utils.getNodeFromTree(document.getElementById(arguments[0]))); }"
            " finally { axe.teardown(); }", self.name)

    @property
    def text(self):
        return self.driver.execute_script(
            "return document.getElementById(arguments[0]).innerText;", self.name)

    def click(self):
        self.driver.command("click", id=self.name)

    def clear(self):
        self.driver.command("clear", id=self.name)

    def send_keys(self, text):
        if text in self.KEYS:
            self.driver.command("press", id=self.name, key=self.KEYS[text])
        else:
            self.driver.command("type", id=self.name, text=text)


class FirefoxDriver:
    """A Selenium-like driver of Firefox, through firefox_bridge.mjs (puppeteer-core over
    WebDriver BiDi): as much as the scenario uses."""

    def __init__(self, bridge, downloads):
        self.process = subprocess.Popen(["node", bridge], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True,
                                        env={**os.environ, "DOWNLOADS": downloads})

    def command(self, op, **arguments):
        self.process.stdin.write(json.dumps({"op": op, **arguments}) + "\n")
        self.process.stdin.flush()
        answer = json.loads(self.process.stdout.readline())
        if "error" in answer:
            raise AssertionError(f"Firefox: {op}: {answer['error']}")
        return answer["value"]

    def get(self, address):
        self.command("goto", url=address)

    def execute_script(self, script, *arguments):
        return self.command("script", script=script, args=list(arguments))

    def execute_async_script(self, script, *arguments):
        return self.command("asyncScript", script=script, args=list(arguments))

    def find_element(self, _by, name):
        return FirefoxElement(self, name)

    def get_screenshot_as_png(self):
        return base64.b64decode(self.command("screenshot"))

    @property
    def switch_to(self):
        driver = self

        class Focus:
            @property
            def active_element(self):
                return FirefoxElement(driver, driver.command("focused"))
        return Focus()

    def quit(self):
        try:
            self.command("quit")
        except (json.JSONDecodeError, BrokenPipeError):
            pass
        self.process.wait(timeout=30)


class Firefox(Chromium):
    """Gecko, in Firefox ESR, driven over WebDriver BiDi (there is no geckodriver here), from
    disk on every screen; its driver sends no input method's text."""

    name = "Firefox ESR (Gecko)"
    served = False

    def __init__(self, downloads):  # pylint: disable=super-init-not-called
        self.downloads = downloads
        self.driver = FirefoxDriver(FIREFOX_BRIDGE, downloads)

    def show_on(self, width, height):
        self.driver.command("viewport", width=width, height=height)

    def compose(self, text):
        return False

    def console_problems(self):
        return self.driver.command("problems")

    def hover(self, name, x, y):
        self.driver.command("hover", id=name, x=x, y=y)

    def print_pdf(self, width, height):
        return base64.b64decode(self.driver.command("pdf", width=f"{width}cm",
                                                    height=f"{height}cm"))


ENGINES = [Chromium, WebKit, Firefox]


def open_page(driver, address):
    """The page as a new visit finds it: what an earlier use of the same page kept for the tab
    is forgotten first."""
    driver.execute_script("try { sessionStorage.clear(); } catch (none) {}")
    driver.get(address)
    wait_until("the form", lambda: driver.execute_script("return document.body.dataset.ready"))
    installable = driver.execute_script("return !!document.querySelector('link[rel=manifest]')")
    check(installable == address.startswith("http"), "a manifest only when served")


def check_places(driver, controls):
    """Every control where the design puts it, its caption fitting it."""
    surface, shown = driver.execute_script(
        "const box = (e) => { const r = e.getBoundingClientRect();"
        " return [r.left, r.top, r.width, r.height,"
        " e.scrollWidth <= e.clientWidth, e.scrollHeight <= e.clientHeight]; };"
        "return [box(document.getElementById('Form1takt')),"
        " arguments[0].map((name) => box(document.getElementById(name)))];",
        [control["name"] for control in controls])
    check(surface[2:4] == [645, 412], f"the form is {surface[2:4]}")
    for control, (left, top, width, height, fits_across, fits_down) in zip(controls, shown):
        place = [left - surface[0], top - surface[1], width, height]
        check(place == control["place"], f"{control['name']} is at {place}, not "
              f"{control['place']}")
        # Every caption fits with the faces Chromium has here (a label's first line: the breaks
        # that end one add nothing).
        check(fits_across and (fits_down or control["kind"] == "label"),
              f"{control['name']} overflows")


FIREFOX_BRIDGE = None  # the bridge script, in the folder npm installed puppeteer-core into

# The teal, green and olive of the column heads on silver (2.3 to 2.8 to 1) are the design's own.
DESIGNED_CONTRAST = {"#Label1", "#Label2", "#Label3", "#Label4"}


def audit(driver, axe_script):
    """No accessibility violation but the designed contrast of the labels."""
    driver.execute_script(pathlib.Path(axe_script).read_text(encoding="utf-8"))
    violations = driver.execute_async_script(
        "const done = arguments[0]; axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a',"
        " 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']}}).then((result) =>"
        " done(result.violations.map((v) => [v.id, v.nodes.map((n) => n.target.join(' '))])));")
    found = [(rule, targets) for rule, targets in violations
             if not (rule == "color-contrast" and set(targets) <= DESIGNED_CONTRAST)]
    check(not found, f"axe-core finds {found}")



def png_pixels(png):
    """The pixels of a PNG screenshot (8 bits per channel, RGB or RGBA), as rows of RGB."""
    width, height, depth, colour = struct.unpack(">IIBB", png[16:26])
    check(depth == 8 and colour in (2, 6), f"a PNG of depth {depth} and colour type {colour}")
    size = 3 if colour == 2 else 4
    data, at = b"", 8
    while at < len(png):
        length, kind = struct.unpack(">I4s", png[at:at + 8])
        if kind == b"IDAT":
            data += png[at + 8:at + 8 + length]
        at += 12 + length
    raw, stride, rows, previous = zlib.decompress(data), width * size, [], bytearray(width * size)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - size] if x >= size else 0
            up, corner = previous[x], previous[x - size] if x >= size else 0
            guess = {0: 0, 1: left, 2: up, 3: (left + up) // 2}.get(kind)
            if guess is None:  # Paeth
                p = left + up - corner
                guess = min((abs(p - left), 0, left), (abs(p - up), 1, up),
                            (abs(p - corner), 2, corner))[2]
            line[x] = (line[x] + guess) & 0xFF
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, size)])
        previous = line
    return rows


def painted_edges_and_faces(driver, controls):
    """What the engine painted where fonts play no part: the middle of each edge of every box
    and button, and a point of its face away from its caption."""
    rows = png_pixels(driver.get_screenshot_as_png())
    places = driver.execute_script(
        "return arguments[0].map((name) => { const r = document.getElementById(name)"
        ".getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom].map(Math.round); });",
        [control["name"] for control in controls if control["kind"] != "label"])
    painted = []
    for left, top, right, bottom in places:
        middle, centre = (top + bottom) // 2, (left + right) // 2
        for x, y in ((left, middle), (right - 1, middle), (centre, top), (centre, bottom - 1),
                     (right - 5, bottom - 5)):
            painted.append(rows[y][x])
    return painted


LOOK = ("return arguments[0].map((name) => { const s = getComputedStyle(document.getElementById("
        "name)); return [parseFloat(s.fontSize), s.fontWeight, s.color, s.backgroundColor,"
        " s.fontFamily]; });")


def check_small_screen(driver, controls, design_looks):
    """The same controls arranged for a small screen: no sideways scrolling, every box and button
    a finger's size, boxes' text large enough not to zoom, nothing smaller than the design,
    nothing over anything else, and the design's colours and weights."""
    names = [control["name"] for control in controls]
    wide, across = driver.execute_script(
        "return [document.documentElement.scrollWidth, innerWidth];")
    check(wide <= across, f"the page scrolls sideways: {wide} > {across}")
    rects = driver.execute_script(
        "return arguments[0].map((name) => { const r = document.getElementById(name)"
        ".getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; });", names)
    looks = driver.execute_script(LOOK, names)
    for index, (control, rect, look) in enumerate(zip(controls, rects, looks)):
        name = control["name"]
        if control["kind"] != "label":
            check(rect[2] - rect[0] >= 44 and rect[3] - rect[1] >= 44, f"{name} is {rect}")
        if control["kind"] == "box":
            check(look[0] >= 16, f"{name}'s text is {look[0]} px")
        design = design_looks[name]
        check(look[0] >= design[0] and look[1:] == design[1:],
              f"{name} looks {look}, designed {design}")
        for other, other_rect in zip(controls[index + 1:], rects[index + 1:]):
            apart = (rect[2] <= other_rect[0] or other_rect[2] <= rect[0] or
                     rect[3] <= other_rect[1] or other_rect[3] <= rect[1])
            check(apart, f"{name} lies over {other['name']}")


# The printed pages the page holds, each page's text.
HELD = "return [...document.querySelectorAll('#worksheet > pre')].map((p) => p.textContent)"
# Keeps each file the page hands the browser to download, and reads the first one back, in
# base64.
CATCH_DOWNLOADS = ("window.worksheets = []; const make = URL.createObjectURL; URL.createObjectURL"
                   " = (blob) => { worksheets.push(blob); return make.call(URL, blob); };")
FIRST_DOWNLOAD = ("const done = arguments[0]; worksheets[0].arrayBuffer().then((bytes) =>"
                  " done(btoa(String.fromCharCode(...new Uint8Array(bytes)))));")


def early_use(engine, address, controls, module_gate, expected):
    """The form is shown, as designed, before its module has run, and prints as the sample
    worksheet; what the user types and clicks by then is done once it has, and printed then a
    note to print again shows, or with Ctrl+P the worksheet once the module has caught up."""
    driver = engine.driver
    module_gate.clear()
    driver.execute_script("location.assign(arguments[0])", address)
    value = lambda name: driver.find_element(By.ID, name).get_attribute("value")
    wait_until("the form", lambda: driver.execute_script(
        "return document.getElementById('strgreek6') !== null"))
    check_places(driver, controls)
    check(value("intnumber6") == "765", "the sample numbers are shown")
    # Before any conversion the answer key holds each number alone.
    pupils, key = sample_worksheet(expected)
    key[6:13] = [" " * 11 + re.search(r"(\d+)_", line)[1] + "_" for line in key[6:13]]
    check_print(engine, pupils, key, "the page as opened")
    wait_until("the magnet's picture", lambda: driver.execute_script(
        "const p = document.querySelector('#Command3 img'); return p.complete && "
        "p.naturalWidth === 32;"))
    # The magnet, then a number typed, a conversion, and an answer corrected by hand: done in
    # that order once the module runs.
    driver.find_element(By.ID, "Command3").click()
    first = driver.find_element(By.ID, "intnumber")
    first.clear()
    first.send_keys("7x")
    driver.find_element(By.ID, "Command1").click()
    corrected = driver.find_element(By.ID, "strRoman2")
    corrected.clear()
    corrected.send_keys("δικός μου")
    check(value("strRoman") == "" and not driver.execute_script(
        "return document.body.dataset.ready"), "the module ran before it was let through")
    pages = printed_pages(engine.print_pdf(*PAPERS[0][1:]))[0]
    check(len(pages) == 1 and "τυπώστε ξανά σε λίγο" in " ".join(spaced(pages[0])),
          f"printed before the module has run, the page reads {pages}")
    # What the print would show when it is called: the worksheet, not the note, and its pages.
    driver.execute_script("window.print = () => { window.printed = [document.documentElement"
                          ".dataset.worksheet, (() => { %s })()]; };" % HELD)
    # Ctrl+P on a Greek keyboard layout: the key is «π», in the place of P.
    for kind in ("rawKeyDown", "keyUp"):
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": kind, "modifiers": 2, "key": "π", "code": "KeyP",
            "windowsVirtualKeyCode": 80})
    module_gate.set()
    wait_until("the early click's answer", lambda: value("strRoman") == "έβδομος ")
    check(value("intnumber") == "7", f"intnumber kept {value('intnumber')!r}")
    check(value("intnumber6") == "", "the magnet emptied the boxes before the typing")
    check(value("strRoman2") == "δικός μου",
          f"the correction after the conversion is kept: {value('strRoman2')!r}")
    shown, printed = driver.execute_script("return window.printed") or [None, None]
    check(shown == "current" and printed is not None and "δικός μου" in printed[1] and
          "_" * 33 + "7" + "_" * 33 in printed[0],
          f"Ctrl+P before the module ran prints {shown}: {printed}")


# Records, from a page's first frame until its sheet has started, what each frame showed in the
# boxes there were, and whether the page had all been read by then.
FRAMES = """window.framesShown = [];
const look = () => {
    framesShown.push([document.readyState,
                      [...document.querySelectorAll('.form > input')].map((box) => box.value)]);
    if (!document.body || !document.body.dataset.ready) {
        requestAnimationFrame(look);
    }
};
requestAnimationFrame(look);"""


def what_prints(engine):
    """What the page prints on A4, as a person reads it: where the driver prints, the PDF's
    lines that show anything; elsewhere the worksheet the page holds, or the note to print
    again that the page prints instead while its worksheet is behind the boxes."""
    pdf = engine.print_pdf(*PAPERS[0][1:])
    if pdf is not None:
        return [spaced(page) for page in printed_pages(pdf)[0]]
    if engine.driver.execute_script("return document.documentElement.dataset.worksheet") != \
            "current":
        return "the note to print again"
    return engine.driver.execute_script(HELD)


def kept_for_the_tab(engine, address, server=None):
    """Reloaded, or left and come back to (with no back-forward copy), the page holds what the
    teacher converted, changed and corrected, and prints and downloads it; served over a slow
    network, its first frames show it too. In Chromium, a new tab starts from the sample, and a
    browser that refuses the storage still converts."""
    driver = engine.driver
    element = functools.partial(driver.find_element, By.ID)
    boxes = "return [...document.querySelectorAll('.form > input')].map((b) => b.value)"
    # A page the test left is marked, so that only the one loaded again counts as ready.
    ready = lambda: driver.execute_script(
        "return !window.left && document.body.dataset.ready === 'true'")

    def downloaded():
        """The worksheet's bytes as the page hands them to the browser, and its warning."""
        driver.execute_script(CATCH_DOWNLOADS)
        element("Command4").click()
        wait_until("the message", element("message").is_displayed)
        said = element("message-text").text
        element("message-ok").click()
        wait_until("the message to close", lambda: not element("message").is_displayed())
        return said, driver.execute_async_script(FIRST_DOWNLOAD)

    open_page(driver, address)
    element("Command1").click()
    element("Command2").click()
    element("intnumber3").clear()
    element("intnumber3").send_keys("25")
    element("strgreek1").clear()
    element("strgreek1").send_keys("εκατόν πενήντα έξι!")
    shown, pages, worksheet = driver.execute_script(boxes), what_prints(engine), downloaded()
    check("πενήντα έξι!" in str(pages), f"the page prints another worksheet: {pages}")
    check("Γραμμή 4 (25): οι λύσεις είναι για το 466" in worksheet[0], "the stale row is named")
    for how, leave in (("reloaded", "location.reload()"),
                       ("left and come back to", "location.assign('about:blank')")):
        driver.execute_script("window.left = true; " + leave)
        if how != "reloaded":
            wait_until("the other page", lambda: driver.execute_script(
                "return location.href === 'about:blank'"))
            driver.execute_script("history.back()")
        wait_until(f"the page {how}", ready)
        check(driver.execute_script(boxes) == shown, f"{how}, the boxes are as they were")
        check(element("strRoman").is_enabled(), f"{how}, strRoman is still enabled")
        check(what_prints(engine) == pages, f"{how}, the page prints what it showed")
        check(downloaded() == worksheet, f"{how}, the worksheet and its warning are the same")

    if server is not None:
        # Over a slow network the browser draws the form before the rest of the page has come
        # (past the worker, which would answer at once): its frames show the kept numbers.
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        recorder = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                          {"source": FRAMES})
        server.slow_page = True
        driver.execute_script("window.left = true; location.reload()")
        wait_until("the page reloaded slowly", ready)
        server.slow_page = False
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", recorder)
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
        driver.execute_cdp_cmd("Network.disable", {})
        frames = driver.execute_script("return window.framesShown")
        check(["loading", shown] in frames, "no frame showed the form before the page had come")
        check(all(texts == shown[:len(texts)] for _, texts in frames),
              f"the first frames showed other numbers: {frames}")

    # What a tab keeps is its own; a browser that keeps nothing still converts.
    if isinstance(driver, webdriver.Chrome):
        driver.switch_to.new_window("tab")
        open_page(driver, address)
        check(element("intnumber3").get_attribute("value") == "466", "a new tab has the sample")
        driver.close()
        driver.switch_to.window(driver.window_handles[0])
        refused = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "Storage.prototype.setItem = () => { throw new DOMException("
                      "'refused', 'QuotaExceededError'); };"})
        open_page(driver, address)
        element("intnumber").clear()
        element("intnumber").send_keys("12")
        element("Command1").click()
        check(element("strRoman").get_attribute("value") == "δωδέκατος ",
              "without storage the page converts")
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", refused)
    driver.execute_script("sessionStorage.clear()")


PAPERS = [("A4", 21.0, 29.7), ("Letter", 21.59, 27.94)]  # portrait, in centimetres


def sample_worksheet(expected):
    """The converted sample worksheet's lines: the pupils' part, and the answer key's."""
    lines = pathlib.Path(expected).read_bytes().decode("cp1253").split("\r\n")[:-1]
    return lines[:41], lines[41:]


def printed_pages(pdf):
    """The PDF's pages as pdftotext reads them: each page's lines, its first page's words'
    places, and the top of each of its lines that show anything."""
    with tempfile.NamedTemporaryFile(suffix=".pdf") as file:
        file.write(pdf)
        file.flush()
        text = subprocess.run(["pdftotext", "-layout", file.name, "-"], check=True,
                              capture_output=True, text=True).stdout
        boxes = subprocess.run(["pdftotext", "-bbox", file.name, "-"], check=True,
                               capture_output=True, text=True).stdout
    first = boxes.split("</page>")[0]
    words = [(float(x), word) for x, word in re.findall(r'<word xMin="([0-9.]+)"[^>]*>([^<]*)<',
                                                        first)]
    tops = []
    for top in re.findall(r'<word xMin="[0-9.]+" yMin="([0-9.]+)"', first):
        if not tops or float(top) > tops[-1] + 0.5:
            tops.append(float(top))
    return [page.splitlines() for page in text.split("\f")[:-1]], words, tops


def spaced(lines):
    """The lines that show anything, their spaces as single spaces: pdftotext guesses how many
    spaces it sees."""
    return [" ".join(line.split()) for line in lines if line.strip()]


def check_held(driver, pupils, key, what):
    """The page holds the worksheet of the boxes as they stand, to print: the pupils' lines
    (the worksheet's up to the brand under the exercises) as its first page, character for
    character, and the answer key's as its second."""
    held = driver.execute_script(HELD)
    check(held[0] == "\n".join(pupils) + "\n", f"{what}: the page holds another pupils' page")
    check(" ".join(held[1].split()) == " ".join(" ".join(key).split()),
          f"{what}: the page holds another answer key")


def check_print(engine, pupils, key, what):
    """Where the driver prints, the page prints as the worksheet it holds: the pupils' lines on
    the first sheet, each whole; the answer key's on the second, long answers going on over two
    lines; nothing else (the form, an address or a date); the print zones under each other, at
    the size the page asks for, 9 points or more."""
    check_held(engine.driver, pupils, key, what)
    size = engine.driver.execute_script(  # in points
        "return parseFloat(getComputedStyle(document.getElementById('worksheet'))"
        ".getPropertyValue('--print-size'));")
    for paper, width, height in PAPERS:
        pdf = engine.print_pdf(width, height)
        if pdf is None:
            print(f"{engine.name}: its driver cannot print; the pages the page holds were read")
            return
        pages, words, tops = printed_pages(pdf)
        check(len(pages) == 2, f"{what} on {paper}: {len(pages)} pages")
        check(spaced(pages[0]) == spaced(pupils), f"{what} on {paper}: the pupils' page reads "
              f"{spaced(pages[0])}")
        check(" ".join(spaced(pages[1])) == " ".join(spaced(key)),
              f"{what} on {paper}: the answer key reads {spaced(pages[1])}")
        # Columns 12, 29, 43 and 57 of the worksheet: its margin, the task, the heading
        # ΑΡΙΘΜΟΣ and the brand, one advance of the face apart per column.
        starts = {word: x for x, word in reversed(words)}
        margin = starts["ΟΝΟΜΑ:" + "_" * 56]
        advance = (starts["TRELOVANDIKA®"] - margin) / 45
        for word, column in (("Κάνε", 29), ("ΑΡΙΘΜΟΣ", 43)):
            check(abs(starts[word] - margin - (column - 12) * advance) < 0.5,
                  f"{what} on {paper}: «{word}» is out of its column")
        check(size >= 9 and abs(advance / 0.6 - size) < 0.1,
              f"{what} on {paper}: printed at {advance / 0.6:.1f} pt, not {size:.1f}")
        # One line to the next at 1.2 times the size, blank lines included (each line at a
        # whole pixel of the engine's, a point or less from where the pitch puts it).
        shown = [i for i, line in enumerate(pupils) if line.strip()]
        pitch = (tops[-1] - tops[0]) / (shown[-1] - shown[0])
        check(len(tops) == len(shown) and abs(pitch - 1.2 * size) < 0.05 and all(
            abs(top - tops[0] - (line - shown[0]) * pitch) < 1 for top, line in zip(tops, shown)),
            f"{what} on {paper}: lines {pitch:.2f} pt apart, not {1.2 * size:.2f}: {tops}")


def use_page(engine, address, controls, expected, axe_script, design_looks):
    """The teacher's scenario. On the first screen big enough for the form, design_looks is
    filled with each control's font size, weight and colours; everywhere else, in every engine,
    the same are expected, and on a small screen the arrangement is checked instead of the
    design's places."""
    driver = engine.driver
    open_page(driver, address)
    audit(driver, axe_script)
    element = functools.partial(driver.find_element, By.ID)
    value = lambda name: element(name).get_attribute("value")
    fits = driver.execute_script("return innerWidth >= 645 && innerHeight >= 412")

    # Where the design puts each control (or its arrangement on a small screen), in its own
    # colours, and what a screen reader calls it.
    names = [control["name"] for control in controls]
    if fits:
        check_places(driver, controls)
        looks = dict(zip(names, driver.execute_script(LOOK, names)))
        design_looks.setdefault("", looks)
        check(looks == design_looks[""], f"in {engine.name} the form looks otherwise: "
              f"{ {n: l for n, l in looks.items() if l != design_looks[''][n]} }")
        # A system colour or an engine's own bevel shows as pixels that differ between engines.
        painted = painted_edges_and_faces(driver, controls)
        design_looks.setdefault("painted", painted)
        check(painted == design_looks["painted"], f"{engine.name} paints the form otherwise")
    else:
        check_small_screen(driver, controls, design_looks[""])
    for control in controls:
        if control["kind"] != "label":
            name = element(control["name"]).accessible_name
            check(name == control["accessible"], f"{control['name']} is read as {name!r}")

    # The focus order is the design's; strRoman waits for the first conversion.
    focusable = [c["name"] for c in controls if c["kind"] != "label" and c["name"] != "strRoman"]
    order = [driver.switch_to.active_element.get_attribute("id")]
    for _ in focusable[1:]:
        driver.switch_to.active_element.send_keys(Keys.TAB)
        order.append(driver.switch_to.active_element.get_attribute("id"))
    check(order == focusable, f"the focus goes {order}")

    # The first box takes digits, signs and points, up to five; no letters.
    first = element("intnumber")
    first.clear()
    first.send_keys("aΑz-1.59")
    first.send_keys("8")
    check(value("intnumber") == "-1.59", f"intnumber took {value('intnumber')!r}")
    # What an input method commits loses its refused characters, before the sheet sees it.
    # (Also beside the same digits, which the text before and after it shares.)
    for typed, committed, left in (("11", "1", "111"), ("10", "0α1", "1001")):
        first.clear()
        first.send_keys(typed)
        if engine.compose(committed):
            check(value("intnumber") == left, f"the composition left {value('intnumber')!r}")
        else:
            first.send_keys(left[len(typed):])

    # A refused row is named in a warning; Enter presses the focused button and dismisses the
    # warning, and the focus comes back.
    element("intnumber3").clear()
    element("intnumber3").send_keys("abc")
    element("Command1").send_keys(Keys.ENTER)
    dialog = element("message")
    wait_until("the warning", dialog.is_displayed)
    check("Γραμμή 4: το «abc» δεν είναι αριθμός." in element("message-text").text,
          "the warning names the row")
    check(element("message-sign").is_displayed(), "a warning shows its sign")
    check(driver.execute_script(
        "const r = document.getElementById('message').getBoundingClientRect();"
        " return r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;"),
        "the message lies within the screen")
    driver.switch_to.active_element.send_keys(Keys.ENTER)
    wait_until("the warning to close", lambda: not dialog.is_displayed())
    check(driver.switch_to.active_element.get_attribute("id") == "Command1",
          "the focus is back on the button")
    element("intnumber3").clear()
    element("intnumber3").send_keys("466")

    # What an input method commits into any other box reaches the sheet too.
    for box, committed, ordinal in (("intnumber3", "25", "εικοστός πέμπτος "),
                                    ("intnumber5", "12", "δωδέκατος ")):
        typed = value(box)
        element(box).clear()
        element(box).click()
        if engine.compose(committed):
            element("Command1").click()
            check(value(box.replace("intnumber", "strRoman")) == ordinal,
                  f"the sheet has the committed {committed} in {box}")
        element(box).clear()
        element(box).send_keys(typed)

    # Both conversions, then the hover over the bare surface.
    element("Command1").click()
    element("Command2").click()
    check(value("strRoman") == "χιλιοστός πρώτος ", "the first ordinal")
    check(value("strgreek6") == "επτακόσια εξήντα πέντε ", "the last cardinal")
    check(element("strRoman").is_enabled(), "strRoman is enabled by a conversion")
    if fits and "coloured" not in design_looks:  # in the first engine: the design's colours
        design_looks["coloured"] = True  # and fonts
        for control, look in zip(controls, driver.execute_script(LOOK, names)):
            if control["kind"] in ("box", "label"):
                check(look[2:4] == control["colours"], f"{control['name']} is painted "
                      f"{look[2:4]}, designed {control['colours']}")
            # The window's faces that a browser can draw, in the window's order, then any face.
            faces = [face.strip().strip('"') for face in look[4].split(",")]
            check(look[0:2] == control["font"] and faces[-1] == "sans-serif" and
                  1 < len(faces) and faces[:-1] == control["faces"][-(len(faces) - 1):],
                  f"{control['name']} is written in {look[0:2] + [look[4]]}, designed "
                  f"{control['font'] + [control['faces']]}")
    face = lambda: driver.execute_script(
        "return getComputedStyle(document.getElementById('Command1')).backgroundColor")
    if fits:  # a phone has no pointer to hover with
        engine.hover("Label1", 0, 0)
        check(face() == "rgb(255, 255, 0)", "moves over the controls leave Command1 yellow")
        engine.hover("Form1takt", 0, 180)
        check(face() == "rgb(255, 0, 0)", f"Command1 is {face()} after the hover")

    # The worksheet, downloaded byte for byte; its message is news, without the sign.
    engine.forget_downloads()
    driver.execute_script(CATCH_DOWNLOADS)
    element("Command4").click()
    wait_until("the message", dialog.is_displayed)
    check(not element("message-sign").is_displayed(), "news shows no sign")
    check("«Λήψεις»" in element("message-text").text, "the message says where the file is")
    driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    wait_until("the message to close", lambda: not dialog.is_displayed())
    handed = base64.b64decode(driver.execute_async_script(FIRST_DOWNLOAD))
    check(handed == pathlib.Path(expected).read_bytes(), "the worksheet's bytes")
    saved = engine.saved_worksheet()
    check(saved in (None, handed), "the worksheet's bytes as saved")

    # Printed, the page is that worksheet; with 29999, the longest answer goes on over two lines.
    if not engine.printed:
        engine.printed = True
        pupils, key = sample_worksheet(expected)
        check_print(engine, pupils, key, "the sample")
        first.clear()
        first.send_keys("29999")
        pupils[13] = " " * 11 + "_" * 33 + "29999" + "_" * 33
        key_line = lambda: " " * 11 + value("strRoman") + "29999_" + value("strgreek")
        key[6] = key_line()  # 1001's answers, until converted again
        check_held(driver, pupils, key, "29999 typed")
        element("Command1").click()
        element("Command2").click()
        key[6] = key_line()
        check_print(engine, pupils, key, "29999")

    # A character the code page lacks is written as «?» into the file, and the message says so.
    element("strgreek3").clear()
    element("strgreek3").send_keys("é")
    element("Command4").click()
    wait_until("the message", dialog.is_displayed)
    check("γράφτηκε ως «?»" in element("message-text").text, "the message warns of «?»")
    # A long message opens at its top, its warning in sight; on a phone its OK is a finger's
    # size.
    opened = driver.execute_script(
        "const d = document.getElementById('message'); const seen = (id) => { const r = "
        "document.getElementById(id).getBoundingClientRect(); return r.top >= 0 && r.bottom <= "
        "innerHeight; }; return [d.scrollTop + d.querySelector('.message-body').scrollTop, "
        "seen('message-title'), seen('message-ok'), document.getElementById('message-ok')"
        ".getBoundingClientRect().height];")
    check(opened[:3] == [0, True, True], f"a long message opens scrolled: {opened}")
    check(fits or opened[3] >= 44, f"on a small screen OK is {opened[3]} px high")
    driver.switch_to.active_element.send_keys(Keys.ESCAPE)
    wait_until("the message to close", lambda: not dialog.is_displayed())

    # The magnet erases at a click or a tap, which lands on its picture, and at Space.
    element("Command3").click()
    check(all(value(c["name"]) == "" for c in controls if c["kind"] == "box"), "all erased")
    first.send_keys("5")
    element("Command3").send_keys(Keys.SPACE)  # Space presses the focused button too
    check(value("intnumber") == "", "Space on the magnet erases")

    problems = engine.console_problems()
    check(not problems, f"the console says {problems}")


def main(folder, form_table, expected, npm_folder):
    global FIREFOX_BRIDGE  # pylint: disable=global-statement
    FIREFOX_BRIDGE = str(pathlib.Path(npm_folder, "firefox_bridge.mjs"))
    axe_script = str(pathlib.Path(npm_folder, "node_modules/axe-core/axe.min.js"))
    controls = read_form_table(form_table)
    # All of the page's files, as a web server sends them, weigh at most 48 KiB.
    weight = sum(len(gzip.compress(file.read_bytes(), 9))
                 for file in pathlib.Path(folder).iterdir())
    check(weight <= 48 * 1024, f"the page weighs {weight / 1024:.1f} KiB gzipped, over 48")
    module_gate = threading.Event()  # the module is served only while it is set
    module_gate.set()
    server = start_server(folder, module_gate)
    design_looks = {}  # each control's font and colours where the form shows at 1:1
    from_disk = pathlib.Path(folder, "index.html").resolve().as_uri()
    served = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    try:
        for engine_kind in ENGINES:
            with tempfile.TemporaryDirectory() as downloads:
                engine = engine_kind(downloads)
                try:
                    careless_servers(engine, folder)
                    if engine.served:
                        use_served(engine, served, server, module_gate, controls, expected,
                                   axe_script, design_looks)
                    # The same scenario from disk, on every screen of the engine's table.
                    for screen, width, height in engine.screens:
                        print(f"{engine.name}: {from_disk} on {screen}, {width}x{height}")
                        engine.show_on(width, height)
                        use_page(engine, from_disk, controls, expected, axe_script,
                                 design_looks)
                        if not engine.served and screen == engine.screens[0][0]:
                            kept_for_the_tab(engine, from_disk)
                finally:
                    engine.driver.quit()
    finally:
        server.shutdown()
    print("the page worked in every engine: served, without its server, from disk, and on "
          "every screen")


def careless_servers(engine, folder):
    """Served carelessly, on a server of its own: with no type for the page, the page opens as
    HTML; with the worker sent as another type, the console stays clean. Without its module,
    or with a module that never comes, the page says so in Greek, and what the teacher types
    meanwhile stays, through a reload, until the module comes. A kept form typed into before the
    module has started keeps that typing through another reload. A kept form the sheet could
    not have written (an answer for 30000) leaves the sample; a full tab's storage is taken
    back."""
    driver = engine.driver
    module_gate = threading.Event()
    module_gate.set()
    server = start_server(folder, module_gate)
    address = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    element = functools.partial(driver.find_element, By.ID)
    value = lambda name: element(name).get_attribute("value")
    boxes = "return [...document.querySelectorAll('.form > input')].map((b) => b.value)"
    # A page the test left is marked, so that only the one loaded again counts.
    reload = lambda: driver.execute_script("window.left = true; location.reload()")
    here = lambda script: lambda: driver.execute_script(f"return !window.left && ({script})")
    ready = here("document.body.dataset.ready === 'true'")
    said = here("document.getElementById('message') && document.getElementById('message').open"
                " && document.getElementById('message-text').textContent")
    try:
        server.untyped, server.worker_type = True, "text/plain"
        open_page(driver, address)
        check(driver.execute_script("return document.contentType") == "text/html" and
              value("intnumber") == "1001", "a page sent with no type is not read as HTML")
        time.sleep(1)  # for the worker's registration to be refused
        problems = engine.console_problems()
        check(problems == [], f"a worker of another type leaves {problems} in the console")
        # The worker stays refused, so that no kept copy answers for the server below.
        server.untyped = False

        print(f"{engine.name}: {address} without its module")
        server.module_missing = True
        driver.get(address)
        message = wait_until("the message that the page did not start", said)
        check("δεν ξεκίνησε" in message and "Ξαναφορτώστε τη σελίδα" in message,
              f"without its module the page says: {message!r}")
        element("message-ok").click()
        element("intnumber3").clear()
        element("intnumber3").send_keys("25")
        reload()
        wait_until("the message again", said)
        check(value("intnumber3") == "25", "what was typed without the module is lost")
        server.module_missing = False
        reload()
        wait_until("the page with its module", ready)
        element("Command1").click()
        check(value("strRoman3") == "εικοστός πέμπτος ", "typed without the module, not converted")

        # Typed into a kept form while the module is on its way, then reloaded.
        element("intnumber").clear()
        element("intnumber").send_keys("12")
        module_gate.clear()
        reload()
        wait_until("the kept form", here("document.getElementById('intnumber').value === '12'"))
        element("intnumber").send_keys("345")
        reload()
        wait_until("the form again", here("document.getElementById('intnumber') !== null"))
        if isinstance(driver, webdriver.Chrome):  # the module that never comes, said in time
            wait_until("the message that the page did not start", said, seconds=15)
            element("message-ok").click()
        module_gate.set()
        wait_until("the page with its module", ready)
        check(value("intnumber") == "12345", f"typed before the start, lost: {value('intnumber')}")
        check(element("strRoman").is_enabled(), "the kept strRoman is lost")

        # A kept form the sheet refuses leaves the sample (the sheet's tests hold every reason);
        # a full storage is taken back.
        kept = json.loads(driver.execute_script("return sessionStorage.getItem('arithmitika-form')"))
        sample = driver.execute_script(
            "return [...document.querySelectorAll('.form > input')].map((b) => b.defaultValue)")
        answered = kept["sheet"].split(",")
        answered[0] = "30000"  # intnumber's ordinal, «χιλιοστός πρώτος », said to be for 30000
        first = next(i for i, text in enumerate(kept["boxes"]) if text == "12345")
        driver.execute_script("sessionStorage.setItem('arithmitika-form', arguments[0])",
                              json.dumps(dict(kept, sheet=",".join(answered))))
        reload()
        wait_until("the page", ready)
        check(driver.execute_script(boxes) == sample and not element("strRoman").is_enabled(),
              f"a kept form with an answer for 30000 is taken: {driver.execute_script(boxes)}")
        full = dict(kept, boxes=[("9" if i == first else "9" * 200_000)
                                 for i in range(len(kept["boxes"]))], sheet="")
        driver.execute_script("sessionStorage.setItem('arithmitika-form', arguments[0])",
                              json.dumps(full))
        reload()
        wait_until("the page with a full storage", ready, seconds=30)
        check(driver.execute_script(boxes) == full["boxes"], "a full storage is not taken back")
        driver.execute_script("sessionStorage.clear()")
        engine.console_problems()  # the missing module's, as the browser reported it
    finally:
        module_gate.set()
        server.shutdown()
        server.server_close()


def start_server(folder, module_gate):
    """A web server of the page's folder on 127.0.0.1, in a thread of its own."""

    class GatedHandler(http.server.SimpleHTTPRequestHandler):
        """Serves the server's folder, the page's or its next version's. The browser may keep
        nothing it was sent, so that only the page's own worker can answer a visit without the
        server. Its texts are said to be in the Greek code page, as a server set up for old
        Greek pages may say, which the page's files must outweigh; or, as a careless server
        would, the page without a type, the worker as another type, or no module at all. The
        module waits for its gate; a slow page comes in two parts, half a second apart, the form
        first."""

        def log_message(self, *arguments):
            pass

        def guess_type(self, path):
            if path.endswith("service-worker.js") and self.server.worker_type:
                return self.server.worker_type
            kind = super().guess_type(path)
            return kind + "; charset=windows-1253" if kind.startswith("text/") else kind

        def send_header(self, keyword, value):
            if not (keyword.lower() == "content-type" and self.server.untyped and
                    value.startswith("text/html")):
                super().send_header(keyword, value)

        def end_headers(self):
            self.send_header("Cache-Control", "no-store")
            super().end_headers()

        def do_HEAD(self):
            self.directory = str(self.server.folder)
            super().do_HEAD()

        def do_GET(self):
            if self.server.stopped:
                # A connection the browser opened before the server stopped is dropped unanswered.
                self.close_connection = True
                return
            path = urllib.parse.urlsplit(self.path).path
            self.directory = str(self.server.folder)
            if path == "/arithmitika.js" and self.server.module_missing:
                self.send_error(404)
                return
            if path == "/arithmitika.js":
                module_gate.wait(60)
            elif not (path == "/index.html" and self.server.slow_page):
                super().do_GET()
                return
            body = pathlib.Path(self.directory, path[1:]).read_bytes()
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(path))
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            form_end = body.index(b"</main>") if path == "/index.html" else len(body)
            self.wfile.write(body[:form_end])
            self.wfile.flush()
            if form_end < len(body):
                time.sleep(0.5)
                self.wfile.write(body[form_end:])

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), GatedHandler)
    server.folder, server.stopped, server.slow_page = folder, False, False
    server.untyped, server.worker_type, server.module_missing = False, None, False
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def next_version(folder, into):
    """The page's folder as a server has it after an update: its module changed, and the page
    and its worker naming the new module and the new cache. Returns the new module's address."""
    shutil.copytree(folder, into)
    module = pathlib.Path(into, "arithmitika.js")
    module.write_bytes(module.read_bytes() + b"\n;self.servedChanged = true;\n")
    for name in ("index.html", "service-worker.js"):
        path = pathlib.Path(into, name)
        path.write_text(re.sub(r"(arithmitika\.js\?v=|const cache = 'arithmitika-)([0-9a-f]+)",
                               r"\1\2a", path.read_text(encoding="utf-8")), encoding="utf-8")
    return re.search(r'data-module="([^"]+)"',
                     pathlib.Path(into, "index.html").read_text(encoding="utf-8"))[1]


def use_served(engine, served, server, module_gate, controls, expected, axe_script,
               design_looks):
    """Served: first with the module held back, then as usual, from the kept files, after an
    update on the server, and with the server stopped."""
    driver = engine.driver
    print(f"{engine.name}: {served}")
    early_use(engine, served, controls, module_gate, expected)
    use_page(engine, served, controls, expected, axe_script, design_looks)
    kept_for_the_tab(engine, served, server)

    # A user who needs the system's own colours (Windows' high contrast) gets them over the design.
    face = "return getComputedStyle(document.getElementById('Command2')).backgroundColor"
    designed = driver.execute_script(face)
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                           {"features": [{"name": "forced-colors", "value": "active"}]})
    forced = driver.execute_script(face)
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
    check(forced != designed, f"forced colours leave Command2 {forced}")

    # Every file was kept on that first visit (the worker that keeps them is active once it has
    # them all).
    wait_until("the files kept", lambda: driver.execute_async_script(
        "const done = arguments[0]; navigator.serviceWorker.getRegistration()"
        ".then((r) => done(!!r && !!r.active && r.active.state === 'activated'))"))
    converts = lambda: driver.find_element(By.ID, "Command1").click() or check(
        driver.find_element(By.ID, "strRoman").get_attribute("value") == "χιλιοστός πρώτος ",
        "the page converts on a visit again")

    # Visited again, the page is answered from the kept files: it starts with the server
    # holding its module back.
    module_gate.clear()
    open_page(driver, served)
    module_gate.set()

    # A new version on the server. Every visit runs one version whole, its page and its module,
    # wherever each comes from; the worker then keeps all of the new version's files, and they
    # are what opens without the server.
    with tempfile.TemporaryDirectory() as updates:
        address = next_version(server.folder, pathlib.Path(updates, "web"))
        server.folder = pathlib.Path(updates, "web")
        versions = lambda: driver.execute_script(
            "return [document.querySelector('[data-module]').dataset.module === arguments[0],"
            " self.servedChanged === true]", address)
        open_page(driver, served)
        named, ran = versions()
        check(named == ran, "a page of one version ran another's module")
        wait_until("the new version kept", lambda: driver.execute_async_script(
            "const [name, done] = arguments; caches.keys().then((names) =>"
            " navigator.serviceWorker.getRegistration().then((r) => done(names.includes(name)"
            " && !r.installing && !r.waiting && r.active.state === 'activated')));",
            re.search(r"const cache = '([^']+)'", pathlib.Path(
                server.folder, "service-worker.js").read_text(encoding="utf-8"))[1]),
            seconds=20)
        for running in (True, False):
            if not running:
                server.stopped = True
                server.shutdown()
                server.server_close()
            print(f"{engine.name}: {served} updated" + ("" if running else " without its server"))
            open_page(driver, served)
            check(versions() == [True, True], f"the page and its module, updated: {versions()}")
            converts()


if __name__ == "__main__":
    if len(sys.argv) != 5:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
