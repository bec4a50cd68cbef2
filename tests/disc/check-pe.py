#!/usr/bin/env python3
"""Checks what can be known of the PE32 DemoDisc.exe without running it:
  - an i386 GUI program for Windows XP (subsystem and OS version 5.01);
  - its entry point is DemoDiscStartup, whose first call restricts the DLL
    search and which then hands over to MinGW's WinMainCRTStartup (the link
    map names the stripped exe's functions; objdump disassembles the entry);
  - its resources: the manifest asking for common controls 6 and declaring
    per-monitor DPI awareness (version 2, then version 1 for Windows 10
    1607) only in the form Windows 10 1607 and later read (dpiAwareness in
    its 2016 namespace, no dpiAware, which Vista to 8.1 would read), the icon and
    every picture that resource_ids.h names, each a 24-bit bitmap.
  check-pe.py DemoDisc.exe DemoDisc.map resource_ids.h objdump
"""
import re
import struct
import subprocess
import sys

from pe_image import MACHINE_I386, Image

RT_BITMAP, RT_ICON, RT_RCDATA, RT_GROUP_ICON, RT_MANIFEST = 2, 3, 10, 14, 24
failures = []


def check(ok, text):
    if not ok:
        failures.append(text)
    return ok


def map_addresses(path):
    """{function: address} of the link map's symbol lines."""
    found = {}
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = re.fullmatch(r"\s+0x([0-9a-f]+)\s+(\S.*?)\s*", line)
            if m:
                found.setdefault(m.group(2), int(m.group(1), 16))
    return found


def entry_jumps(objdump, exe, start):
    """The call and jmp targets of the entry function's first instructions, in order."""
    out = subprocess.run([objdump, "-d", f"--start-address={start:#x}",
                          f"--stop-address={start + 48:#x}", exe],
                         capture_output=True, text=True, check=True).stdout
    jumps = []
    for line in out.splitlines():
        m = re.search(r"\t(call|jmp)\s+(?:0x)?([0-9a-f]+)\b", line)
        if m:
            jumps.append((m.group(1), int(m.group(2), 16)))
        if re.search(r"\t(ret|jmp)\b", line):
            break
    return jumps


def check_entry(image, symbols, objdump, exe):
    entry = image.image_base + image.entry_rva
    names = {"DemoDiscStartup", "demodisc::RestrictDllSearch()", "WinMainCRTStartup"}
    if not check(names <= symbols.keys(), f"the link map lacks {sorted(names - symbols.keys())}"):
        return
    check(entry == symbols["DemoDiscStartup"],
          f"the entry point {entry:#x} is not DemoDiscStartup ({symbols['DemoDiscStartup']:#x})")
    targets = [t for _, t in entry_jumps(objdump, exe, entry)]
    check(targets[:1] == [symbols["demodisc::RestrictDllSearch()"]],
          "the entry point's first call is not RestrictDllSearch")
    check(symbols["WinMainCRTStartup"] in targets[1:],
          "the entry point does not go on to WinMainCRTStartup")


def check_resources(image, ids_header):
    resources = image.resources()
    manifest = resources.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    check(re.search(r'name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0"', manifest),
          "no manifest asking for common controls version 6")
    awareness = re.search(r"<dpiAwareness\s+xmlns=\"([^\"]*)\"\s*>([^<]*)<", manifest)
    check(awareness and awareness.group(1) == "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
          "the manifest declares no dpiAwareness in the Windows 10 1607 namespace")
    check(awareness and [v.strip() for v in awareness.group(2).split(",")]
          == ["PerMonitorV2", "PerMonitor"],
          "the manifest's dpiAwareness is not PerMonitorV2 with PerMonitor for Windows 10 1607")
    check(not re.search(r"<dpiAware[\s>]", manifest),
          "the manifest declares dpiAware, which the systems before Windows 10 1607 would read")
    with open(ids_header, encoding="utf-8") as f:
        ids = dict((n, int(v)) for n, v in re.findall(r"#define\s+(ID[BI]_\w+)\s+(\d+)", f.read()))
    check(ids.get("IDI_APP"), "resource_ids.h names no IDI_APP")
    check((RT_GROUP_ICON, ids.get("IDI_APP")) in resources, "no icon IDI_APP")
    check(any(kind == RT_ICON for kind, _ in resources), "no icon images")
    sets = {n: v for n, v in ids.items() if n.startswith("IDB_SET_")}
    check(len(sets) == 2, "resource_ids.h names not the two larger sets IDB_SET_150 and IDB_SET_200")
    for name, ident in sorted(ids.items()):
        if not name.startswith("IDB_") or name in sets:
            continue
        bitmap = resources.get((RT_BITMAP, ident))
        if check(bitmap and len(bitmap) >= 40, f"no bitmap {name} ({ident})"):
            size, width, height, _, bits = struct.unpack_from("<IiiHH", bitmap)
            check(size >= 40 and width > 0 and height != 0 and bits == 24,
                  f"bitmap {name} is not a 24-bit picture")
        # Every picture but the video toolbar's has its larger sets, as PNG.
        if name == "IDB_VIDEO_TOOLBAR":
            continue
        for set_name, offset in sorted(sets.items()):
            png = resources.get((RT_RCDATA, ident + offset), b"")
            check(png.startswith(b"\x89PNG\r\n\x1a\n"), f"no PNG {name} + {set_name} ({ident + offset})")
    return len(resources)


def main():
    exe, link_map, ids_header, objdump = sys.argv[1:5]
    with open(exe, "rb") as f:
        image = Image(f.read())
    check(image.machine == MACHINE_I386, f"machine {image.machine:#x}, not i386")
    check(image.subsystem == 2, f"subsystem {image.subsystem}, not the Windows GUI")
    check(image.subsystem_version == (5, 1), f"subsystem version {image.subsystem_version}, not 5.01")
    check(image.os_version == (5, 1), f"OS version {image.os_version}, not 5.01")
    check_entry(image, map_addresses(link_map), objdump, exe)
    count = check_resources(image, ids_header)
    if failures:
        sys.exit("\n".join(failures))
    print(f"PE32 for Windows XP: entry point DemoDiscStartup restricts the DLL search first; "
          f"{count} resources, the manifest, icon and pictures among them")


if __name__ == "__main__":
    main()
