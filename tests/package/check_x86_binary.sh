#!/bin/bash
# What can be checked of the x86 program without running it.
set -euo pipefail
# The tools' own words are matched below.
export LC_ALL=C
program="$1"
objdump=i686-w64-mingw32-objdump
fail() { echo "FAIL: $*"; exit 1; }

[ -f "$program" ] || fail "no x86 program at $program"
header=$($objdump -f "$program")
grep -q "file format pei-i386" <<<"$header" || fail "not an i386 program"
grep -q "architecture: i386" <<<"$header" || fail "machine type is not i386"

# The manifest resource: the x86 identity, run as invoker, no common controls 6.
manifest=$(i686-w64-mingw32-strings -n 8 "$program" | tr -d '\r' | sed -n '/<assembly/,/<\/assembly>/p')
grep -q 'processorArchitecture="x86"' <<<"$manifest" || fail "manifest does not name x86"
grep -q 'level="asInvoker"' <<<"$manifest" || fail "manifest does not ask for asInvoker"
if grep -qi 'Microsoft.Windows.Common-Controls' <<<"$manifest"; then fail "manifest asks for common controls 6"; fi

# The icon group and the version record with its Chinese (Simplified),
# Unicode string table.
wide=$(i686-w64-mingw32-strings -el -n 6 "$program")
grep -q '080404B0' <<<"$wide" || fail "no Chinese (Simplified) Unicode string table"
grep -q '1.0.0.0' <<<"$wide" || fail "no version 1.0.0.0"
grep -q 'DEFAULT_ICON' <<<"$wide" || fail "no icon group DEFAULT_ICON"

# Imports only from the system's own libraries.
allowed="kernel32.dll user32.dll gdi32.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll msvcrt.dll advapi32.dll"
imports=$($objdump -p "$program" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
[ -n "$imports" ] || fail "no imports found"
for library in $imports; do
    case " $allowed " in
        *" $library "*) ;;
        *) fail "imports from a library that is not the system's: $library" ;;
    esac
done
echo "x86 program: i386, manifest x86 asInvoker, imports: $(echo $imports)"
