#!/usr/bin/python3
"""Puts the page's style sheet, script and the erase button's picture into the page itself, so
that the browser shows the form without asking for another file first, and lets in exactly the
style sheet and script through the page's Content-Security-Policy, by their SHA-256 hashes; no
other inline style or script runs. The picture is written as a data: address, which the policy
then allows for pictures only. The script is told the address of its module, with the module's
version in it. Comments are left out of what is put in.

The page is written in ASCII alone, each other character as a reference to its code (&#x3b1;
in the markup, \u03b1 in the script, \0003b1 in the style sheet): its bytes then read the same
whatever character set a school's server names for it (a server set up for Greek pages in a
Greek code page would otherwise garble every word, and the inlined script would no longer match
its hash), and a server that names no type at all still has the page taken as HTML, which a
byte order mark before "<!DOCTYPE" would prevent.

    inline_page.py PAGE STYLE_SHEET SCRIPT PICTURE MODULE OUT_PAGE
"""
import base64
import hashlib
import pathlib
import re
import sys

NOT_ASCII = re.compile(r"[^\x00-\x7f]")


def markup_in_ascii(text):
    return NOT_ASCII.sub(lambda found: f"&#x{ord(found.group()):x};", text)


def script_in_ascii(text):
    """Each character as \\uXXXX, one or two UTF-16 units, which strings and regular expressions
    read alike."""
    def units(found):
        encoded = found.group().encode("utf-16-be")
        return "".join(f"\\u{encoded[i:i + 2].hex()}" for i in range(0, len(encoded), 2))
    return NOT_ASCII.sub(units, text)


def style_in_ascii(text):
    return NOT_ASCII.sub(lambda found: f"\\{ord(found.group()):06x}", text)


def without_comments(script, style):
    """The script without its lines of comment, and the style sheet without its comments: they
    are for the reader of the sources, and would weigh on every visit. (The script's comments
    stand on lines of their own; what follows code on its line stays.)"""
    script = "".join(line for line in script.splitlines(keepends=True)
                     if not line.lstrip().startswith("//"))
    return script, re.sub(r"/\*.*?\*/\n?", "", style, flags=re.S)


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def module_address(module_path):
    """The address the page asks for its module by: the module's name, with its version (the
    start of its SHA-256) as a query, which no kept copy of another version answers."""
    module = pathlib.Path(module_path)
    return f"{module.name}?v={hashlib.sha256(module.read_bytes()).hexdigest()[:16]}"


def replaced(text, old, new):
    """The text with old, which must stand in it once, replaced by new."""
    if text.count(old) != 1:
        raise SystemExit(f"{pathlib.Path(sys.argv[0]).name}: {old!r} must stand once in the text")
    return text.replace(old, new)


def main(page_path, style_path, script_path, picture_path, module_path, out_path):
    page = markup_in_ascii(pathlib.Path(page_path).read_text(encoding="utf-8"))
    script, style = without_comments(pathlib.Path(script_path).read_text(encoding="utf-8"),
                                     pathlib.Path(style_path).read_text(encoding="utf-8"))
    style = style_in_ascii("\n" + style)
    script = script_in_ascii("\n" + script)
    if "</style" in style or "</script" in script:
        raise SystemExit("inline_page.py: an inlined text would end its element early")
    page = replaced(page, '<link rel="stylesheet" href="page.css">', f"<style>{style}</style>")
    page = replaced(page, '<script src="page.js"></script>',
                    f'<script data-module="{module_address(module_path)}">{script}</script>')
    page = replaced(page, "style-src 'self'", f"style-src {sha256(style)}")
    page = replaced(page, "script-src 'self'", f"script-src 'self' {sha256(script)}")
    picture = pathlib.Path(picture_path)
    data = "data:image/png;base64," + base64.b64encode(picture.read_bytes()).decode()
    page = replaced(page, f'<img src="{picture.name}"', f'<img src="{data}"')
    page = replaced(page, "img-src 'self'", "img-src 'self' data:")
    pathlib.Path(out_path).write_text(page, encoding="ascii")


if __name__ == "__main__":
    if len(sys.argv) != 7:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
