#!/usr/bin/env python3
"""Keeps the operator's guide true to the program's own texts. In the guide (and the Japanese
part of the README) 「」 quote program texts only: every quoted text must be a text of
res/Kirunner.rc or a string of the program's sources, as the operator sees it. The other way
round, every button, check box, radio button and group of the resources and every
message the program shows must be quoted somewhere in the guide.

Every picture of the guide must also show the dialog as it is now (scripts/guide_pictures.py).

Usage: check_guide_texts.py SOURCE
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import guide_pictures  # noqa: E402

PROGRAM_FOLDERS = ["app", "model", "display", "control", "panel", "fileif", "framework", "surfaces", "sources", "show"]
# The web remote's page, which the program serves to a phone: its HTML's texts and its script's
# strings are program texts too.
WEB_PAGE = os.path.join("surfaces", "web")
GUIDE = os.path.join("docs", "ja", "guide.md")
QUOTED = re.compile(r"「([^「」]*)」")
C_STRING = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
# Resource lines whose text the operator must find in the guide: buttons, check boxes, radio
# buttons, groups and strings. (Dialog titles are left out: the main window's is replaced.)
RC_LABELLED = re.compile(
    r'^\s*(?:PUSHBUTTON|DEFPUSHBUTTON|GROUPBOX)\s+"([^"]+)"'
    r'|^\s*CONTROL\s+"([^"]+)",\s*\w+,\s*"Button"'
    r'|^\s*IDS_\w+\s+"([^"]+)"', re.M)
# A function that shows the text it is given: the message box itself, or a helper that hands
# its parameter on to it.
SHOWING_HELPER = re.compile(r"(\w+)\([^()]*const char\* (\w+)\)[^;{]*\{(.*?)\n\}", re.S)
CONSTANT = re.compile(r'(?:const|constexpr) char (k\w+)\[\] =\s*"((?:[^"\\]|\\.)*)";')


def unescape(literal):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t", "r": "\r"}.get(m.group(1), m.group(1)), literal)


def as_shown(text):
    """A resource text as it appears on screen: "&" marks the access key, <a> a link."""
    text = re.sub(r"&(.)", r"\1", text)
    return re.sub(r"</?a>", "", text)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def program_sources(source):
    for folder in PROGRAM_FOLDERS:
        for name in sorted(os.listdir(os.path.join(source, folder))):
            if name.endswith((".cpp", ".h")):
                yield os.path.join(source, folder, name)


def program_texts(source):
    """Every text the program can show: resource strings and the strings of its sources, each
    also split into its lines and "|"-separated parts (file-dialog filters)."""
    texts = set()
    literals = [as_shown(t) for t in C_STRING.findall(read(os.path.join(source, "res", "Kirunner.rc")))]
    for path in program_sources(source):
        literals += [unescape(t) for t in C_STRING.findall(read(path))]
    web = os.path.join(source, WEB_PAGE)
    for name in sorted(os.listdir(web)) if os.path.isdir(web) else []:
        page = read(os.path.join(web, name))
        if name.endswith(".html"):
            literals += [t.strip() for t in re.findall(r">([^<>]+)<", page) if t.strip()]
        elif name.endswith(".js"):
            literals += [unescape(t) for t in C_STRING.findall(page)]
    for literal in literals:
        texts.add(literal)
        texts.update(part for part in re.split(r"[\n|]", literal) if part)
    return texts


def texts_to_quote(source):
    """Labels of the resources and the messages of the sources that the guide must quote."""
    wanted = {as_shown(next(g for g in m.groups() if g))
              for m in RC_LABELLED.finditer(read(os.path.join(source, "res", "Kirunner.rc")))}
    # Constants kept in a header of texts are found by name from any file, where the name is
    # given one text only.
    everywhere = {}
    for path in program_sources(source):
        for name, text in CONSTANT.findall(read(path)):
            everywhere.setdefault(name, set()).add(unescape(text))
    shared = {name: texts.pop() for name, texts in everywhere.items() if len(texts) == 1}
    for path in program_sources(source):
        code = read(path)
        constants = dict(shared)
        constants.update({name: unescape(text) for name, text in CONSTANT.findall(code)})
        showing = ["ShowMessage"] + [helper for helper, parameter, body in SHOWING_HELPER.findall(code)
                                     if re.search(r"ShowMessage\(\s*%s\b" % parameter, body)]
        # Every constant handed to a function that shows a text: a helper may show any of them.
        for arguments in re.findall(r"\b(?:%s)\(([^()]*)\)" % "|".join(showing), code):
            for name in re.findall(r"\b(k\w+)", arguments):
                if name in constants:
                    wanted.add(constants[name].split("\n")[0])
    return wanted


def readme_japanese_part(source):
    """The README up to its second top-level heading, where the developers' part begins."""
    readme = read(os.path.join(source, "README.md"))
    second = readme.find("\n# ", readme.find("# ") + 1)
    return readme if second < 0 else readme[:second]


def main(argv):
    if len(argv) != 2:
        raise SystemExit(__doc__)
    source = argv[1]
    known = program_texts(source)
    guide = read(os.path.join(source, GUIDE))
    failures = 0
    quoted_in_guide = set()
    for where, text in ((GUIDE, guide), ("README.md", readme_japanese_part(source))):
        quotes = QUOTED.findall(text)
        if where == GUIDE:
            quoted_in_guide.update(quotes)
        for quote in sorted(set(quotes)):
            if quote not in known:
                print("FAIL  %s quotes 「%s」, which the program does not show" % (where, quote))
                failures += 1
        print("      %s: %d quoted texts" % (where, len(set(quotes))))
    for text in sorted(texts_to_quote(source) - quoted_in_guide):
        print("FAIL  %s does not mention 「%s」" % (GUIDE, text))
        failures += 1
    for problem in guide_pictures.stale(source):
        print("FAIL  %s" % problem)
        failures += 1
    print("%d problem(s)" % failures if failures else "the guide quotes the program's texts exactly")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
