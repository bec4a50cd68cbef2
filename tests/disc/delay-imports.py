#!/usr/bin/env python3
"""Prints what a PE32 image delay-loads, one DLL:function a line (DLL in
lower case), as check-imports.sh compares it.
  delay-imports.py DemoDisc.exe

GNU ld 2.40 leaves the image's delay-import directory entry empty and
objdump does not list delay imports, so the delay-import descriptors that
dlltool's libraries bring in are found by their shape: attributes 1 (RVAs),
RVAs of the DLL's name, handle, address and name tables inside the image, no
bound or unload tables, and name tables whose entries name functions. A
function whose address slot does not point into the image fails the run:
its first call would jump to nowhere.
"""
import re
import struct
import sys

from pe_image import Image

DLL_NAME = re.compile(rb"[A-Za-z0-9_.-]+\.dll", re.IGNORECASE)
FUNCTION_NAME = re.compile(rb"[A-Za-z_][A-Za-z0-9_@?$]*")


class DelayImports:
    def __init__(self, image):
        self.image = image
        self.data = image.data

    def descriptor(self, at):
        """The DLL, the functions and the functions with an empty address
        slot of a delay-import descriptor at file offset `at`, or None."""
        attrs, name, handle, iat, names, bound, unload, stamp = struct.unpack_from("<8I", self.data, at)
        if attrs != 1 or bound or unload or stamp:
            return None
        if not all(0 < rva < self.image.image_size for rva in (name, handle, iat, names)):
            return None
        dll = self.image.string(name, DLL_NAME)
        if dll is None:
            return None
        functions, empty = [], []
        for i in range(65536):
            entry, slot = self.image.dword(names + 4 * i), self.image.dword(iat + 4 * i)
            if entry is None or slot is None:
                return None
            if entry == 0:
                break
            function = f"#{entry & 0xFFFF}" if entry & 0x80000000 else self.image.string(entry + 2, FUNCTION_NAME)
            if function is None:
                return None
            functions.append(function)
            # The address slot starts out pointing into the image, at the
            # code that loads the DLL on the first call.
            if not 0 <= slot - self.image.image_base < self.image.image_size:
                empty.append(function)
        return (dll.lower(), functions, empty) if functions else None

    def delay_imports(self):
        """The DLL:function lines, and the same for functions whose first call would jump nowhere."""
        found, broken = set(), set()
        for _, _, raw, raw_size in self.image.sections:
            for at in range(raw, raw + raw_size - 31, 4):
                descriptor = self.descriptor(at)
                if descriptor:
                    dll, functions, empty = descriptor
                    found.update(f"{dll}:{f}" for f in functions)
                    broken.update(f"{dll}:{f}" for f in empty)
        return sorted(found), sorted(broken)


def main():
    with open(sys.argv[1], "rb") as f:
        image = Image(f.read())
    found, broken = DelayImports(image).delay_imports()
    for line in found:
        print(line)
    if broken:
        sys.exit("delay-imports: no loading code behind " + ", ".join(broken))


if __name__ == "__main__":
    main()
