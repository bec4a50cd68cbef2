"""A small reader of PE32 images, for the checks of DemoDisc.exe that need
no Windows to run: its headers, its sections and its resources."""
import struct

MACHINE_I386 = 0x14C
PE32 = 0x10B


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise SystemExit("not a PE image")
        self.machine, sections = struct.unpack_from("<HH", data, pe + 4)
        optional_size, = struct.unpack_from("<H", data, pe + 20)
        optional = pe + 24
        if struct.unpack_from("<H", data, optional)[0] != PE32:
            raise SystemExit("not a PE32 image")
        self.entry_rva, = struct.unpack_from("<I", data, optional + 16)
        self.image_base, = struct.unpack_from("<I", data, optional + 28)
        self.os_version = struct.unpack_from("<HH", data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        self.image_size, = struct.unpack_from("<I", data, optional + 56)
        self.subsystem, = struct.unpack_from("<H", data, optional + 68)
        directories = optional + 96
        self.resource_rva, self.resource_size = struct.unpack_from("<II", data, directories + 8 * 2)
        self.sections = []
        for i in range(sections):
            entry = optional + optional_size + 40 * i
            vsize, rva, raw_size, raw = struct.unpack_from("<4I", data, entry + 8)
            self.sections.append((rva, max(vsize, raw_size), raw, raw_size))

    def offset(self, rva):
        """The file offset of an RVA, or None when no section's file data holds it."""
        for start, size, raw, raw_size in self.sections:
            if start <= rva < start + min(size, raw_size):
                return raw + rva - start
        return None

    def dword(self, rva):
        at = self.offset(rva)
        return None if at is None or at + 4 > len(self.data) else struct.unpack_from("<I", self.data, at)[0]

    def string(self, rva, pattern):
        at = self.offset(rva)
        if at is None:
            return None
        end = self.data.find(b"\0", at)
        match = pattern.fullmatch(self.data[at:end]) if end > at else None
        return match.group(0).decode() if match else None

    def resources(self):
        """{(type, id): data} of the resources with numeric types and ids,
        whatever their language (the first one found)."""
        base = self.offset(self.resource_rva) if self.resource_rva else None
        found = {}
        if base is None:
            return found

        def entries(table):
            named, numbered = struct.unpack_from("<HH", self.data, base + table + 12)
            for i in range(named + numbered):
                name, value = struct.unpack_from("<II", self.data, base + table + 16 + 8 * i)
                yield name, value

        for kind, types in entries(0):
            if kind & 0x80000000 or not types & 0x80000000:
                continue
            for ident, names in entries(types & 0x7FFFFFFF):
                if ident & 0x80000000 or not names & 0x80000000:
                    continue
                for _, leaf in entries(names & 0x7FFFFFFF):
                    if leaf & 0x80000000:
                        continue
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    at = self.offset(rva)
                    if at is not None and (kind, ident) not in found:
                        found[(kind, ident)] = self.data[at:at + size]
        return found


def version_info(block):
    """(FILEVERSION as four numbers, {name: text} of every string table) of a
    VS_VERSIONINFO resource: nested blocks of (length, value length, type,
    UTF-16 key, value, children), each aligned to 32 bits."""
    strings = {}
    fixed = None

    def walk(at, end, path):
        nonlocal fixed
        while at + 6 <= end:
            length, value_length, kind = struct.unpack_from("<HHH", block, at)
            if length < 6:
                return
            key_end = at + 6
            while key_end + 1 < at + length and block[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = block[at + 6:key_end].decode("utf-16-le", "replace")
            value = (key_end + 2 + 3) & ~3
            children = value
            if key == "VS_VERSION_INFO" and value_length >= 52:
                words = struct.unpack_from("<II", block, value + 8)
                fixed = (words[0] >> 16, words[0] & 0xFFFF, words[1] >> 16, words[1] & 0xFFFF)
                children = (value + value_length + 3) & ~3
            elif len(path) == 3 and path[1] == "StringFileInfo":
                text = block[value:value + 2 * value_length].decode("utf-16-le", "replace")
                strings[key] = text.rstrip("\0")
            elif kind == 0:
                children = (value + value_length + 3) & ~3
            if len(path) < 3:
                walk(children, at + length, path + [key])
            at = (at + length + 3) & ~3

    walk(0, len(block), [])
    return fixed, strings
