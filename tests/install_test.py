#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built game installed into a temporary prefix, as a desktop sees it.

  install_test.py CMAKE BUILD_DIR

Installs BUILD_DIR with `CMAKE --install` into a fresh prefix, then checks
that the desktop entry, the icons and the AppStream metainfo are there and
agree with each other (package_check.py validates them), that the copyright
and the compressed changelog are in the documentation, that the installed program
resolves its manual, cues and tunes into PREFIX/share/vexlorslots
(`vexlorslots --files`), and that it starts offscreen, in a home of its own,
up to its first frame without an error box (an error box would hold the start
until the timeout; its text goes to the standard error too).
"""
import configparser
import gzip
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zlib

sys.dont_write_bytecode = True

APP_ID = "org.vexlor.VexlorSlots"
ICON_SIDES = (48, 64, 128, 256)
SVG = "{http://www.w3.org/2000/svg}"
START_TIMEOUT = 45  # seconds; bounds a start that hangs, a normal one takes a few

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def png_pixels(path):
    """(width, height, rows of RGBA bytes) of an 8-bit RGBA PNG, else None."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    pos, header, idat = 8, None, b""
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    if header is None or header[2:5] != (8, 6, 0) or header[6] != 0:
        return None  # not 8-bit RGBA without interlacing
    width, height = header[:2]
    raw, stride, rows, prior = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prior[i]
            c = prior[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prior = line
    return width, height, rows


def check_icons(prefix):
    icons = os.path.join(prefix, "share/icons/hicolor")
    for side in ICON_SIDES:
        path = os.path.join(icons, f"{side}x{side}/apps/{APP_ID}.png")
        if not check(os.path.isfile(path), f"no {side}x{side} icon"):
            continue
        picture = png_pixels(path)
        if not check(picture is not None, f"{path}: not an 8-bit RGBA PNG"):
            continue
        width, height, rows = picture
        check((width, height) == (side, side), f"{path}: {width}x{height}, not {side}x{side}")
        # A round chip: clear in the corners, solid in the middle.
        check(rows[0][3] == 0 and rows[-1][-1] == 0, f"{path}: corners not transparent")
        check(rows[side // 2][side // 2 * 4 + 3] == 255, f"{path}: middle not opaque")
    svg = os.path.join(icons, f"scalable/apps/{APP_ID}.svg")
    if check(os.path.isfile(svg), "no scalable icon"):
        root = ET.parse(svg).getroot()
        check(root.tag == SVG + "svg" and root.get("viewBox") == "0 0 256 256",
              f"{svg}: not an SVG drawing of 256 x 256")
        check(len(root.findall(SVG + "path")) >= 5, f"{svg}: drawing without its shapes")
        check(root.find(".//" + SVG + "image") is None, f"{svg}: holds a picture, not shapes")


def check_desktop_entry(prefix):
    path = os.path.join(prefix, f"share/applications/{APP_ID}.desktop")
    if not check(os.path.isfile(path), "no desktop entry"):
        return
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(path)
    fields = entry["Desktop Entry"]
    program = fields.get("Exec", "").split()[0] if fields.get("Exec") else ""
    check(os.access(os.path.join(prefix, "bin", program), os.X_OK),
          f"Exec={fields.get('Exec')} is no installed program")
    check(fields.get("Icon") == APP_ID, f"Icon={fields.get('Icon')}, not {APP_ID}")
    check("Game" in fields.get("Categories", "").split(";"), "the entry is not in Game")


def check_metainfo(prefix):
    path = os.path.join(prefix, f"share/metainfo/{APP_ID}.metainfo.xml")
    if not check(os.path.isfile(path), "no metainfo"):
        return
    root = ET.parse(path).getroot()
    check(root.findtext("id") == APP_ID, "metainfo id differs from the application id")
    check(root.findtext("launchable") == APP_ID + ".desktop",
          "metainfo launches another desktop entry")
    binary = root.findtext("provides/binary")
    check(binary is not None and os.path.isfile(os.path.join(prefix, "bin", binary)),
          f"metainfo names the program {binary}, which is not installed")
    # A screenshot only where one is published, and then of the manual's.
    for image in root.findall("screenshots/screenshot/image"):
        shot = os.path.join(prefix, "share/vexlorslots/manual", os.path.basename(image.text))
        check(image.text.startswith("https://") and os.path.isfile(shot),
              f"the screenshot {image.text} is not one the build made and installed")


def check_documentation(prefix):
    doc = os.path.join(prefix, "share/doc/vexlorslots")
    with open(os.path.join(doc, "copyright"), encoding="utf-8") as f:
        check(f.readline().startswith("Format: https://www.debian.org/doc/packaging-manuals/"
                                      "copyright-format/1.0/"), "the copyright is not machine-readable")
    with gzip.open(os.path.join(doc, "changelog.gz"), "rt", encoding="utf-8") as f:
        check(re.match(r"vexlorslots \([0-9.]+\) ", f.readline()), "the changelog starts with no version")


def game_environment(home):
    env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
    env.update(HOME=home, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy",
               ASAN_OPTIONS=env.get("ASAN_OPTIONS", "detect_leaks=1"))
    return env


def check_files_found(prefix, env):
    program = os.path.join(prefix, "bin/vexlorslots")
    # A cue of the player's own comes before the installed one.
    player = os.path.join(env["HOME"], ".local/share/vexlorslots")
    os.makedirs(player)
    data = os.path.join(os.path.realpath(prefix), "share/vexlorslots")
    shutil.copy(os.path.join(data, "Vexlor1.wav"), os.path.join(player, "vexlor1.WAV"))
    result = run([program, "--files"], env=env, timeout=START_TIMEOUT)
    print(result.stdout.strip())
    check(result.returncode == 0, f"--files: exit {result.returncode}: {result.stderr.strip()}")
    folders, files = [], {}
    for line in result.stdout.splitlines():
        kind, _, path = line.partition(" ")
        if kind == "folder":
            folders.append(os.path.realpath(path))
        else:
            files.setdefault(kind, []).append(path)
    check(folders == [os.path.realpath(player), os.path.realpath(os.path.join(prefix, "bin")), data],
          f"the game searches {folders}")
    counts = sorted((kind, len(paths)) for kind, paths in files.items())
    check(counts == [("audio", 1), ("cue", 9), ("manual", 1), ("tune", 5)],
          f"the game lists {counts}")
    module = files.get("audio", ["?"])[0]
    check(os.path.isfile(module) and
          os.path.realpath(module).startswith(os.path.realpath(prefix) + os.sep),
          f"the audio module {module} is not the installed one")
    for kind, paths in files.items():
        for path in paths:
            if kind == "audio":
                continue
            own = os.path.basename(path) == "vexlor1.WAV"
            folder = os.path.realpath(player) if own else data
            check(os.path.dirname(os.path.realpath(path)) == folder,
                  f"the {kind} {path} is not read from {folder}")
    check(any(os.path.basename(p) == "vexlor1.WAV" for p in files.get("cue", [])),
          "the player's vexlor1.WAV is not used")


def check_manual_pictures(prefix, manual):
    data = os.path.join(prefix, "share/vexlorslots")
    with open(os.path.join(data, manual), encoding="utf-8") as f:
        pictures = set(re.findall(r'(?:src|srcset)="([^" ]+)', f.read()))
    check(pictures, f"the installed {manual} shows no pictures")
    for picture in sorted(pictures):
        check(os.path.isfile(os.path.join(data, picture)), f"{manual}'s {picture} is not installed")


def check_start(prefix, env):
    program = os.path.join(prefix, "bin/vexlorslots")
    # A second after its first frame the game has loaded its audio module.
    env = dict(env, VEXLOR_IDLE_SECONDS="1")
    try:
        result = run([program], env=env, timeout=START_TIMEOUT)
    except subprocess.TimeoutExpired as e:
        stderr = e.stderr.decode(errors="replace") if isinstance(e.stderr, bytes) else e.stderr
        check(False, f"no first frame within {START_TIMEOUT} s: {stderr or ''}".strip())
        return
    check(result.returncode == 0, f"start: exit {result.returncode}: {result.stderr.strip()}")
    check("Cannot" not in result.stderr and "no sound" not in result.stderr,
          f"start: {result.stderr.strip()}")


def main():
    cmake, build = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="vexlor-install-") as tmp:
        prefix = os.path.join(tmp, "prefix")
        env = dict(os.environ)
        env.pop("DESTDIR", None)
        installed = run([cmake, "--install", build, "--prefix", prefix], env=env)
        if installed.returncode != 0:
            print(installed.stdout + installed.stderr)
            return 1
        for root, _, names in sorted(os.walk(prefix)):
            for name in sorted(names):
                print(os.path.relpath(os.path.join(root, name), prefix))
        check_icons(prefix)
        check_desktop_entry(prefix)
        check_metainfo(prefix)
        check_documentation(prefix)
        for manual in ("vexlorslots.html", "vexlorslots.de.html"):
            if check(os.path.isfile(os.path.join(prefix, "share/vexlorslots", manual)),
                     f"no {manual} installed"):
                check_manual_pictures(prefix, manual)
        home = os.path.join(tmp, "home")
        os.mkdir(home)
        env = game_environment(home)
        check_files_found(prefix, env)
        check_start(prefix, env)
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
