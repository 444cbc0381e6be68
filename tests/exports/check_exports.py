#!/usr/bin/env python3
"""Checks the 32-bit DLL against the public header and the .def file.

- every function the header declares WINAPI is exported, undecorated, and
  nothing else is;
- the .def names the same functions, each with a fixed ordinal, and the DLL
  exports each at its ordinal;
- the DLL imports system DLLs only (and our sibling library).
"""
import re
import subprocess
import sys

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "rpcrt4.dll", "msvcrt.dll",
    "comdlg32.dll", "comctl32.dll", "gdiplus.dll", "shell32.dll", "ole32.dll", "oleaut32.dll",
    "wininet.dll", "shlwapi.dll", "version.dll", "winmm.dll", "msimg32.dll", "vantmods_x32.dll",
}


def header_functions(path):
    text = open(path, encoding="utf-8").read()
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    return set(re.findall(r"\bWINAPI\s+(\w+)\s*\(", text))


# A .def line of a decorated stdcall name: "name@bytes @ordinal".
DECORATED_LINE = r"^(\w+)@\d+\s+@(\d+)$"


def def_ordinals(path, line_pattern=DECORATED_LINE):
    """The .def's names and ordinals; a name or an ordinal given twice stops the check."""
    entries = {}
    for line in open(path, encoding="utf-8"):
        line = line.split(";", 1)[0].strip()
        m = re.match(line_pattern, line)
        if m:
            name, ordinal = m.group(1), int(m.group(2))
            if name in entries:
                sys.exit(f"{name} listed twice in the .def")
            entries[name] = ordinal
    ordinals = list(entries.values())
    if len(ordinals) != len(set(ordinals)):
        sys.exit("an ordinal is given twice in the .def")
    return entries


def dll_tables(objdump, dll):
    out = subprocess.run([objdump, "-p", dll], check=True, capture_output=True, text=True).stdout
    exports, imports = {}, set()
    in_exports = False
    for line in out.splitlines():
        if line.startswith("[Ordinal/Name Pointer] Table"):
            in_exports = True
            continue
        if in_exports:
            m = re.match(r"^\s+\[\s*(\d+)\]\s+(\S+)$", line)
            if m:
                exports[m.group(2)] = int(m.group(1))
                continue
            in_exports = False
        m = re.match(r"^\s+DLL Name: (\S+)$", line)
        if m:
            imports.add(m.group(1).lower())
    base = re.search(r"^Ordinal Base\s+(\d+)", out, re.M)
    return exports, imports, int(base.group(1)) if base else 1


def ordinal_and_import_failures(listed, exports, base, imports, allowed_dlls):
    """Names exported away from their .def ordinal, and DLLs imported beyond those allowed."""
    failures = []
    # objdump shows each name with its index into the address table, which
    # starts at the ordinal base.
    for name, ordinal in sorted(listed.items()):
        if name in exports and exports[name] + base != ordinal:
            failures.append(f"{name} exported at ordinal {exports[name] + base}, the .def fixes {ordinal}")
    for dll_name in sorted(imports - allowed_dlls):
        failures.append(f"imports a non-system DLL: {dll_name}")
    return failures


def main():
    objdump, dll, header, deffile = sys.argv[1:5]
    declared = header_functions(header)
    listed = def_ordinals(deffile)
    exports, imports, base = dll_tables(objdump, dll)
    failures = []
    for name in sorted(set(exports) - declared):
        failures.append(f"exported but not in the header: {name}")
    for name in sorted(declared - set(exports)):
        failures.append(f"declared but not exported: {name}")
    for name in sorted(set(listed) ^ declared):
        failures.append(f"header and .def differ on: {name}")
    for name in exports:
        if "@" in name or name.startswith("_"):
            failures.append(f"decorated export: {name}")
    failures += ordinal_and_import_failures(listed, exports, base, imports, SYSTEM_DLLS)
    for f in failures:
        print(f)
    print(f"{len(exports)} exports, {len(declared)} declared, imports: {', '.join(sorted(imports))}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
