#!/usr/bin/env python3
"""Writes the calculator's English table from translations/orbitek_en.ts, at build time.

    make-translation-table.py TS OUTPUT CONTEXT...

OUTPUT is C++ to be included by cli/Language.cpp: every finished translation as offsets into one
string, sorted by context, then source, byte by byte (as strcmp orders them), so that the calculator
finds a text by binary search and its start-up has no relocation to do for the table. The CONTEXTs are
those of the code without Qt: their texts that have no English yet are listed apart, for the test that
fails on them. Standard library only: the build needs nothing beyond python3.
"""
import sys
import xml.etree.ElementTree as ET


def literal(text):
    """A C++ string literal of `text` (UTF-8); octal escapes end after three digits."""
    out = []
    for ch in text:
        if ch in ('"', "\\"):
            out.append("\\" + ch)
        elif ord(ch) < 0x20 or ch in ("\x7f", "?"):  # '?' too: no trigraph can form
            out.append("\\%03o" % ord(ch))
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    ts, output, own = sys.argv[1], sys.argv[2], set(sys.argv[3:])
    finished, unfinished = {}, []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            if message.get("numerus") == "yes":
                continue
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                continue
            text = translation.text if translation is not None else None
            if kind == "unfinished" or not text:
                if name in own:
                    unfinished.append(name + ": " + source)
                continue
            finished.setdefault((name.encode("utf-8"), source.encode("utf-8")), text)

    # One string of NUL-ended texts; equal texts are stored once.
    blob, offsets = [], {}
    size = 0

    def offset(text):
        nonlocal size
        if text not in offsets:
            offsets[text] = size
            blob.append(text)
            size += len(text.encode("utf-8")) + 1
        return offsets[text]

    rows = []
    for (context, source), text in sorted(finished.items()):
        rows.append((offset(context.decode("utf-8")), offset(source.decode("utf-8")), offset(text)))

    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("// Written by scripts/make-translation-table.py from orbitek_en.ts; do not edit.\n")
        f.write("constexpr char TableTexts[] =\n")
        for text in blob or [""]:
            f.write("    " + literal(text) + ' "\\0"\n')
        f.write("    ;\n")
        f.write("constexpr TableEntry TableEntries[] = {\n")
        for row in rows or [(0, 0, 0)]:
            f.write("    {%d, %d, %d},\n" % row)
        f.write("};\n")
        f.write("constexpr std::size_t TableEntryCount = %d;\n" % len(rows))
        f.write("constexpr const char* TableUnfinished[] = {\n")
        for line in unfinished:
            f.write("    " + literal(line) + ",\n")
        f.write("    nullptr,\n};\n")


if __name__ == "__main__":
    main()
