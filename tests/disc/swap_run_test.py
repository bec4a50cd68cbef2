#!/usr/bin/env python3
"""The post-link step that marks an exe to run from swap (tools/pe_swap_run.py),
tried on copies of a program as ld linked it, whose checksum ld wrote.
  swap_run_test.py <exe linked by ld>
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "pe_swap_run.py")
sys.path.insert(0, os.path.dirname(TOOL))
import pe_swap_run  # noqa: E402

LINKED = sys.argv.pop(1) if len(sys.argv) > 1 else None


def run(*args):
    return subprocess.run([sys.executable, TOOL, *args], capture_output=True, text=True)


class SwapRunStep(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.exe = os.path.join(self.folder, "program.exe")
        shutil.copyfile(LINKED, self.exe)
        with open(self.exe, "rb") as f:
            self.linked = f.read()

    def tearDown(self):
        shutil.rmtree(self.folder)

    def test_checksum_is_the_linkers(self):
        _, at = pe_swap_run.header_offsets(self.linked)
        stored = struct.unpack_from("<I", self.linked, at)[0]
        self.assertNotEqual(stored, 0, "ld wrote no checksum to compare with")
        self.assertEqual(pe_swap_run.checksum(self.linked), stored)
        # An odd length pads the last byte with zero: one more word of 1, one more byte.
        self.assertEqual(pe_swap_run.checksum(self.linked + b"\x01"), stored + 2)

    def test_marks_both_flags_and_writes_the_checksum(self):
        self.assertEqual(run("--check", self.exe).returncode, 1)
        self.assertEqual(run(self.exe).returncode, 0)
        with open(self.exe, "rb") as f:
            marked = f.read()
        flags_at, _ = pe_swap_run.header_offsets(marked)
        before = struct.unpack_from("<H", self.linked, flags_at)[0]
        after = struct.unpack_from("<H", marked, flags_at)[0]
        self.assertEqual(after, before | 0x0400 | 0x0800)
        self.assertEqual(pe_swap_run.problems(marked), [])
        self.assertEqual(run("--check", self.exe).returncode, 0)
        # Only the flags and the checksum changed.
        differing = [i for i in range(len(marked)) if marked[i] != self.linked[i]]
        self.assertTrue(all(flags_at <= i < flags_at + 2 or i in range(flags_at + 66, flags_at + 70)
                            for i in differing), differing)
        # A second run changes nothing.
        self.assertEqual(run(self.exe).returncode, 0)
        with open(self.exe, "rb") as f:
            self.assertEqual(f.read(), marked)

    def test_check_names_a_wrong_checksum(self):
        run(self.exe)
        with open(self.exe, "r+b") as f:
            f.seek(len(self.linked) - 1)
            f.write(b"\xAA" if self.linked[-1] != 0xAA else b"\x55")
        result = run("--check", self.exe)
        self.assertEqual(result.returncode, 1)
        self.assertIn("CheckSum", result.stderr)

    def test_no_pe_is_refused_and_left_as_it_was(self):
        for name, data in (("text.exe", b"not a program\n"), ("cut.exe", self.linked[:200]),
                           ("empty.exe", b"")):
            path = os.path.join(self.folder, name)
            with open(path, "wb") as f:
                f.write(data)
            result = run(path)
            self.assertEqual(result.returncode, 1, name)
            self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
            with open(path, "rb") as f:
                self.assertEqual(f.read(), data, name)
        self.assertEqual(run(os.path.join(self.folder, "missing.exe")).returncode, 1)
        self.assertEqual(sorted(os.listdir(self.folder)),
                         ["cut.exe", "empty.exe", "program.exe", "text.exe"])


if __name__ == "__main__":
    unittest.main()
