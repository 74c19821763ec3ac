#!/usr/bin/python3
"""Cuts the program's start-up font out of the system's Noto Sans CJK SC.

    subset_startup_font.py OUT_DIR FONT_FILE... -- TEXT_FILE...

Keeps, from the face named "Noto Sans CJK SC" in each FONT_FILE (a collection), only the
glyphs of the characters in the TEXT_FILEs and printable ASCII, and renames the family
"Ferrova Start Sans". Outlines, hints, metrics and layout tables of the kept glyphs stay as
they are, so the texts look the same; but laying them out touches a few hundred kilobytes
instead of megabytes of the 20 MB collections. Writes OUT_DIR/start-<style>.otf.
"""
import sys
from pathlib import Path

from fontTools.subset import Options, Subsetter
from fontTools.ttLib import TTCollection

SOURCE_FAMILY = "Noto Sans CJK SC"
STARTUP_FAMILY = "Ferrova Start Sans"


def family(font):
    for name_id in (16, 1):
        name = font["name"].getDebugName(name_id)
        if name:
            return name
    return None


def source_face(path):
    for font in TTCollection(path, lazy=True):
        if family(font) == SOURCE_FAMILY:
            return font
    sys.exit(f"{path}: no face named {SOURCE_FAMILY!r}")


def rename(font):
    style = font["name"].getDebugName(2) or "Regular"
    postscript = f"{STARTUP_FAMILY.replace(' ', '')}-{style}"
    # Family, typographic family, full name, unique name, PostScript name.
    names = {1: STARTUP_FAMILY, 16: STARTUP_FAMILY, 4: f"{STARTUP_FAMILY} {style}", 3: postscript,
             6: postscript}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    if "CFF " in font:
        font["CFF "].cff.fontNames = [postscript]
    return style


def main(argv):
    if "--" not in argv[2:]:
        sys.exit(__doc__)
    split = argv.index("--")
    out_dir, fonts, texts = Path(argv[1]), argv[2:split], argv[split + 1:]
    text = "".join(chr(c) for c in range(0x20, 0x7F))
    for path in texts:
        text += Path(path).read_text(encoding="utf-8")
    text = "".join(sorted(set(c for c in text if c.isprintable())))

    options = Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    for path in fonts:
        font = source_face(path)
        subsetter = Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        style = rename(font)
        font.recalcTimestamp = False  # the source font's date: the same build, the same bytes
        font.save(out_dir / f"start-{style.lower()}.otf")


if __name__ == "__main__":
    main(sys.argv)
