#!/usr/bin/env python3
"""Checks that the layers of src/ depend one way only.

Each source file belongs to one layer, by where it lives and its name; it may
include headers of its own layer and of the layers below it, never of one
above. The portable core never includes a Windows header. The window layer
is split in rooms, lowest first: ui/look (fonts, colours, pictures, the
system's look), ui/access (accessible objects), the window base (the files
directly in ui/), ui/controls; the four windows (ui/MainDemo and the like)
stand above them all.

    check-layers.py <src-dir>
"""
import pathlib
import re
import sys

LAYERS = ["portable core", "platform", "ui/look", "ui/access", "window base", "ui/controls",
          "windows", "application"]
CORE_FOLDERS = {"base", "control_rules", "disc_check", "launcher", "media", "photos", "pictures",
                "publications"}
WINDOW_ROOMS = {"look", "access", "controls"}  # the other folders of ui/ are windows
WINDOWS_HEADERS = re.compile(r"^(windows|winuser|commctrl|mmsystem|digitalv|oleacc|ole2|"
                             r"uxtheme|shlobj|shellapi|psapi|windowsx|objbase)\.h$", re.I)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)


def layer_of(relative: pathlib.PurePosixPath) -> int:
    """The layer of a path relative to src/ (a header named by an include)."""
    parts = relative.parts
    if len(parts) == 1:
        return 0  # resource_ids.h and the like: constants only
    top = parts[0]
    windows_side = relative.stem.endswith("_win")
    if top in CORE_FOLDERS:
        return 1 if windows_side else 0
    if top == "ui":
        if len(parts) == 2:
            return LAYERS.index("window base")
        if parts[1] in WINDOW_ROOMS:
            return LAYERS.index(f"ui/{parts[1]}")
        return LAYERS.index("windows")
    if top == "app":
        return LAYERS.index("application")
    raise ValueError(f"{relative}: in no layer")


def check(src: pathlib.Path) -> list[str]:
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = pathlib.PurePosixPath(path.relative_to(src).as_posix())
        own = layer_of(relative)
        for kind, name in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if kind == "<":
                if own == 0 and WINDOWS_HEADERS.match(name):
                    faults.append(f"{relative}: the {LAYERS[0]} includes <{name}>")
                continue
            target = pathlib.PurePosixPath(name)
            if not (src / target).exists() and len(target.parts) > 1:
                continue  # not one of ours (a generated or test header)
            theirs = layer_of(target)
            if theirs > own:
                faults.append(f"{relative} ({LAYERS[own]}) includes {name} ({LAYERS[theirs]})")
    return faults


def main() -> int:
    faults = check(pathlib.Path(sys.argv[1]))
    for fault in faults:
        print(fault)
    print(f"{len(faults)} include(s) against the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
