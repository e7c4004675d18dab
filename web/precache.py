#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the site's service worker: the worker's code with the site's exact file list, each
file with the hash of its content (as a browser checks it, SHA-256 in base64), and a version
made of them all.

  precache.py --site build/web/site --worker web/service-worker.js --out sw.js
"""
import argparse
import base64
import hashlib
import json
import pathlib
import sys

# The line of the worker's code that the list replaces.
PLACEHOLDER = "const SITE = { version: '', files: {} };"


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--site", required=True, type=pathlib.Path)
    parser.add_argument("--worker", required=True, type=pathlib.Path)
    parser.add_argument("--out", required=True, help="the worker's name in the site")
    args = parser.parse_args()
    files = {}
    for path in sorted(p for p in args.site.rglob("*") if p.is_file()):
        name = path.relative_to(args.site).as_posix()
        if name == args.out:
            continue
        digest = hashlib.sha256(path.read_bytes()).digest()
        files[name] = "sha256-" + base64.b64encode(digest).decode("ascii")
    version = hashlib.sha256(json.dumps(files, sort_keys=True).encode()).hexdigest()[:16]
    code = args.worker.read_text(encoding="utf-8")
    if code.count(PLACEHOLDER) != 1:
        sys.exit(f"{args.worker}: the line '{PLACEHOLDER}' is not there once")
    site = json.dumps({"version": version, "files": files}, indent=2, ensure_ascii=False)
    (args.site / args.out).write_text(code.replace(PLACEHOLDER, f"const SITE = {site};"),
                                      encoding="utf-8")


if __name__ == "__main__":
    main()
