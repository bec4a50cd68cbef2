#!/usr/bin/env python3
"""DemoDisc.exe signed by tools/sign-exe.sh with a throwaway certificate
starts under Wine from the sample disc and shows its main window, without an
error message: the signature, appended to the file, leaves the program whole.

Runs inside the display and the Wine prefix that the test command set up.

  signed_exe_starts.py <DemoDisc.exe> <tests-bin folder> <source folder> <work folder>
"""

import os
import shutil
import subprocess
import sys

from wine_driver import configure, log, pointer, probe, settle, start_program

EXE, TESTS_BIN, SOURCE, WORK = sys.argv[1:5]
configure(TESTS_BIN, WORK)


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    certs, disc = os.path.join(WORK, "certs"), os.path.join(WORK, "disc")
    subprocess.run([os.path.join(SOURCE, "tests", "tools", "make-test-certificate.sh"), certs,
                    "signer", "codeSigning"], check=True)
    subprocess.run([os.path.join(SOURCE, "tools", "make-sample-disc.sh"), disc, EXE], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    exe = os.path.join(disc, "DemoDisc.exe")
    unsigned_size = os.path.getsize(exe)
    subprocess.run([os.path.join(SOURCE, "tools", "sign-exe.sh"),
                    "--pfx", os.path.join(certs, "signer.pfx"),
                    "--password-file", os.path.join(certs, "password.txt"), exe],
                   check=True, stderr=subprocess.DEVNULL, env=dict(os.environ, TMPDIR=WORK))
    verified = subprocess.run(["osslsigncode", "verify", "-CAfile", os.path.join(certs, "signer.pem"),
                               "-in", exe], capture_output=True, text=True)
    if verified.returncode != 0 or os.path.getsize(exe) <= unsigned_size:
        log("FAIL the exe on the disc is not signed:", verified.stdout[-300:])
        return 1

    failures = []
    proc = None
    try:
        proc, main_window, failures = start_program("DemoDisc.exe", disc, "Demodisc")
        left, top, right, _ = main_window.windows[0]["rect"]
        pointer(right - 14, top + 12, click=True)
        proc.wait(timeout=20)
    except (subprocess.TimeoutExpired, SystemExit) as e:
        failures.append(f"the signed exe did not start and close: {e}")
        if proc:
            proc.kill()
    finally:
        if probe("TMainForm")[1] != 1:
            subprocess.run(["wineserver", "-k"], check=False)
    settle()
    for failure in failures:
        log("FAIL", failure)
    if not failures:
        log("the signed DemoDisc.exe verifies, starts, shows its main window and closes")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
