#!/usr/bin/env python3
"""Checks the release archive that `make dist` wrote into SOURCE/dist: its members and their
names, the program (32-bit GUI program, version resource and manifest as the sources give them,
nothing imported but Windows' own DLLs), the guide and licence as Notepad text, and that writing
the same members again gives the same bytes. Looks only at files: the program is not run.

Usage: check_dist.py SOURCE      exit status 0 passed, 1 failed, 77 no archive (skipped)
"""
import io
import os
import re
import struct
import sys
import tempfile
import xml.etree.ElementTree as ET
import zipfile

sys.dont_write_bytecode = True  # no compiled copies in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dist  # noqa: E402
import peinfo  # noqa: E402

# DLLs that every Windows the program is made for has in its system folder. The MinGW runtime
# (libgcc_s_*.dll, libstdc++-6.dll, libwinpthread-1.dll) is not among them, nor are the
# "api-ms-win-crt-*" sets of the universal C runtime, which older systems lack.
SYSTEM_DLLS = {
    "advapi32.dll", "bcrypt.dll", "comctl32.dll", "comdlg32.dll", "dwmapi.dll", "gdi32.dll", "imm32.dll",
    "iphlpapi.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "psapi.dll", "shell32.dll",
    "shlwapi.dll", "user32.dll", "usp10.dll", "uxtheme.dll", "version.dll", "winmm.dll", "ws2_32.dll",
    "winhttp.dll", "xmllite.dll",
}
IMAGE_FILE_EXECUTABLE_IMAGE = 0x0002
IMAGE_FILE_32BIT_MACHINE = 0x0100


class Checks:
    def __init__(self):
        self.failed = 0

    def expect(self, ok, what, detail=""):
        print("%s  %s%s" % ("ok  " if ok else "FAIL", what, (": " + detail) if detail else ""))
        if not ok:
            self.failed += 1
        return ok


def rc_version_block(rc_text):
    """The version resource as res/Kirunner.rc writes it."""
    def numbers(keyword):
        found = re.search(r"^\s*%s\s+([\d\s,]+)$" % keyword, rc_text, re.M)
        return tuple(int(n) for n in found.group(1).split(",")) if found else None
    block = re.search(r'BLOCK\s+"StringFileInfo".*?BLOCK\s+"([0-9A-Fa-f]{8})"(.*?)\bEND\b', rc_text, re.S)
    strings = dict(re.findall(r'VALUE\s+"([^"]+)",\s*"([^"]*)"', block.group(2))) if block else {}
    translation = re.search(r'VALUE\s+"Translation",\s*(\w+),\s*(\w+)', rc_text)
    return {
        "fixed": (numbers("FILEVERSION"), numbers("PRODUCTVERSION")),
        "table": block.group(1).lower() if block else None,
        "strings": strings,
        "translations": [tuple(int(v, 0) for v in translation.groups())] if translation else [],
    }


def local(tag):
    return tag.rsplit("}", 1)[-1]


def elements(root, name):
    return [e for e in root.iter() if local(e.tag) == name]


def check_manifest(checks, manifest, template):
    expected = template.replace("@MANIFEST_ARCH@", "x86")
    checks.expect(manifest == expected.encode("utf-8"), "manifest is res/Kirunner.manifest.in for x86")
    try:
        root = ET.fromstring(manifest)
    except ET.ParseError as error:
        checks.expect(False, "manifest is well-formed XML", str(error))
        return
    controls = [e.attrib for e in elements(root, "assemblyIdentity")
                if e.attrib.get("name") == "Microsoft.Windows.Common-Controls"]
    checks.expect(any(a.get("version") == "6.0.0.0" and a.get("processorArchitecture") in ("x86", "*")
                      for a in controls), "manifest asks for common controls 6.0.0.0 (x86)", str(controls))
    levels = [e.attrib for e in elements(root, "requestedExecutionLevel")]
    checks.expect(levels == [{"level": "asInvoker", "uiAccess": "false"}],
                  "manifest runs as invoker without UI access", str(levels))
    # Whatever DPI awareness the sources declare, the program carries the same.
    template_root = ET.fromstring(expected.encode("utf-8"))
    for name in ("dpiAware", "dpiAwareness"):
        want = [(e.text or "").strip() for e in elements(template_root, name)]
        have = [(e.text or "").strip() for e in elements(root, name)]
        checks.expect(have == want, "manifest %s as in the sources" % name,
                      ", ".join(have) if have else "not declared")


def check_program(checks, program, source):
    try:
        inspect_program(checks, peinfo.PeFile(program), source)
    except (peinfo.PeError, struct.error, IndexError, ValueError) as error:
        checks.expect(False, "Kirunner.exe can be read as a PE program", str(error))


