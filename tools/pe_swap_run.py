#!/usr/bin/env python3
"""Marks a Windows exe to run from the page file: the PE flags
IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP and IMAGE_FILE_NET_RUN_FROM_SWAP ask
Windows to copy the whole image to the page file before it runs, so that an
exe started from a disc or a network share is read once, sequentially, and
keeps running when the disc is ejected or a sector cannot be read. GNU ld has
no option for them (Microsoft's linker calls it /SWAPRUN), so the build sets
them after the link and writes the PE checksum again, as
MapFileAndCheckSum computes it.

  pe_swap_run.py <exe>...          set the flags and the checksum, in place
  pe_swap_run.py --check <exe>...  exit 1, naming what is wrong, unless each
                                   exe has both flags and a correct checksum
"""
import os
import struct
import sys
import tempfile

REMOVABLE_RUN_FROM_SWAP = 0x0400
NET_RUN_FROM_SWAP = 0x0800
SWAP_FLAGS = REMOVABLE_RUN_FROM_SWAP | NET_RUN_FROM_SWAP


class NotPe(Exception):
    pass


def header_offsets(data):
    """(offset of Characteristics, offset of CheckSum) of a PE image."""
    if len(data) < 0x40 or data[:2] != b"MZ":
        raise NotPe("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if pe + 24 + 68 > len(data) or data[pe:pe + 4] != b"PE\0\0":
        raise NotPe("no PE header")
    magic = struct.unpack_from("<H", data, pe + 24)[0]
    if magic not in (0x10B, 0x20B):
        raise NotPe(f"unknown optional header {magic:#x}")
    # CheckSum sits at the same place in the PE32 and PE32+ optional headers.
    return pe + 22, pe + 24 + 64


def checksum(data):
    """The PE checksum: the file summed as 16-bit words with the carries
    folded in, the CheckSum field counted as zero, plus the file's length."""
    _, at = header_offsets(data)
    body = bytearray(data)
    body[at:at + 4] = b"\0\0\0\0"
    if len(body) % 2:
        body.append(0)
    total = sum(struct.unpack(f"<{len(body) // 2}H", body))
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return (total + len(data)) & 0xFFFFFFFF


def problems(data):
    """What keeps an image from running from swap with a right checksum."""
    flags_at, sum_at = header_offsets(data)
    found = []
    flags = struct.unpack_from("<H", data, flags_at)[0]
    for flag, name in ((REMOVABLE_RUN_FROM_SWAP, "IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP"),
                       (NET_RUN_FROM_SWAP, "IMAGE_FILE_NET_RUN_FROM_SWAP")):
        if not flags & flag:
            found.append(f"Characteristics {flags:#x} lack {name} ({flag:#06x})")
    stored = struct.unpack_from("<I", data, sum_at)[0]
    if stored != checksum(data):
        found.append(f"CheckSum {stored:#x} is not the image's {checksum(data):#x}")
    return found


def marked(data):
    """The image with both flags set and its checksum written again."""
    flags_at, sum_at = header_offsets(data)
    out = bytearray(data)
    flags = struct.unpack_from("<H", out, flags_at)[0]
    struct.pack_into("<H", out, flags_at, flags | SWAP_FLAGS)
    struct.pack_into("<I", out, sum_at, checksum(out))
    return bytes(out)


def mark_file(path):
    with open(path, "rb") as f:
        data = f.read()
    new = marked(data)
    if new == data:
        return
    # A whole new copy replaces the exe, so a failure leaves it as it was.
    folder = os.path.dirname(os.path.abspath(path))
    fd, temp = tempfile.mkstemp(dir=folder, prefix=".swaprun-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(new)
        os.chmod(temp, os.stat(path).st_mode & 0o7777)
        os.replace(temp, path)
    except BaseException:
        os.unlink(temp)
        raise


def main(args):
    check = bool(args) and args[0] == "--check"
    paths = args[1:] if check else args
    if not paths or any(p.startswith("--") for p in paths):
        print(__doc__.split("\n\n")[-1].rstrip(), file=sys.stderr)
        return 2
    failed = False
    for path in paths:
        try:
            if check:
                with open(path, "rb") as f:
                    found = problems(f.read())
                for problem in found:
                    print(f"{path}: {problem}", file=sys.stderr)
                failed |= bool(found)
            else:
                mark_file(path)
        except (OSError, NotPe) as error:
            print(f"pe_swap_run.py: {path}: {getattr(error, 'strerror', None) or error}", file=sys.stderr)
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
