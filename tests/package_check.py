#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The distribution's own checkers on the game's desktop files and package.

  package_check.py desktop ENTRY        desktop-file-validate
  package_check.py metainfo METAINFO    appstreamcli validate --pedantic, offline:
                                        only pedantic notes pass
  package_check.py lintian CPACK CONFIG [TAG...]
                                        the Debian package CPack makes from
                                        CONFIG, checked by lintian; an error or
                                        warning fails, except the TAGs named

Exits 77 (skipped), with the reason, when the checker is not installed.
"""
import glob
import re
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    output = (result.stdout + result.stderr).strip()
    print(f"{' '.join(command)}: exit {result.returncode}")
    if output:
        print(output)
    return result.returncode, output


def desktop(entry):
    code, output = run(["desktop-file-validate", entry])
    return 0 if code == 0 and not output else 1


def metainfo(path):
    code, output = run(["appstreamcli", "validate", "--pedantic", "--no-net", path])
    # Errors, warnings and infos are lines of their own: "E:", "W:", "I:".
    findings = [line for line in output.splitlines() if re.match(r"[EWI]: ", line)]
    return 0 if code == 0 and not findings else 1


def lintian(cpack, config, *allowed):
    with tempfile.TemporaryDirectory(prefix="vexlor-package-") as folder:
        code, output = run([cpack, "--config", config, "-B", folder])
        packages = glob.glob(f"{folder}/*.deb")
        if code != 0 or len(packages) != 1:
            print(f"FAILED: CPack made {len(packages)} packages")
            return 1
        command = ["lintian", "--fail-on", "error,warning", "--display-info"]
        if allowed:
            command += ["--suppress-tags", ",".join(allowed)]
        return run(command + packages)[0]


def main():
    kind, args = sys.argv[1], sys.argv[2:]
    checks = {"desktop": ("desktop-file-validate", desktop),
              "metainfo": ("appstreamcli", metainfo),
              "lintian": ("lintian", lintian)}
    tool, check = checks[kind]
    if shutil.which(tool) is None:
        print(f"skipped: {tool} is not installed")
        return SKIPPED
    return check(*args)


if __name__ == "__main__":
    sys.exit(main())
