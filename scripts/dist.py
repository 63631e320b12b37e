#!/usr/bin/env python3
"""Writes the release archive DIST/Kirunner-<version>.zip: the program, the operator's guide as a
text file for Notepad, and the licence. The version comes from the program's own version
resource, as the about box reads it. Same inputs give the same bytes: fixed member order, fixed
time stamps and attributes.

Usage: dist.py PROGRAM.exe GUIDE.md LICENSE DIST
"""
import os
import re
import struct
import sys
import zipfile

sys.dont_write_bytecode = True  # no compiled copies in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import peinfo  # noqa: E402

PROGRAM_NAME = "Kirunner.exe"
GUIDE_NAME = "guide-ja.txt"
LICENSE_NAME = "LICENSE.txt"
MEMBER_NAMES = [PROGRAM_NAME, GUIDE_NAME, LICENSE_NAME]
ARCHIVE_PATTERN = re.compile(r"^Kirunner-(.+)\.zip$")
# Every member carries this time, whenever and wherever the archive is made.
FIXED_TIME = (2026, 1, 1, 0, 0, 0)

_IMAGE_LINE = re.compile(r"^\s*!\[[^\]]*\]\([^)]*\)\s*$")
_COMMENT = re.compile(r"<!--.*?-->\s*\n?", re.S)


def version_name(program_bytes):
    """The product version of the program's version resource in a form fit for a file name:
    its numbers joined by dots ("1, 0, 1, 115" gives "1.0.1.115")."""
    try:
        pe = peinfo.PeFile(program_bytes)
        data = pe.resource(peinfo.RT_VERSION)
        if data is None:
            raise SystemExit("dist: the program has no version resource")
        text = peinfo.product_version(peinfo.version_info(data))
    except (peinfo.PeError, struct.error, IndexError, ValueError) as error:
        raise SystemExit("dist: the program's version resource cannot be read: %s" % error)
    parts = re.findall(r"[0-9A-Za-z]+", text or "")
    if not parts:
        raise SystemExit("dist: the program's version resource holds no product version")
    return ".".join(parts)


def windows_text(text):
    """UTF-8 with a byte-order mark and CRLF line ends: what every Notepad since Windows XP
    opens correctly, whatever the system's code page."""
    text = text.replace("\r\n", "\n")
    if not text.endswith("\n"):
        text += "\n"
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def guide_text(markdown):
    """The guide for Notepad: the Markdown as written, without pictures and comments."""
    text = _COMMENT.sub("", markdown.replace("\r\n", "\n"))
    lines = [line for line in text.split("\n") if not _IMAGE_LINE.match(line)]
    text = re.sub(r"\n{3,}", "\n\n", "\n".join(lines)).strip("\n")
    return windows_text(text)


def members(program_bytes, guide_markdown, license_text):
    return [
        (PROGRAM_NAME, program_bytes),
        (GUIDE_NAME, guide_text(guide_markdown)),
        (LICENSE_NAME, windows_text(license_text)),
    ]


def write_archive(named_members, path):
    """Writes the members, in the order given, to a zip file at path."""
    with zipfile.ZipFile(path, "w") as archive:
        for name, data in named_members:
            info = zipfile.ZipInfo(name, FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS attributes, the same on every build machine
            info.external_attr = 0
            archive.writestr(info, data, compresslevel=9)


def read_text(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def main(argv):
    if len(argv) != 5:
        raise SystemExit(__doc__)
    program, guide, license_file, dist = argv[1:]
    with open(program, "rb") as f:
        program_bytes = f.read()
    name = "Kirunner-%s.zip" % version_name(program_bytes)
    os.makedirs(dist, exist_ok=True)
    # One archive in the folder: one of an earlier version would only mislead.
    for old in os.listdir(dist):
        if ARCHIVE_PATTERN.match(old):
            os.remove(os.path.join(dist, old))
    target = os.path.join(dist, name)
    write_archive(members(program_bytes, read_text(guide), read_text(license_file)), target + ".tmp")
    os.replace(target + ".tmp", target)
    print(target)


if __name__ == "__main__":
    main(sys.argv)
