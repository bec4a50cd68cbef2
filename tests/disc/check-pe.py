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
    every picture that resource_ids.h names, each a 24-bit PNG in each set;
  - it is released as this version: a VERSIONINFO whose numbers and texts
    are the project's version, the manifest's assemblyIdentity the same,
    the manifest's list of supported systems (Vista to 10/11) with asInvoker,
    and CHANGELOG.md starting with that version;
  - it runs from a disc: both RUN_FROM_SWAP flags and a correct checksum,
    and at most 768 KiB, every byte of which is read before it starts.
  check-pe.py DemoDisc.exe DemoDisc.map resource_ids.h objdump <version> CHANGELOG.md
"""
import os
import re
import struct
import subprocess
import sys

from pe_image import MACHINE_I386, Image, version_info

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import pe_swap_run  # noqa: E402

RT_BITMAP, RT_ICON, RT_VERSION, RT_RCDATA, RT_GROUP_ICON, RT_MANIFEST = 2, 3, 16, 10, 14, 24
# Windows reads the whole exe from the disc before it runs: 768 KiB at most.
MAX_BYTES = 768 * 1024
# The systems the manifest declares, by the GUIDs Windows documents.
SUPPORTED_OS = {
    "e2011457-1546-43c5-a5fe-008deee3d3f0": "Windows Vista",
    "35138b9a-5d96-4fbd-8e2d-a2440225f93a": "Windows 7",
    "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38": "Windows 8",
    "1f676c76-80e1-4239-95bb-83d0f6d0da78": "Windows 8.1",
    "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a": "Windows 10 and 11",
}
VERSION_STRINGS = ("FileDescription", "ProductName", "FileVersion", "ProductVersion",
                   "OriginalFilename", "InternalName", "LegalCopyright")
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
    check(sorted(sets) == ["IDB_SET_100", "IDB_SET_150", "IDB_SET_200"],
          "resource_ids.h names not the three sets IDB_SET_100, IDB_SET_150 and IDB_SET_200")
    for name, ident in sorted(ids.items()):
        if not name.startswith("IDB_") or name in sets:
            continue
        check((RT_BITMAP, ident) not in resources, f"{name} is an uncompressed bitmap")
        # Every picture but the video toolbar's has its larger sets.
        for set_name, offset in sorted(sets.items()):
            if name == "IDB_VIDEO_TOOLBAR" and set_name != "IDB_SET_100":
                continue
            png = resources.get((RT_RCDATA, ident + offset), b"")
            check(png.startswith(b"\x89PNG\r\n\x1a\n") and png[12:16] == b"IHDR" and png[24:26] == b"\x08\x02",
                  f"no 24-bit PNG {name} + {set_name} ({ident + offset})")
    return len(resources)


def check_release(image, version, changelog):
    """The version in VERSIONINFO, the manifest and the changelog; the
    manifest's supported systems and execution level."""
    resources = image.resources()
    numbers = tuple(int(n) for n in version.split(".")) + (0,)
    block = resources.get((RT_VERSION, 1))
    if check(block, "no VERSIONINFO resource"):
        fixed, strings = version_info(block)
        check(fixed == numbers, f"VERSIONINFO's FILEVERSION {fixed} is not {version}")
        for name in VERSION_STRINGS:
            check(strings.get(name), f"VERSIONINFO has no {name}")
        for name in ("FileVersion", "ProductVersion"):
            check(strings.get(name) == version, f"VERSIONINFO's {name} {strings.get(name)!r} is not {version}")
        check(strings.get("OriginalFilename") == "DemoDisc.exe", "VERSIONINFO's OriginalFilename is not DemoDisc.exe")
    manifest = resources.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    identity = re.search(r'<assemblyIdentity\s+type="win32"\s+name="DemoDisc"\s+version="([^"]*)"', manifest)
    check(identity and identity.group(1) == version + ".0",
          f"the manifest's assemblyIdentity version is not {version}.0")
    declared = set(re.findall(r'<supportedOS\s+Id="\{([0-9a-f-]+)\}"\s*/>', manifest))
    for guid, name in SUPPORTED_OS.items():
        check(guid in declared, f"the manifest's compatibility section lacks {name}")
    check(declared <= SUPPORTED_OS.keys(), f"the manifest declares unknown systems {sorted(declared - SUPPORTED_OS.keys())}")
    check(re.search(r'<requestedExecutionLevel\s+level="asInvoker"', manifest),
          "the manifest does not run the program asInvoker")
    try:
        with open(changelog, encoding="utf-8") as f:
            headings = [line for line in f if line.startswith("## ")]
    except OSError as error:
        headings = []
        check(False, f"{changelog}: {error.strerror}")
    check(headings and re.match(rf"## {re.escape(version)}\b", headings[0]),
          f"CHANGELOG.md does not start with version {version}")


def main():
    exe, link_map, ids_header, objdump, version, changelog = sys.argv[1:7]
    with open(exe, "rb") as f:
        data = f.read()
    image = Image(data)
    check(len(data) <= MAX_BYTES, f"{len(data):,} bytes, more than {MAX_BYTES:,}")
    for problem in pe_swap_run.problems(data):
        check(False, f"not ready to run from a disc: {problem}")
    check(image.machine == MACHINE_I386, f"machine {image.machine:#x}, not i386")
    check(image.subsystem == 2, f"subsystem {image.subsystem}, not the Windows GUI")
    check(image.subsystem_version == (5, 1), f"subsystem version {image.subsystem_version}, not 5.01")
    check(image.os_version == (5, 1), f"OS version {image.os_version}, not 5.01")
    check_entry(image, map_addresses(link_map), objdump, exe)
    count = check_resources(image, ids_header)
    check_release(image, version, changelog)
    if failures:
        sys.exit("\n".join(failures))
    print(f"PE32 for Windows XP: entry point DemoDiscStartup restricts the DLL search first; "
          f"{count} resources, the manifest, icon and pictures among them; version {version}; "
          f"runs from swap, checksum right; {len(data):,} bytes")


if __name__ == "__main__":
    main()
