#!/bin/bash
# Checks a built plug-in as a file: a PE32 i386 DLL named Glimmerbox.nbp in
# its export table, exporting exactly the nine entry points by name and
# ordinal, importing only Windows system DLLs, with a version resource.
# Usage: check-dll-image.sh <Glimmerbox.nbp> <edition>
set -euo pipefail
dll=$1
edition=$2
dump=$(i686-w64-mingw32-objdump -p "$dll")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

grep -q "file format pei-i386" <<<"$dump" || fail "not a PE32 i386 image"
grep -qE "^Name[[:space:]]+[0-9a-f]+ Glimmerbox\.nbp$" <<<"$dump" || fail "export table name is not Glimmerbox.nbp"

expected="1 nbAbout
2 nbMessage
3 nbRegisterStreamAccess
4 nbRegisterInterfaceAccess
5 nbRegisterScriptProcessor
6 nbRegisterPlugIn
7 nbInitPlugIn
8 nbExecAction
9 nbEditAction"
# "[   0] nbAbout" lines list names with their ordinal minus the base (1).
actual=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
    sed -nE 's/^\s*\[\s*([0-9]+)\] (.*)$/\1 \2/p' | awk '{print $1 + 1, $2}' | sort -n)
[[ "$actual" == "$expected" ]] || fail "exports differ:"$'\n'"$actual"

allowed='^(kernel32|user32|gdi32|comctl32|ole32|oleaut32|msvcrt|advapi32|msimg32|shell32|shlwapi|uxtheme|comdlg32)\.dll$'
while read -r imported; do
    [[ "${imported,,}" =~ $allowed ]] || fail "imports non-system DLL $imported"
done < <(sed -nE 's/^\s*DLL Name: (.*)$/\1/p' <<<"$dump")

python3 - "$dll" "$edition" <<'PY' || failures=$((failures + 1))
import sys
data = open(sys.argv[1], "rb").read()
edition = sys.argv[2]
need = ["VS_VERSION_INFO", "FileVersion", "1.01", "ProductVersion", "ProductName", "Glimmerbox",
        "CompanyName", "FileDescription"]
need.append("светодиодные" if edition == "ru" else "LED text displays")
missing = [s for s in need if s.encode("utf-16-le") not in data]
if missing:
    print("FAIL: version resource lacks", missing)
    sys.exit(1)
PY

if ((failures)); then
    echo "$dll: $failures problem(s)"
    exit 1
fi
echo "$dll: PE32 DLL, nine exports, system imports only, version resource present"
