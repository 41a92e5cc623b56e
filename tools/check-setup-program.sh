#!/usr/bin/env bash
# Checks a built Setup.exe without running it, so that it runs on every host:
#   check-setup-program.sh ARCH SETUP_EXE      (ARCH: i686 or x86_64)
# the program kind, that it imports only KERNEL32.dll and msvcrt.dll (every
# other system DLL is bound at first use from System32), the Windows version
# its header asks for and that every function it binds exists there
# (tools/windows-floor.txt), the manifest's architecture (Windows refuses a
# program whose manifest names another one), the version resource and, for
# the 32-bit program, its stripped size.
set -euo pipefail
arch=$1
program=$2
case $arch in
  i686) format=pei-i386 magic='(PE32)' manifest_arch=x86 ;;
  x86_64) format=pei-x86-64 magic='(PE32+)' manifest_arch=amd64 ;;
  *) echo "check-setup-program: unknown architecture $arch" >&2; exit 2 ;;
esac

failures=0
check() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" = "$actual" ]; then
    echo "ok: $what: $actual"
  else
    echo "FAILED: $what: expected '$expected', found '$actual'"
    failures=$((failures + 1))
  fi
}

# One objdump reads both kinds, so a program of the wrong kind fails a check.
headers=$(x86_64-w64-mingw32-objdump -p "$program")
check "file format" "$format" "$(echo "$headers" | sed -n 's/.*file format \(.*\)$/\1/p' | head -n 1)"
check "optional header" "$magic" "$(echo "$headers" | awk '$1 == "Magic" { print $3 }')"
check "subsystem" "(Windows GUI)" "$(echo "$headers" | awk '$1 == "Subsystem" { print $3, $4 }')"
check "imported DLLs" "KERNEL32.dll msvcrt.dll" \
  "$(echo "$headers" | sed -n 's/^\tDLL Name: //p' | sort | xargs)"

floor_list="$(dirname "$0")/windows-floor.txt"
floor=$(awk '$1 == "version" { print $2; exit }' "$floor_list")
floor_name=$(awk '$1 == "version" { $1 = $2 = ""; sub(/^ +/, ""); print; exit }' "$floor_list")
header_version() { echo "$headers" | awk -v major="Major$1" -v minor="Minor$1" \
  '$1 == major { m = $2 } $1 == minor { n = $2 } END { print m "." n }'; }
check "operating-system version" "$floor" "$(header_version OSystemVersion)"
check "subsystem version" "$floor" "$(header_version SubsystemVersion)"
# Every function bound at start (import table) or at first use (the delayed
# imports' "dll!function" names): a new one must be looked up before it ships.
imports=$( { echo "$headers" | awk '/DLL Name:/ { dll = tolower($3); sub(/\.dll$/, "", dll); next }
                                  /^The / { dll = "" }
                                  dll != "" && /^\t[0-9a-f]+\t/ { print dll, $3 }'
             grep -a -o '[a-z0-9]*\.dll![A-Za-z0-9_]*' "$program" | sed 's/\.dll!/ /'; } | sort -u)
unknown=$(comm -23 <(echo "$imports") <(grep -v -e '^#' -e '^version ' "$floor_list" | sort -u))
if [ -z "$imports" ]; then
  echo "FAILED: no imported functions found"
  failures=$((failures + 1))
elif [ -n "$unknown" ]; then
  echo "$unknown" | while read -r dll function; do
    echo "FAILED: $dll!$function is not known to exist on $floor_name ($floor):" \
      "look up its minimum Windows, then list it in tools/windows-floor.txt or raise the version there"
  done
  failures=$((failures + $(echo "$unknown" | wc -l)))
else
  echo "ok: all $(echo "$imports" | wc -l) imported functions exist on $floor_name"
fi
check "manifest architectures" "$manifest_arch $manifest_arch" \
  "$(grep -a -o 'processorArchitecture="[^"]*"' "$program" | cut -d'"' -f2 | xargs)"
# Version strings are UTF-16: each value follows its name.
version_value() { strings -el "$program" | awk -v name="$1" 'found { print; exit } $0 == name { found = 1 }'; }
check "FileVersion" "1.60" "$(version_value FileVersion)"
check "ProductVersion" "1.60" "$(version_value ProductVersion)"
check "ProductName" "Zelmora" "$(version_value ProductName)"

# The 32-bit program as it ships, stripped, stays within 800 KiB.
if [ "$arch" = i686 ]; then
  stripped=$(mktemp)
  x86_64-w64-mingw32-strip -o "$stripped" "$program"
  size=$(stat -c %s "$stripped")
  rm -f "$stripped"
  if [ "$size" -le 819200 ]; then
    echo "ok: stripped size: $size bytes (at most 819200)"
  else
    echo "FAILED: stripped size: $size bytes, more than 819200 (800 KiB)"
    failures=$((failures + 1))
  fi
fi

[ "$failures" = 0 ] || { echo "$failures check(s) failed for $program"; exit 1; }
