#!/usr/bin/python3
"""Every sentence of a teacher's copy of her instructions stands in the guide, word for word,
so that the copies never say what the guide does not: the Windows read-me, the two manual
pages' descriptions and the package's descriptions. Layout is the copy's own (its line breaks,
its headings, troff's and XML's markup, Markdown's); the words are the guide's.

    copies_follow_the_guide.py GUIDE COPY...
"""
import html
import pathlib
import re
import sys


def words(text):
    """Text with its spaces as single spaces."""
    return " ".join(text.split())


def markdown_text(text):
    text = re.sub(r"`([^`]*)`", r"\1", text)
    text = re.sub(r"\*\*([^*]*)\*\*", r"\1", text)
    text = re.sub(r"^\s*(#+|-|\|)\s*", " ", text, flags=re.M)
    return words(text)


def copy_text(path):
    """The copy's sentences' text, without its layout: a manual page's description (from
    .SH DESCRIPTION or ΠΕΡΙΓΡΑΦΗ to the next section, troff's requests dropped), a metainfo's
    paragraphs, a read-me's paragraphs but for its title and its capitalised headings. The
    setup's name in a copy carries the version, which the guide leaves out."""
    text = pathlib.Path(path).read_text(encoding="utf-8-sig").replace("-@VERSION@-", "-")
    if path.endswith(".1"):
        description = re.search(r"^\.SH (?:DESCRIPTION|ΠΕΡΙΓΡΑΦΗ)\n(.*?)^\.SH ", text,
                                re.M | re.S)[1]
        lines = []
        for line in description.splitlines():
            if line.startswith((".B ", ".I ", ".IR ")):
                line = re.sub(r'"([^"]*)"', r"\1", line.split(" ", 1)[1]).replace(" ,", ",")
                lines.append(line.replace(" .", "."))
            elif not line.startswith("."):
                lines.append(line)
        return words(" ".join(lines).replace("\\-", "-"))
    if path.endswith(".xml"):
        return words(" ".join(html.unescape(p) for p in
                              re.findall(r"<p(?:\s[^>]*)?>(.*?)</p>", text, re.S)))
    # A read-me's title names its version; the guide names none.
    kept = [line for line in text.splitlines()
            if "@VERSION@" not in line and not line.strip().isupper()]
    return words(" ".join(kept))


def sentences(text):
    return [s for s in re.split(r"(?<=[.!])\s+", text) if len(s) > 3]


def main(guide, *copies):
    known = markdown_text(pathlib.Path(guide).read_text(encoding="utf-8"))
    drifted = []
    for copy in copies:
        for sentence in sentences(copy_text(copy)):
            if sentence not in known:
                drifted.append(f"{pathlib.Path(copy).name}: «{sentence}»")
    if drifted:
        print("sentences of the copies that the guide does not hold, word for word:")
        print("\n".join(drifted))
        return 1
    print(f"every sentence of {len(copies)} copies stands in the guide")
    return 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    sys.exit(main(*sys.argv[1:]))
