#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every message of every translation is translated, with the placeholders
(%1 … %9, %n) of its English source, and keeps its menu access letter."""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

PLACES = re.compile(r"%(\d|n)")
files = sorted(pathlib.Path(sys.argv[1]).glob("*.ts"))
faults = []
for ts in files:
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            where = f"{ts.name} {name}: {source!r}"
            if translation.get("type") in ("unfinished", "obsolete", "vanished"):
                faults.append(f"{where} is {translation.get('type')}")
            for text in forms:
                if not text.strip():
                    faults.append(f"{where} has an empty translation")
                elif sorted(PLACES.findall(text)) != sorted(PLACES.findall(source)):
                    faults.append(f"{where} places {PLACES.findall(text)} in {text!r}")
                elif name == "Menu" and ("&" in source) != ("&" in text):
                    faults.append(f"{where} loses its access letter in {text!r}")
if not files:
    faults.append(f"no .ts files in {sys.argv[1]}")
print("\n".join(faults) or f"{len(files)} translation file(s) complete")
sys.exit(1 if faults else 0)