def inspect_program(checks, pe, source):
    checks.expect(pe.machine == peinfo.MACHINE_I386 and pe.magic == 0x10B,
                  "Kirunner.exe is a 32-bit (i386, PE32) program",
                  "machine 0x%04x, optional header 0x%03x" % (pe.machine, pe.magic))
    checks.expect(pe.characteristics & IMAGE_FILE_EXECUTABLE_IMAGE and
                  pe.characteristics & IMAGE_FILE_32BIT_MACHINE,
                  "Kirunner.exe is marked as a 32-bit executable", "0x%04x" % pe.characteristics)
    checks.expect(pe.subsystem == peinfo.SUBSYSTEM_WINDOWS_GUI, "Kirunner.exe is a GUI program",
                  "subsystem %d" % pe.subsystem)
    checks.expect(pe.time_stamp == 0, "Kirunner.exe carries no time of building", "0x%08x" % pe.time_stamp)
    debug = [s[0] for s in pe.sections if s[0].startswith(".debug")]
    checks.expect(not debug and pe.symbol_count == 0,
                  "Kirunner.exe is stripped (no symbols, no debug sections)",
                  "%d symbols; %s" % (pe.symbol_count, " ".join(debug)))

    dlls = pe.imported_dlls()
    foreign = [d for d in dlls if d.lower() not in SYSTEM_DLLS]
    checks.expect(dlls and not foreign, "Kirunner.exe imports only Windows' own DLLs",
                  "foreign: " + ", ".join(foreign) if foreign else ", ".join(dlls))

    with open(os.path.join(source, "res", "Kirunner.rc"), encoding="utf-8") as f:
        want = rc_version_block(f.read())
    data = pe.resource(peinfo.RT_VERSION)
    if checks.expect(data is not None, "Kirunner.exe has a version resource"):
        info = peinfo.version_info(data)
        checks.expect(info["fixed"] == want["fixed"], "fixed file and product version as in Kirunner.rc",
                      str(info["fixed"]))
        checks.expect(info["translations"] == want["translations"], "version translation as in Kirunner.rc",
                      str(info["translations"]))
        checks.expect(info["strings"] == {want["table"]: want["strings"]},
                      "version strings as in Kirunner.rc", str(info["strings"]))
        version = peinfo.product_version(info) or ""
        print("      the about box shows: Kirunner Ver.:" + version.replace(",", "-").replace(";", "."))

    manifest = pe.resource(peinfo.RT_MANIFEST, 1)
    if checks.expect(manifest is not None, "Kirunner.exe has manifest resource 1"):
        with open(os.path.join(source, "res", "Kirunner.manifest.in"), encoding="utf-8") as f:
            check_manifest(checks, manifest, f.read())


def check_text_member(checks, name, data, expected):
    checks.expect(data.startswith(b"\xef\xbb\xbf"), name + " starts with the UTF-8 byte-order mark")
    try:
        data.decode("utf-8")
        checks.expect(True, name + " is UTF-8")
    except UnicodeDecodeError as error:
        checks.expect(False, name + " is UTF-8", str(error))
    bare = len(re.findall(rb"(?<!\r)\n", data))
    checks.expect(bare == 0, name + " has CRLF line ends only", "%d bare LF" % bare)
    checks.expect(data == expected, name + " is the current text of the sources",
                  "" if data == expected else "run make dist")


def main(argv):
    if len(argv) != 2:
        raise SystemExit(__doc__)
    source = argv[1]
    folder = os.path.join(source, "dist")
    archives = sorted(n for n in os.listdir(folder) if dist.ARCHIVE_PATTERN.match(n)) \
        if os.path.isdir(folder) else []
    if not archives:
        print("no archive in %s: run make dist" % folder)
        return 77
    checks = Checks()
    if not checks.expect(len(archives) == 1, "one archive in dist/", " ".join(archives)):
        return 1
    path = os.path.join(folder, archives[0])
    print("archive: " + path)
    with open(path, "rb") as f:
        archive = f.read()
    with zipfile.ZipFile(io.BytesIO(archive)) as z:
        infos = z.infolist()
        names = [i.filename for i in infos]
        checks.expect(names == dist.MEMBER_NAMES, "members are " + ", ".join(dist.MEMBER_NAMES),
                      ", ".join(names))
        checks.expect(all(n.isascii() and not i.flag_bits & 0x800 for n, i in zip(names, infos)),
                      "member names are plain ASCII")
        checks.expect(all(i.date_time == dist.FIXED_TIME for i in infos), "members carry the fixed time",
                      str(sorted({i.date_time for i in infos})))
        checks.expect(z.testzip() is None, "every member unpacks with the right CRC")
        content = {n: z.read(n) for n in names}

    program = content.get(dist.PROGRAM_NAME, b"")
    try:
        version = dist.version_name(program)
    except SystemExit as error:
        version = str(error)
    checks.expect(archives[0] == "Kirunner-%s.zip" % version,
                  "archive named after the program's product version", version)
    check_program(checks, program, source)

    with open(os.path.join(source, "docs", "ja", "guide.md"), encoding="utf-8") as f:
        guide = dist.guide_text(f.read())
    with open(os.path.join(source, "LICENSE"), encoding="utf-8") as f:
        license_text = dist.windows_text(f.read())
    check_text_member(checks, dist.GUIDE_NAME, content.get(dist.GUIDE_NAME, b""), guide)
    check_text_member(checks, dist.LICENSE_NAME, content.get(dist.LICENSE_NAME, b""), license_text)

    # Written again from its own members, the archive comes out byte for byte the same.
    with tempfile.TemporaryDirectory() as scratch:
        again = os.path.join(scratch, "again.zip")
        dist.write_archive([(n, content[n]) for n in names], again)
        with open(again, "rb") as f:
            checks.expect(f.read() == archive, "the same members give the same archive bytes")

    print("%d check(s) failed" % checks.failed if checks.failed else "all checks passed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
