#!/usr/bin/python3
"""Makes the fonts the window is drawn in into fonts of the program's own, at build time.

    bundle_fonts.py OUTPUT_FOLDER SOURCE=FAMILY ...

Each SOURCE font file (Debian's fonts-ebgaramond and fonts-liberation2) is written into the
output folder under the family name FAMILY ("Velmora Sans"), cut down to the scripts and signs
the program writes: a font of the system that has the same name as the original (an "EB Garamond"
whose bold face lacks Cyrillic) can then never stand in for it, on any platform. The glyphs' shapes,
metrics, hinting and kerning stay as they are.
"""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Latin with its accents, Greek (ω, ν, φ, π), Cyrillic, general punctuation (dashes, quotes,
# ellipsis), super- and subscripts, letter-like signs, arrows and mathematical signs (√, −, ×).
UNICODES = (
    list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)) + list(range(0x370, 0x400)) +
    list(range(0x400, 0x530)) + list(range(0x2000, 0x2070)) + list(range(0x2070, 0x20A0)) +
    list(range(0x2100, 0x2150)) + list(range(0x2190, 0x2200)) + list(range(0x2200, 0x2300))
)

# The name records that carry the family: family, style, unique id, full name, PostScript name,
# typographic family and style, and the older and newer full names of Macintosh and of weight,
# width and slope families, all of which name the original somewhere.
FAMILY, SUBFAMILY, UNIQUE, FULL, POSTSCRIPT, TYPO_FAMILY, TYPO_SUBFAMILY = 1, 2, 3, 4, 6, 16, 17
MAC_FULL, WWS_FAMILY, WWS_SUBFAMILY = 18, 21, 22


def style_of(font):
    """The face's style among the four of a family: Regular, Bold, Italic or Bold Italic."""
    record = font["name"].getName(SUBFAMILY, 3, 1, 0x409)
    return record.toUnicode() if record else font["name"].getDebugName(SUBFAMILY) or "Regular"


def rename(font, family):
    style = style_of(font)
    # Within the family each style has its own four-face style name: Regular, Bold, Italic or
    # Bold Italic, as the toolkit looks the faces up.
    names = {
        FAMILY: family,
        SUBFAMILY: style,
        UNIQUE: f"{family} {style}",
        FULL: f"{family} {style}",
        POSTSCRIPT: f"{family}-{style}".replace(" ", ""),
        TYPO_FAMILY: family,
        TYPO_SUBFAMILY: style,
    }
    table = font["name"]
    gone = set(names) | {MAC_FULL, WWS_FAMILY, WWS_SUBFAMILY}
    table.names = [n for n in table.names if n.nameID not in gone]
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)  # Windows, Unicode, English
        table.setName(text, name_id, 1, 0, 0)  # Macintosh, Roman, English
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [names[POSTSCRIPT]]
        top = cff.topDictIndex[0]
        top.FamilyName = family
        top.FullName = names[FULL]


def main(argv):
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = True
    options.drop_tables += ["FFTM"]  # FontForge's time stamps
    for pair in argv[2:]:
        source, family = pair.split("=", 1)
        font = TTFont(source)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=UNICODES)
        subsetter.subset(font)
        rename(font, family)
        name = family.replace(" ", "") + "-" + style_of(font).replace(" ", "")
        font.save(os.path.join(out, name + os.path.splitext(source)[1]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
