#!/usr/bin/env bash
# Prints the SHA-256 Authenticode digest of a Windows program, in capitals as
# osslsigncode shows it:   authenticode-digest.sh PROGRAM
# For a signed program: the digest its signature must cover. For an unsigned
# one: the digest that signing it will cover, so a reproducible build can be
# tied to a signed release. The digest is the SHA-256 of the file without its
# header checksum (4 bytes), without the certificate table's entry in the data
# directory (8 bytes) and without the certificate table itself at the end. The
# format hashes the headers, the sections in file order and what follows them:
# for sections that follow one another without gaps, as the GNU linker lays
# them out, that is the file in order. A signing tool first pads an unsigned
# file with zero bytes to a multiple of 8, and the padding is covered, so it is
# added here.
set -euo pipefail
program=$1

number() { od -An -t"u$3" -j "$2" -N"$3" "$1" | tr -d ' '; }
# bytes FILE OFFSET [COUNT]: the file's bytes from OFFSET on (COUNT of them).
bytes() { dd if="$1" iflag=skip_bytes,count_bytes skip="$2" ${3:+count="$3"} bs=64K status=none; }

optional_header=$(($(number "$program" 60 4) + 24))
case $(number "$program" "$optional_header" 2) in
  267) directory=$((optional_header + 96)) ;;   # PE32
  523) directory=$((optional_header + 112)) ;;  # PE32+
  *) echo "authenticode-digest: $program is not a Windows program" >&2; exit 1 ;;
esac
checksum=$((optional_header + 64))
certificate_entry=$((directory + 4 * 8))
table=$(number "$program" "$certificate_entry" 4)
if [ "$table" = 0 ]; then
  size=$(stat -c %s "$program")
  end=$size padding=$(((8 - size % 8) % 8))
else
  end=$table padding=0
fi

{
  bytes "$program" 0 "$checksum"
  bytes "$program" $((checksum + 4)) $((certificate_entry - checksum - 4))
  bytes "$program" $((certificate_entry + 8)) $((end - certificate_entry - 8))
  head -c "$padding" /dev/zero
} | sha256sum | cut -d' ' -f1 | tr a-f A-F
