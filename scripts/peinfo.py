"""Reads what the release checks need from a Windows program file (PE), without running it:
the machine and subsystem, the DLLs it imports, and its resources (version information and
manifest). Standard library only, so it works on any build machine.
"""
import struct

MACHINE_I386 = 0x014C
MACHINE_AMD64 = 0x8664
SUBSYSTEM_WINDOWS_GUI = 2
SUBSYSTEM_WINDOWS_CUI = 3
RT_VERSION = 16
RT_MANIFEST = 24

_DIR_IMPORT = 1
_DIR_RESOURCE = 2
_DIR_DELAY_IMPORT = 13


class PeError(Exception):
    pass


class PeFile:
    def __init__(self, data):
        try:
            self._read_headers(data)
        except (struct.error, IndexError, ValueError) as error:
            raise PeError("broken headers: %s" % error)

    def _read_headers(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise PeError("no MZ header")
        pe = self._u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise PeError("no PE signature")
        (self.machine, sections, self.time_stamp, symbols_at, self.symbol_count, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        strings_at = symbols_at + 18 * self.symbol_count if symbols_at else 0
        optional = pe + 24
        self.magic = self._u16(optional)
        if self.magic == 0x10B:
            self.image_base = self._u32(optional + 28)
            directories_at = optional + 96
        elif self.magic == 0x20B:
            self.image_base = struct.unpack_from("<Q", data, optional + 24)[0]
            directories_at = optional + 112
        else:
            raise PeError("unknown optional header magic 0x%x" % self.magic)
        self.subsystem = self._u16(optional + 68)
        count = self._u32(directories_at - 4)
        self.directories = [struct.unpack_from("<II", data, directories_at + 8 * i)
                            for i in range(min(count, 16))]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            at = table + 40 * i
            name = data[at:at + 8].rstrip(b"\0").decode("ascii", "replace")
            if name.startswith("/") and name[1:].isdigit() and strings_at:
                # A long name (".debug_info") lives in the symbol table's string table.
                start = strings_at + int(name[1:])
                end = data.find(b"\0", start)
                if end < 0:
                    raise PeError("section name %s lies outside the file" % name)
                name = data[start:end].decode("ascii", "replace")
            virtual_size, rva, raw_size, raw_at = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((name, rva, max(virtual_size, raw_size), raw_at, raw_size))

    def _u16(self, at):
        return struct.unpack_from("<H", self.data, at)[0]

    def _u32(self, at):
        return struct.unpack_from("<I", self.data, at)[0]

    def offset(self, rva):
        for _, start, size, raw_at, raw_size in self.sections:
            if start <= rva < start + size:
                if rva - start >= raw_size:
                    raise PeError("address 0x%x lies in uninitialised data" % rva)
                return raw_at + rva - start
        raise PeError("address 0x%x lies in no section" % rva)

    def _cstring(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii", "replace")

    def _directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def _descriptors(self, index, layout):
        """The records of a data directory that ends with an all-zero record."""
        rva, size = self._directory(index)
        if not (rva and size):
            return
        at = self.offset(rva)
        while True:
            record = struct.unpack_from(layout, self.data, at)
            if not any(record):
                return
            yield record
            at += struct.calcsize(layout)

    def imported_dlls(self):
        """Names of every DLL the loader binds: ordinary and delay-loaded imports, in file order."""
        names = [self._cstring(record[3]) for record in self._descriptors(_DIR_IMPORT, "<5I")]
        for record in self._descriptors(_DIR_DELAY_IMPORT, "<8I"):
            attributes, name = record[0], record[1]
            # Old-style descriptors hold addresses, not relative ones.
            names.append(self._cstring(name if attributes & 1 else name - self.image_base))
        return names

    def resources(self):
        """{(type, name, language): bytes}; names given by string come back as str."""
        rva, size = self._directory(_DIR_RESOURCE)
        found = {}
        if not (rva and size):
            return found
        base = self.offset(rva)

        def entry_id(value):
            if value & 0x80000000:
                at = base + (value & 0x7FFFFFFF)
                length = self._u16(at)
                return self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
            return value

        def walk(at, path, depth):
            if depth > 3:
                raise PeError("resource tree too deep")
            named, numbered = struct.unpack_from("<HH", self.data, at + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
                key = path + (entry_id(name),)
                if target & 0x80000000:
                    walk(base + (target & 0x7FFFFFFF), key, depth + 1)
                else:
                    data_rva, data_size = struct.unpack_from("<II", self.data, base + target)
                    start = self.offset(data_rva)
                    found[key] = self.data[start:start + data_size]

        walk(base, (), 1)
        return found

    def resource(self, kind, name=None):
        """The first resource of the kind (and name, if given), or None."""
        for (found_kind, found_name, _), data in sorted(self.resources().items(), key=str):
            if found_kind == kind and (name is None or found_name == name):
                return data
        return None


def _align4(n):
    return (n + 3) & ~3


def _version_block(data, at):
    """One node of the version information tree: (key, value, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    if length < 6 or at + length > len(data):
        raise PeError("broken version block")
    end = at + length
    key_at = at + 6
    key_end = key_at
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[key_at:key_end].decode("utf-16-le")
    value_at = _align4(key_end + 2)
    value_bytes = value_length * 2 if kind == 1 else value_length
    value = data[value_at:value_at + value_bytes]
    children = []
    child = _align4(value_at + value_bytes)
    while child < end:
        node = _version_block(data, child)
        children.append(node)
        child = _align4(node[3])
    return key, value, children, end


def version_info(data):
    """The version resource as {'fixed': (file version, product version) as 4-tuples,
    'translations': [(language, code page)], 'strings': {'041104b0': {name: value}}}."""
    key, value, children, _ = _version_block(data, 0)
    if key != "VS_VERSION_INFO":
        raise PeError("not a version resource")
    info = {"fixed": None, "translations": [], "strings": {}}
    if len(value) >= 52:
        signature, _, fms, fls, pms, pls = struct.unpack_from("<6I", value)
        if signature != 0xFEEF04BD:
            raise PeError("bad fixed version signature")
        split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        info["fixed"] = (split(fms, fls), split(pms, pls))
    for child_key, _, grandchildren, _ in children:
        if child_key == "StringFileInfo":
            for table_key, _, strings, _ in grandchildren:
                info["strings"][table_key.lower()] = {
                    name: text.decode("utf-16-le").rstrip("\0") for name, text, _, _ in strings}
        elif child_key == "VarFileInfo":
            for var_key, var_value, _, _ in grandchildren:
                if var_key == "Translation":
                    info["translations"] += [struct.unpack_from("<HH", var_value, i)
                                             for i in range(0, len(var_value) - 3, 4)]
    return info


def product_version(info):
    """The product version as the program itself reads it: the "ProductVersion" text of the
    string table that the first translation entry names; None when there is none."""
    if not info["translations"]:
        return None
    language, code_page = info["translations"][0]
    return info["strings"].get("%04x%04x" % (language, code_page), {}).get("ProductVersion")
