"""Writes the Latin regular, bold and italic faces of self-hosting web-font packages into a fonts folder as
TrueType files named for the family the web-font service serves. The packages' files are cut from variable
fonts: several carry the name of their thinnest instance ("Bitter Thin") instead of the family's, and the
faces of one family may name different foundries.

Usage: web-font-files.py FONTS_FOLDER PACKAGE_FOLDER...; files already written are kept."""

import json
import pathlib
import sys

from fontTools.ttLib import TTFont

FACES = ("400-normal", "400-italic", "700-normal", "700-italic")
FAMILY_NAME_IDS = (1, 16)  # the family and the typographic family

fonts = pathlib.Path(sys.argv[1])
for package in map(pathlib.Path, sys.argv[2:]):
    family = json.loads((package / "metadata.json").read_text())["family"]
    for face in FACES:
        for source in package.glob(f"files/*-latin-{face}.woff2"):
            target = fonts / (source.stem + ".ttf")
            if target.exists():
                continue
            font = TTFont(source)
            font.flavor = None
            for record in font["name"].names:
                if record.nameID in FAMILY_NAME_IDS:
                    record.string = family
            # One foundry for every face, so that font databases list the family once.
            font["OS/2"].achVendID = "    "
            font.save(target)
