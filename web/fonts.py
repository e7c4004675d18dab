#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's fonts: the desktop's faces subset to WOFF2, with their licences.

Each face keeps the characters the game shows (every text the scenario runner prints with
--texts) and those of the Latin scripts a player may type; the system's fonts stand in for
anything else. A subset is a modified font: where the licence reserves the face's name, the
subset takes a name of the game's own, inside the font as in the page's style sheet.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = pathlib.Path(__file__).resolve().parent.parent

FACES_DEF = SOURCE / "ui" / "faces.def"
ROW = re.compile(r'^FACE\((.*)\)\s*$')
STRING = re.compile(r'"([^"]*)"')


def faces():
    """The FACE rows of the one list of the game's faces: (package, installed file, family,
    file in the site, family in the site, CSS weight, CSS style)."""
    rows = []
    for line in FACES_DEF.read_text(encoding="utf-8").splitlines():
        match = ROW.match(line)
        if match:
            rows.append(tuple(STRING.findall(match.group(1))))
    return rows


# Latin letters with their accents, punctuation, the euro.
RANGES = [(0x20, 0x7E), (0xA0, 0x24F), (0x2010, 0x2027), (0x2030, 0x203A), (0x20AC, 0x20AC)]


def characters(runner):
    """The ranges' characters and those of every text the game can show, as the runner built
    with it prints them: the game's own list, wherever in its sources a text is written."""
    texts = subprocess.run([*runner, "--texts"], check=True, capture_output=True).stdout
    chars = {c for lo, hi in RANGES for c in range(lo, hi + 1)}
    chars.update(ord(c) for c in texts.decode("utf-8") if ord(c) >= 0x20)
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
    parser.add_argument("--runner", required=True, nargs="+",
                        help="the scenario runner, as a command (node brivazon-sim.js)")
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
    unicodes = characters(args.runner)
    rows = faces()
    missing = [f"{row[0]} ({row[1]})" for row in rows if not pathlib.Path(row[1]).exists()]
    if missing:
        sys.exit("Missing fonts: install " + ", ".join(missing))
    packages = []
    css = []
    for package, path, family, out_name, site_family, weight, style in rows:
        font = TTFont(path)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=unicodes)
        subsetter.subset(font)
        if site_family != family:
            rename(font, site_family)
        font.flavor = "woff2"
        font.save(args.out / f"{out_name}.woff2")
        css.append(f'@font-face {{ font-family: "{site_family}"; src: url(fonts/{out_name}.woff2)'
                   f' format("woff2"); font-weight: {weight}; font-style: {style}; }}')
        if package not in packages:
            packages.append(package)
    (args.out / "faces.css").write_text(
        "/* The game's faces, subset for the page (written by web/fonts.py). */\n"
        + "\n".join(css) + "\n", encoding="utf-8")
    licences = args.out / "LICENSES"
    licences.mkdir(exist_ok=True)
    lines = ["The page's fonts are subsets of these faces, under these licences. Where a",
             "licence reserves a face's name, the subset carries a name of the game's own:",
             ""]
    for package, path, _, out_name, _, _, _ in rows:
        lines.append(f"  {out_name}.woff2: from {pathlib.Path(path).name} ({package}),"
                     f" licence in LICENSES/{package}.txt")
    (args.out / "README.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")
    for package in packages:
        shutil.copyfile(f"/usr/share/doc/{package}/copyright", licences / f"{package}.txt")


if __name__ == "__main__":
    main()
