#!/usr/bin/env python3
"""Fails when an export of kavoapi.h lacks its reference comment.

Makes the reference docs with tools/make-docs into a scratch folder and reads
doxygen's warning log: any warning on kavoapi.h (an undocumented function,
argument or result, or an @param naming no argument) and any undocumented
record fails the test, naming the export or record.  Record fields may go
without a comment where their names say enough.  Every function that the
header declares must also have its own entry in the HTML, so that a lost file
or group comment cannot hide undocumented functions from doxygen.

usage: check_docs.py ROOT
"""
import pathlib
import re
import subprocess
import sys
import tempfile

# The one reader of which functions the header declares.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "exports"))
from check_exports import header_functions  # noqa: E402

WARNING = re.compile(r"^(?P<file>[^:]+):(?P<line>\d+): warning: (?P<text>.*)$")
# What a warning is about: "Member NAME(...)", "member NAME", "parameter of NAME(",
# "list of NAME(", "Compound NAME".
SUBJECT = re.compile(r"[Mm]ember (\w+)|parameters? of (\w+)|list of (\w+)|Compound (\w+)")


def main(root):
    root = pathlib.Path(root)
    declared = sorted(header_functions(root / "include/kavoapi.h"))
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["bash", str(root / "tools/make-docs"), out], check=True, stdout=subprocess.DEVNULL)
        log = pathlib.Path(out, "doxygen-warnings.log").read_text(encoding="utf-8", errors="replace")
        pages = "".join(p.read_text(encoding="utf-8", errors="replace")
                        for p in pathlib.Path(out, "html").glob("group__*.html"))

    faults = []
    for line in log.splitlines():
        m = WARNING.match(line)
        if not m:
            # Doxygen names the undocumented parameters on the lines after.
            if line.startswith("  ") and faults and not faults[-1].endswith("(ignored)"):
                faults[-1] += " " + line.strip()
            continue
        name = pathlib.Path(m["file"]).name
        text = m["text"]
        if name == "kavoapi_records.h" and "(variable)" in text:
            faults.append("(ignored)")
            continue
        if name in ("kavoapi.h", "kavoapi_records.h"):
            subject = SUBJECT.search(text)
            who = next((g for g in subject.groups() if g), "?") if subject else "?"
            faults.append(f"{who}: {name}:{m['line']}: {text}")
        elif name.endswith(".md") or "Doxyfile" in name:
            faults.append(f"{name}:{m['line']}: {text}")

    for function in declared:
        # Doxygen gives each documented function a heading of its own.
        if not re.search(r'<h2 class="memtitle">.*?\b%s\b' % re.escape(function), pages):
            faults.append(f"{function}: no entry in the reference docs (not in a documented group)")

    # Doxygen repeats some warnings; report each fault once.
    faults = [f for f in dict.fromkeys(faults) if f != "(ignored)"]
    for fault in faults:
        print(fault)
    print(f"check_docs: {len(declared)} exports, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
