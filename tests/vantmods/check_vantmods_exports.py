#!/usr/bin/env python3
"""Checks the 32-bit Vantmods_x32.dll against its header and .def file.

- every C function the header declares WINAPI is in the .def and exported
  undecorated at the .def's ordinal;
- every C++ member the .def lists is exported at its ordinal, and the DLL
  exports nothing the .def does not list;
- the DLL imports system DLLs only.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "exports"))
import check_exports  # noqa: E402


def main():
    objdump, dll, header, deffile = sys.argv[1:5]
    declared = check_exports.header_functions(header)
    # C++ members stand undecorated in this .def.
    listed = check_exports.def_ordinals(deffile, r"^(\w+?)(?:@\d+)?\s+@(\d+)$")
    exports, imports, base = check_exports.dll_tables(objdump, dll)
    failures = []
    for name in sorted(declared - set(listed)):
        failures.append(f"declared but not in the .def: {name}")
    for name in sorted(set(exports) ^ set(listed)):
        failures.append(f".def and DLL differ on: {name}")
    failures += check_exports.ordinal_and_import_failures(
        listed, exports, base, imports, check_exports.SYSTEM_DLLS - {"vantmods_x32.dll"})
    for f in failures:
        print(f)
    print(f"{len(exports)} exports, {len(declared)} C functions declared")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
