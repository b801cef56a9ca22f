#!/usr/bin/python3
"""Writes the page's module: emscripten's script with its WebAssembly put inside it, where the
script's pre.js holds the placeholder, as a string literal of one character a byte (a byte's
value is its character's code). The script is UTF-8, as the page is, and starts with its byte
order mark, so that no character set a server names for it changes a byte; only the literal's
quote, the backslash, line ends and NUL are escaped.

    embed_module.py SCRIPT WEBASSEMBLY OUT_SCRIPT
"""
import pathlib
import re
import sys

ESCAPES = {ord("\\"): "\\\\", ord('"'): '\\"', ord("\n"): "\\n", ord("\r"): "\\r"}


def literal(data):
    """The bytes as a double-quoted JavaScript string literal."""
    characters = []
    for i, byte in enumerate(data):
        if byte == 0:  # "\0" before a digit would be read as an octal escape
            characters.append("\\x00" if data[i + 1:i + 2].isdigit() else "\\0")
        else:
            characters.append(ESCAPES.get(byte, chr(byte)))
    return '"' + "".join(characters) + '"'


def main(script_path, webassembly_path, out_path):
    script = pathlib.Path(script_path).read_text(encoding="utf-8")
    placeholders = re.findall(r"""(['"])@WEBASSEMBLY@\1""", script)
    if len(placeholders) != 1:
        raise SystemExit("embed_module.py: the script must hold the placeholder once")
    webassembly = literal(pathlib.Path(webassembly_path).read_bytes())
    script = re.sub(r"""(['"])@WEBASSEMBLY@\1""", lambda _: webassembly, script)
    pathlib.Path(out_path).write_text(script, encoding="utf-8-sig")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
