#!/usr/bin/env python3
"""The release archive check finds each fault a broken archive can have. Starting from the
members of the archive that `make dist` wrote (skipped while there is none), it writes archives
with one fault each and expects check_dist.py to fail them with the matching check, and the
archive written again unchanged to pass.

Usage: test_check_dist.py SOURCE      exit status 0 passed, 1 failed, 77 no archive (skipped)
"""
import contextlib
import io
import os
import sys
import tempfile
import zipfile

SOURCE = os.path.abspath(sys.argv[1]) if len(sys.argv) == 2 else sys.exit(__doc__)
sys.dont_write_bytecode = True  # no compiled copies in the source tree
sys.path.insert(0, os.path.join(SOURCE, "scripts"))
import check_dist  # noqa: E402
import dist  # noqa: E402


def patched(data, old, new, count=-1):
    assert len(old) == len(new) and old in data, old
    return data.replace(old, new, count)


def utf16(text):
    return text.encode("utf-16-le")


def with_member(members, name, data):
    return [(n, data if n == name else d) for n, d in members]


def pe_header(program):
    return int.from_bytes(program[0x3C:0x40], "little")


def set_u16(program, at, value):
    return program[:at] + value.to_bytes(2, "little") + program[at + 2:]


def set_u32(program, at, value):
    return program[:at] + value.to_bytes(4, "little") + program[at + 4:]


def with_symbols(program, count):
    """The program as if `count` symbols stood before its string table (section names stay)."""
    pe = pe_header(program)
    table = int.from_bytes(program[pe + 12:pe + 16], "little")
    assert table > 18 * count, "the program has no string table to put symbols before"
    return set_u32(set_u32(program, pe + 12, table - 18 * count), pe + 16, count)


def faults(members):
    """(what is wrong, members, the check that must fail)."""
    program = dict(members)[dist.PROGRAM_NAME]
    guide = dict(members)[dist.GUIDE_NAME]
    pe = pe_header(program)

    def exe(data):
        return with_member(members, dist.PROGRAM_NAME, data)

    def text(data):
        return with_member(members, dist.GUIDE_NAME, data)

    return [
        ("a cut-off program", exe(program[:4096]),
         "Kirunner.exe can be read as a PE program"),
        ("a 64-bit machine", exe(set_u16(program, pe + 4, 0x8664)),
         "is a 32-bit (i386, PE32) program"),
        ("a console program", exe(set_u16(program, pe + 24 + 68, 3)),
         "is a GUI program"),
        ("the time of linking inside", exe(set_u32(program, pe + 8, 0x69368C76)),
         "carries no time of building"),
        ("a symbol table left in", exe(with_symbols(program, 12)),
         "is stripped"),
        ("a MinGW runtime DLL imported",
         exe(patched(program, b"msvcrt.dll\0", b"libgcc.dll\0")),
         "imports only Windows' own DLLs"),
        ("no common controls 6 in the manifest",
         exe(patched(program, b'version="6.0.0.0"', b'version="5.8.0.0"')),
         "manifest asks for common controls 6.0.0.0"),
        ("UI access asked",
         exe(patched(program, b'uiAccess="false"', b'uiAccess="true" ')),
         "manifest runs as invoker without UI access"),
        ("another product version",
         exe(patched(program, utf16("1, 0, 1, 115"), utf16("1, 0, 1, 116"))),
         "archive named after the program's product version"),
        ("the guide with LF line ends", text(guide.replace(b"\r\n", b"\n")),
         "guide-ja.txt has CRLF line ends only"),
        ("the guide without byte-order mark", text(guide[3:]),
         "guide-ja.txt starts with the UTF-8 byte-order mark"),
        ("the guide in Shift_JIS",
         text(guide[3:].decode("utf-8").encode("cp932", "replace")),
         "guide-ja.txt is UTF-8"),
        ("a settings file packed as well", members + [("Kirunner.ini", b"[SYSTEM]\r\n")],
         "members are"),
        ("a Japanese member name", [("ガイド.txt" if n == dist.GUIDE_NAME else n, d) for n, d in members],
         "member names are plain ASCII"),
    ]


def written_now(members, path):
    """An archive as a plain zip tool writes it: the time of writing, this machine's attributes."""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in members:
            z.writestr(name, data)


def run_check(source):
    out = io.StringIO()
    with contextlib.redirect_stdout(out):
        status = check_dist.main(["check_dist.py", source])
    return status, out.getvalue()


def main():
    folder = os.path.join(SOURCE, "dist")
    names = os.listdir(folder) if os.path.isdir(folder) else []
    archives = [n for n in names if dist.ARCHIVE_PATTERN.match(n)]
    if len(archives) != 1:
        print("no single archive in %s: run make dist" % folder)
        return 77
    name = archives[0]
    with zipfile.ZipFile(os.path.join(folder, name)) as z:
        members = [(n, z.read(n)) for n in z.namelist()]

    failures = 0
    with tempfile.TemporaryDirectory() as scratch:
        for entry in ("res", "docs", "LICENSE"):
            os.symlink(os.path.join(SOURCE, entry), os.path.join(scratch, entry))
        os.mkdir(os.path.join(scratch, "dist"))
        target = os.path.join(scratch, "dist", name)

        def verdict(archive_members, writer=dist.write_archive):
            writer(archive_members, target)
            return run_check(scratch)

        status, _ = verdict(members)
        print("%s  the archive written again unchanged passes" % ("ok  " if status == 0 else "FAIL"))
        failures += status != 0

        cases = [case + (dist.write_archive,) for case in faults(members)]
        cases.append(("members with the time of writing", members, "members carry the fixed time",
                      written_now))
        for what, archive_members, check, writer in cases:
            status, output = verdict(archive_members, writer)
            failed = [line for line in output.splitlines() if line.startswith("FAIL")]
            caught = status == 1 and any(check in line for line in failed)
            print("%s  %s: fails \"%s\"" % ("ok  " if caught else "FAIL", what, check))
            if not caught:
                print(output)
            failures += not caught
    print("%d case(s) failed" % failures if failures else "every fault is found")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
