#!/bin/sh
# csharp_layout_check.sh SOURCE_DIR WORK_DIR: compiles the C# binding with
# CSharpLayoutCheck.cs under mono and runs it against clang's 64-bit layout
# of the header (mono here is a 64-bit runtime).
set -eu
root=$1 work=$2
command -v mcs >/dev/null && command -v mono >/dev/null || {
    echo "no mono here (install mono-devel; ./run does)" >&2
    exit 1
}
mkdir -p "$work"
python3 "$root/tools/gen-bindings" --layout x86_64 --table "$work/layout64.txt"
mcs -nologo -warnaserror -out:"$work/csharp_layout_check.exe" "$root/bindings/csharp/KavoApi.cs" \
    "$root/tests/bindings/CSharpLayoutCheck.cs"
mono "$work/csharp_layout_check.exe" "$work/layout64.txt" "$root/include/kavoapi.h"
