#!/usr/bin/python3
"""Makes the serif the page carries for where Times New Roman is missing: Liberation Serif,
which has Times New Roman's metrics, cut to the letters Latin and Bulgarian text use.
The font's licence reserves its name to the unmodified font, so the subset has a name
of its own. Its hinting goes: the systems that lack Times New Roman (phones, Chromebooks,
Linux, Macs) hint or smooth fonts themselves.
usage: serif_subset.py SOURCE.ttf OUTPUT.woff2"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Veltaro Serif"
# Basic Latin, Latin-1, Cyrillic; dashes, quotation marks, the ellipsis and the numero sign.
UNICODES = [*range(0x20, 0x7F), *range(0xA0, 0x100), *range(0x400, 0x460), 0x2013, 0x2014,
            *range(0x2018, 0x201F), 0x2026, 0x2116]
COPYRIGHT, LICENCE, LICENCE_URL = 0, 13, 14
NAMES = {1: FAMILY, 2: "Regular", 3: f"{FAMILY} Regular", 4: FAMILY, 6: "VeltaroSerif"}


def main(source, output):
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False
    options.name_IDs = [COPYRIGHT, LICENCE, LICENCE_URL]
    options.drop_tables += ["FFTM"]  # the font editor's time stamps
    # The same source gives the same bytes: no time stamp of the build goes in.
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=UNICODES)
    subsetter.subset(font)
    for name_id, text in NAMES.items():
        font["name"].setName(text, name_id, 3, 1, 0x409)
    subset.save_font(font, output, options)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
