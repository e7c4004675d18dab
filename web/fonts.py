#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's fonts: the desktop's faces subset to WOFF2, with their licences.

Each face keeps the characters the game shows (every character of its sources) and those of
the Latin scripts a player may type; the system's fonts stand in for anything else. A subset
is a modified font: where the licence reserves the face's name, the subset takes a name of
the game's own, inside the font as in the page's style sheet.
"""
import argparse
import pathlib
import shutil
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = pathlib.Path(__file__).resolve().parent.parent

# (Debian package, installed file, file in the site, family in the site or None to keep it)
FACES = [
    ("fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
     "BrivazonSans-Regular", "Brivazon Sans"),
    ("fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
     "BrivazonSans-Bold", "Brivazon Sans"),
    ("fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf",
     "BrivazonSans-BoldItalic", "Brivazon Sans"),
    ("fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
     "BrivazonSerif-Regular", "Brivazon Serif"),
    ("fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
     "BrivazonSerif-Bold", "Brivazon Serif"),
    ("fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf",
     "BrivazonSerif-Italic", "Brivazon Serif"),
    ("fonts-liberation2", "/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf",
     "BrivazonSerif-BoldItalic", "Brivazon Serif"),
    ("fonts-comic-neue", "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
     "ComicNeue-Regular", None),
    ("fonts-dancingscript", "/usr/share/fonts/opentype/dancingscript/DancingScript-Regular.otf",
     "BrivazonScript-Regular", "Brivazon Script"),
    ("fonts-texgyre",
     "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrechorus-mediumitalic.otf",
     "BrivazonChorus-MediumItalic", "Brivazon Chorus"),
    ("fonts-dejavu-core", "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
     "DejaVuSerif-Bold", None),
]

# Latin letters with their accents, punctuation, the euro.
RANGES = [(0x20, 0x7E), (0xA0, 0x24F), (0x2010, 0x2027), (0x2030, 0x203A), (0x20AC, 0x20AC)]
GAME_SOURCES = ["content", "game", "judging", "players"]


def characters():
    chars = {c for lo, hi in RANGES for c in range(lo, hi + 1)}
    for folder in GAME_SOURCES:
        for path in sorted((SOURCE / folder).glob("*.cpp")):
            chars.update(ord(c) for c in path.read_text(encoding="utf-8") if ord(c) > 0x7E)
    return sorted(chars)


def rename(font, family):
    """Gives the subset the game's own name wherever the font names itself."""
    name = font["name"]
    style = name.getDebugName(2) or "Regular"
    full = f"{family} {style}" if style != "Regular" else family
    postscript = family.replace(" ", "") + "-" + style.replace(" ", "")
    for record in list(name.names):
        if record.nameID in (1, 16):
            name.setName(family, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID in (4,):
            name.setName(full, 4, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 6:
            name.setName(postscript, 6, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 3:
            name.setName(postscript + " (subset for Brivazon)", 3, record.platformID,
                         record.platEncID, record.langID)
        elif record.nameID in (17,) and style:
            name.setName(style, 17, record.platformID, record.platEncID, record.langID)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FullName = full
        top.FamilyName = family


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", required=True, type=pathlib.Path)
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga", "ccmp", "locl", "mark", "mkmk"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = False
    options.desubroutinize = True
    options.drop_tables += ["FFTM"]
    unicodes = characters()
    missing = [f"{package} ({path})" for package, path, _, _ in FACES
               if not pathlib.Path(path).exists()]
    if missing:
        sys.exit("Missing fonts: install " + ", ".join(missing))
    packages = []
    for package, path, out_name, family in FACES:
        font = TTFont(path)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=unicodes)
        subsetter.subset(font)
        if family:
            rename(font, family)
        font.flavor = "woff2"
        font.save(args.out / f"{out_name}.woff2")
        if package not in packages:
            packages.append(package)
    licences = args.out / "LICENSES"
    licences.mkdir(exist_ok=True)
    lines = ["The page's fonts are subsets of these faces, under these licences. Where a",
             "licence reserves a face's name, the subset carries a name of the game's own:",
             ""]
    for package, path, out_name, family in FACES:
        lines.append(f"  {out_name}.woff2: from {pathlib.Path(path).name} ({package}),"
                     f" licence in LICENSES/{package}.txt")
    (args.out / "README.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")
    for package in packages:
        shutil.copyfile(f"/usr/share/doc/{package}/copyright", licences / f"{package}.txt")


if __name__ == "__main__":
    main()
