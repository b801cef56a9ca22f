#!/usr/bin/python3
"""Writes the cases of the sheet's compositions, worked out by Python's own unicodedata rather
than by the code under test:

    precomposed_cases.py > data/precomposed_cases.txt

One case a line: the text as typed, a tab, the text as the sheet must keep it, both in UTF-8,
then a tab and the typed text's code points in hexadecimal, for reading. The cases are every character that normal form C writes as others that
Windows-1253 has; every character of Windows-1253 that decomposes, spelt out decomposed in
each way Unicode allows (U+0341 for the acute, U+0344 for dialytika and acute); and a few
lines of the worksheet in decomposed form. Only cases whose normal form C Windows-1253 holds
whole are kept: those are the ones the sheet makes.
"""
import unicodedata

CODE_PAGE = set()
for byte in range(256):
    try:
        CODE_PAGE.add(bytes([byte]).decode("cp1253"))
    except UnicodeDecodeError:
        pass

def spellings(decomposed):
    """A decomposed text, and the same with the other marks that normal form C reads alike:
    U+0341 for the acute accent, U+0344 for dialytika and acute."""
    return {decomposed, decomposed.replace("\u0301", "\u0341"),
            decomposed.replace("\u0308\u0301", "\u0344")}


def cases():
    found = {}
    for code_point in range(0x80, 0x110000):
        character = chr(code_point)
        if unicodedata.category(character) not in ("Cn", "Cs"):
            found[character] = unicodedata.normalize("NFC", character)
    for character in sorted(CODE_PAGE):
        decomposed = unicodedata.normalize("NFD", character)
        if decomposed != character:
            for spelling in spellings(decomposed):
                found[spelling] = unicodedata.normalize("NFC", spelling)
    for line in ("εκατοστός πεντηκοστός έκτος ", "ΤΑΚΤΙΚΑ ΚΑΙ ΑΠΟΛΥΤΑ ΑΡΙΘΜΗΤΙΚΑ. ",
                 "Ποιος; Πρωτεΐνη, ΐ και ΰ, Ϊ και Ϋ", "Άννα, Έλενα, Ήρα, Ίρις, Όλγα, Ύβη, Ώρα"):
        decomposed = unicodedata.normalize("NFD", line).replace(";", "\u037E")
        found[decomposed] = unicodedata.normalize("NFC", decomposed)
    return {typed: kept for typed, kept in found.items()
            if typed != kept and all(character in CODE_PAGE for character in kept)}


def hexadecimal(text):
    return " ".join(f"{ord(character):04X}" for character in text)


if __name__ == "__main__":
    for typed, kept in sorted(cases().items()):
        print(f"{typed}\t{kept}\t{hexadecimal(typed)}")
