#!/usr/bin/env python3
"""Checks DemoDiscCheck.exe as it goes beside DemoDisc.exe, without running
it: an i386 console program for Windows 7 and later (subsystem and OS
version 6.01, so that an older Windows refuses it plainly), one file that
imports only Windows system DLLs (no libstdc++, libgcc or winpthread DLL
beside it), and the wide entry (wmain) only: no call of the narrow (A)
Windows functions that take or give text.
  check-disc-check-exe.py DemoDiscCheck.exe objdump
"""
import re
import subprocess
import sys

from pe_image import MACHINE_I386, Image

CONSOLE = 3
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "advapi32.dll", "user32.dll", "shell32.dll", "gdi32.dll"}
# Narrow functions of ours that would narrow a name or a text to a code page.
NARROW = re.compile(r"^(CreateFileA|FindFirstFile(Ex)?A|GetFullPathNameA|GetModuleFileNameA|"
                    r"GetCommandLineA|WriteConsoleA|GetFinalPathNameByHandleA|GetFileAttributesA)$")


def main():
    exe, objdump = sys.argv[1:3]
    failures = []
    image = Image(open(exe, "rb").read())
    if image.machine != MACHINE_I386 or image.subsystem != CONSOLE:
        failures.append(f"machine {image.machine:#x}, subsystem {image.subsystem}: "
                        "not an i386 console program")
    if image.subsystem_version != (6, 1) or image.os_version != (6, 1):
        failures.append(f"subsystem {image.subsystem_version}, OS {image.os_version}: not 6.01")
    listing = subprocess.run([objdump, "-p", exe], capture_output=True, text=True,
                             check=True).stdout
    dlls = {m.lower() for m in re.findall(r"DLL Name: (\S+)", listing)}
    if not dlls <= SYSTEM_DLLS:
        failures.append(f"imports from DLLs that are not Windows': {sorted(dlls - SYSTEM_DLLS)}")
    functions = set(re.findall(r"^\t[0-9a-f]+\t\s*\d+\s+(\S+)$", listing, re.M))
    narrow = sorted(f for f in functions if NARROW.match(f))
    if narrow:
        failures.append(f"narrow text functions: {narrow}")
    if "WriteConsoleW" not in functions or "GetConsoleProcessList" not in functions:
        failures.append("WriteConsoleW or GetConsoleProcessList is not imported")
    for failure in failures:
        print("FAIL", failure)
    if not failures:
        print(f"DemoDiscCheck.exe: an i386 console program for Windows 7, importing "
              f"{len(functions)} functions from {', '.join(sorted(dlls))}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
