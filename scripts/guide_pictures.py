#!/usr/bin/env python3
"""The pictures of the operator's guide (docs/ja/images) and what each one shows: the dialog
templates of res/Kirunner.rc, or the program's messages, it was taken of. When a picture is
taken (scripts/guide-screenshots.sh), a stamp of what it shows is written into it (a PNG text
chunk); the guide's check (check_guide_texts.py) stamps the sources again and fails on a
picture whose stamp differs: it was taken of an older dialog. The stamp lives in the picture's
bytes, so the check works wherever the files came from, whatever their dates.

Usage: guide_pictures.py stamp SOURCE PICTURE...   (writes the stamp into each picture)
       guide_pictures.py check SOURCE              (prints what is stale; status 1 when any is)
"""
import hashlib
import os
import re
import struct
import sys
import zlib

IMAGES = os.path.join("docs", "ja", "images")
# What each picture shows: dialog templates (IDD_...) and message constants (k...) of the
# program's sources. Pictures of the strip over the desktop show no dialog: an empty list.
PICTURES = {
    "main.png": ["IDD_KIRUNNER_DIALOG", "IDD_CONTROL_PAGE"],
    "display-off.png": ["IDD_KIRUNNER_DIALOG", "IDD_CONTROL_PAGE"],
    "caption-text.png": ["IDD_CAPTION_TEXT"],
    "air-window.png": ["IDD_AIR_WINDOW"],
    "appearance.png": ["IDD_APPEARANCE"],
    "appearance-key-colour.png": ["IDD_APPEARANCE"],
    "rgb.png": ["IDD_RGB_SELECT"],
    "file-interface.png": ["IDD_FILE_INTERFACE"],
    "about.png": ["IDD_ABOUTBOX"],
    "delete-confirm.png": ["kConfirmDelete"],
    "save-failed.png": ["kSaveFailed"],
    "sources-news.png": ["IDD_SOURCES"],
    "sources-alerts.png": ["IDD_SOURCES"],
    "sources-page.png": ["IDD_KIRUNNER_DIALOG", "IDD_CONTROL_PAGE"],
    "csv-import.png": ["kCsvAddOrReplace"],
    "strip.png": [],
    "strip-scripts.png": [],
    "strip-lanes.png": [],
}
KEYWORD = b"Kirunner-shows"
PROGRAM_FOLDERS = ["app", "model", "display", "control", "panel", "fileif", "framework", "surfaces"]
CONSTANT = re.compile(r'(?:const|constexpr) char (k\w+)\[\] =\s*"((?:[^"\\]|\\.)*)";')
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def template(source, name):
    """A dialog template's lines, from its DIALOGEX line to its END, blanks squeezed."""
    rc = read(os.path.join(source, "res", "Kirunner.rc"))
    found = re.search(r"^%s\s+DIALOGEX\b.*?^END\b" % re.escape(name), rc, re.M | re.S)
    if not found:
        raise SystemExit("guide_pictures: no template %s in res/Kirunner.rc" % name)
    return " ".join(found.group(0).split())


def constant(source, name):
    for folder in PROGRAM_FOLDERS:
        for file in sorted(os.listdir(os.path.join(source, folder))):
            if file.endswith((".cpp", ".h")):
                for found, text in CONSTANT.findall(read(os.path.join(source, folder, file))):
                    if found == name:
                        return text
    raise SystemExit("guide_pictures: no constant %s in the program's sources" % name)


def stamp(source, picture):
    """The stamp of what the picture shows now; None for a picture of no dialog."""
    shown = PICTURES[picture]
    if not shown:
        return None
    digest = hashlib.sha256()
    for name in shown:
        digest.update((name + "\n" + (template(source, name) if name.startswith("IDD_") else
                                      constant(source, name)) + "\n").encode("utf-8"))
    return "sha256:" + digest.hexdigest()


def chunks(data):
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError("not a PNG file")
    at = len(PNG_SIGNATURE)
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        yield at, kind, data[at + 8:at + 8 + length], at + 12 + length
        at += 12 + length


def stamp_in(path):
    """The stamp written into the picture; None when it has none."""
    with open(path, "rb") as f:
        data = f.read()
    for _, kind, body, _ in chunks(data):
        if kind == b"tEXt" and body.startswith(KEYWORD + b"\0"):
            return body[len(KEYWORD) + 1:].decode("latin-1")
    return None


def write_stamp(path, value):
    """Writes the stamp as a text chunk before the image data, replacing an earlier one."""
    with open(path, "rb") as f:
        data = f.read()
    body = KEYWORD + b"\0" + value.encode("latin-1")
    chunk = struct.pack(">I", len(body)) + b"tEXt" + body + struct.pack(">I", zlib.crc32(b"tEXt" + body))
    out = bytearray(PNG_SIGNATURE)
    placed = False
    for start, kind, body_, end in chunks(data):
        if kind == b"tEXt" and body_.startswith(KEYWORD + b"\0"):
            continue
        if kind == b"IDAT" and not placed:
            out += chunk
            placed = True
        out += data[start:end]
    with open(path, "wb") as f:
        f.write(bytes(out))


def stale(source):
    """One line for each guide picture that is missing, unknown or taken of an older dialog."""
    problems = []
    folder = os.path.join(source, IMAGES)
    guide = read(os.path.join(source, "docs", "ja", "guide.md"))
    named = sorted(set(re.findall(r"\]\(images/([^)]+)\)", guide)) | {
        f for f in os.listdir(folder) if f.endswith(".png")})
    for picture in named:
        path = os.path.join(folder, picture)
        if picture not in PICTURES:
            problems.append("%s: not in scripts/guide_pictures.py's table of what each picture shows" % picture)
        elif not os.path.exists(path):
            problems.append("%s: the guide shows it, but there is no such picture" % picture)
        else:
            wanted = stamp(source, picture)
            found = stamp_in(path)
            if wanted is not None and found != wanted:
                problems.append("%s: %s %s; take the pictures again (make screenshots)"
                                % (picture, "taken of an older" if found else "carries no stamp of",
                                   " and ".join(PICTURES[picture])))
    return problems


def main(argv):
    if len(argv) >= 3 and argv[1] == "stamp":
        for path in argv[3:]:
            name = os.path.basename(path)
            if name not in PICTURES:
                print("guide_pictures: %s is not in the table of what each picture shows" % name)
                continue
            value = stamp(argv[2], name)
            if value:
                write_stamp(path, value)
        return 0
    if len(argv) == 3 and argv[1] == "check":
        problems = stale(argv[2])
        for line in problems:
            print("FAIL  " + line)
        return 1 if problems else 0
    raise SystemExit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
