#!/usr/bin/env python3
"""Checks the 32-bit Vantmods_x32.dll against its header and .def file.

- every C function the header declares WINAPI is in the .def and exported
  undecorated at the .def's ordinal;
- every C++ member the .def lists is exported at its ordinal, and the DLL
  exports nothing the .def does not list;
- the DLL imports system DLLs only.
"""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "exports"))
import check_exports  # noqa: E402


def def_entries(path):
    entries = {}
    for line in open(path, encoding="utf-8"):
        line = line.split(";", 1)[0].strip()
        m = re.match(r"^(\w+?)(?:@\d+)?\s+@(\d+)$", line)
        if m:
            if m.group(1) in entries:
                sys.exit(f"{m.group(1)} listed twice in the .def")
            entries[m.group(1)] = int(m.group(2))
    if len(set(entries.values())) != len(entries):
        sys.exit("an ordinal is given twice in the .def")
    return entries


def main():
    objdump, dll, header, deffile = sys.argv[1:5]
    declared = check_exports.header_functions(header)
    listed = def_entries(deffile)
    exports, imports, base = check_exports.dll_tables(objdump, dll)
    failures = []
    for name in sorted(declared - set(listed)):
        failures.append(f"declared but not in the .def: {name}")
    for name in sorted(set(exports) ^ set(listed)):
        failures.append(f".def and DLL differ on: {name}")
    for name, ordinal in sorted(listed.items()):
        if name in exports and exports[name] + base != ordinal:
            failures.append(f"{name} exported at ordinal {exports[name] + base}, the .def fixes {ordinal}")
    for dll_name in sorted(imports - (check_exports.SYSTEM_DLLS - {"vantmods_x32.dll"})):
        failures.append(f"imports a non-system DLL: {dll_name}")
    for f in failures:
        print(f)
    print(f"{len(exports)} exports, {len(declared)} C functions declared")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
