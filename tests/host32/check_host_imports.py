#!/usr/bin/env python3
"""The C host must import every declared function from KavoApi.dll by its
plain name (never decorated, never by a bare ordinal)."""
import re
import subprocess
import sys

objdump, exe, header = sys.argv[1:4]
text = re.sub(r"/\*.*?\*/", " ", open(header, encoding="utf-8").read(), flags=re.S)
declared = set(re.findall(r"\bWINAPI\s+(\w+)\s*\(", text))
out = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
imported, current = set(), None
for line in out.splitlines():
    m = re.match(r"^\s+DLL Name: (\S+)$", line)
    if m:
        current = m.group(1)
        continue
    m = re.match(r"^\s+[0-9a-f]+\s+\d+\s+(\S+)$", line)
    if m and current == "KavoApi.dll":
        imported.add(m.group(1))
missing = sorted(declared - imported)
odd = sorted(imported - declared)
for name in missing:
    print(f"not imported by plain name: {name}")
for name in odd:
    print(f"unexpected import: {name}")
print(f"{len(imported)} functions imported from KavoApi.dll")
sys.exit(1 if missing or odd else 0)
