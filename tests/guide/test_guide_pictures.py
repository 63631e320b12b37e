#!/usr/bin/env python3
"""The guide's picture check against its own faults, on a copy of the sources: freshly stamped
pictures pass whatever their file dates; a changed dialog template or message fails exactly the
pictures that show it; a picture without a stamp, or missing, fails; a stamped picture is still
a valid PNG.

Usage: test_guide_pictures.py SOURCE
"""
import os
import shutil
import struct
import sys
import tempfile
import zlib

SOURCE = os.path.abspath(sys.argv[1]) if len(sys.argv) == 2 else sys.exit(__doc__)
sys.path.insert(0, os.path.join(SOURCE, "scripts"))
import guide_pictures  # noqa: E402

failures = 0


def expect(what, got, wanted):
    global failures
    if got != wanted:
        failures += 1
        print("FAIL  %s:\n        got    %r\n        wanted %r" % (what, got, wanted))
    else:
        print("ok    %s" % what)


def edit(path, old, new):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    assert old in text, (path, old)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text.replace(old, new, 1))


def named(problems):
    return sorted(line.split(":")[0] for line in problems)


def valid_png(path):
    with open(path, "rb") as f:
        data = f.read()
    kinds = []
    for start, kind, body, end in guide_pictures.chunks(data):
        crc = struct.unpack(">I", data[end - 4:end])[0]
        if crc != zlib.crc32(kind + body):
            return False
        kinds.append(kind)
    return kinds[0] == b"IHDR" and kinds[-1] == b"IEND" and b"IDAT" in kinds


with tempfile.TemporaryDirectory() as copy:
    for folder in guide_pictures.PROGRAM_FOLDERS + ["res", "scripts", os.path.join("docs", "ja")]:
        shutil.copytree(os.path.join(SOURCE, folder), os.path.join(copy, folder))
    images = os.path.join(copy, guide_pictures.IMAGES)
    pictures = sorted(os.path.join(images, name) for name in os.listdir(images) if name.endswith(".png"))
    guide_pictures.main(["", "stamp", copy] + pictures)
    # A fresh clone's files are as old as the checkout: dates must not count.
    for path in pictures:
        os.utime(path, (0, 0))
    expect("freshly stamped pictures of any date pass", guide_pictures.stale(copy), [])
    expect("a stamped picture is a valid PNG", all(valid_png(p) for p in pictures), True)

    rc = os.path.join(copy, "res", "Kirunner.rc")
    edit(rc, '"帯の上に表示する"', '"帯の上に表示"')
    expect("a label of the appearance dialog changed", named(guide_pictures.stale(copy)),
           ["appearance-key-colour.png", "appearance.png"])
    guide_pictures.main(["", "stamp", copy] + pictures)
    expect("taken again", guide_pictures.stale(copy), [])

    edit(rc, "IDD_CONTROL_PAGE DIALOGEX 5, 20, 315, 197", "IDD_CONTROL_PAGE DIALOGEX 5, 20, 315, 198")
    edit(os.path.join(copy, "panel", "PageTexts.h"), "選択したデータを削除しますか？", "選択したデータを消しますか？")
    expect("the page's size and a message changed", named(guide_pictures.stale(copy)),
           ["delete-confirm.png", "display-off.png", "main.png", "sources-page.png"])
    guide_pictures.main(["", "stamp", copy] + pictures)

    about = os.path.join(images, "about.png")
    with open(about, "rb") as f:
        data = f.read()
    unstamped = bytearray(guide_pictures.PNG_SIGNATURE)
    for start, kind, body, end in guide_pictures.chunks(data):
        if not (kind == b"tEXt" and body.startswith(guide_pictures.KEYWORD)):
            unstamped += data[start:end]
    with open(about, "wb") as f:
        f.write(bytes(unstamped))
    os.remove(os.path.join(images, "rgb.png"))
    problems = guide_pictures.stale(copy)
    expect("a picture without a stamp and a missing one", named(problems), ["about.png", "rgb.png"])
    expect("the one without a stamp is told so", any("carries no stamp" in p for p in problems), True)

print("%d failure(s)" % failures if failures else "the picture check catches what it must")
sys.exit(1 if failures else 0)
