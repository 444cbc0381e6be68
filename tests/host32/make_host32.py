#!/usr/bin/env python3
"""Writes a C host that takes the address of every function kavoapi.h
declares: compiled as C11 against the header and linked for i686 through
KavoApi.lib, each reference needs the stdcall name of the declaration's
argument bytes, so a declaration that does not match the module fails to
link.  The list comes from the header, so a new function needs nothing here.
usage: make_host32.py kavoapi.h out.c"""
import pathlib
import sys

# The one reader of which functions the header declares.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "exports"))
from check_exports import header_functions  # noqa: E402

header, out = sys.argv[1:3]
names = sorted(header_functions(header))
with open(out, "w", encoding="utf-8") as f:
    f.write('#include "kavoapi.h"\n\n')
    # void (*)(void) is the one function type every other converts to
    # without a warning.
    f.write("typedef void (*any_function)(void);\n\nstatic const any_function all[] = {\n")
    f.writelines(f"    (any_function){name},\n" for name in names)
    f.write("};\n\nint main(int argc, char **argv)\n{\n    (void)argv;\n")
    f.write("    return all[argc % (int)(sizeof all / sizeof all[0])] == 0;\n}\n")
