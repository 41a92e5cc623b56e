#!/usr/bin/env bash
# Signs a Setup.exe that both reproducible builds agreed on with Authenticode
# (SHA-256, osslsigncode), carrying the program's name and the given address:
#   sign-setup.sh [--key KEY] [--timestamp URL] CERT URL UNSIGNED COMPARED_SHA256 SIGNED
# CERT is a PKCS#12 file, or with --key a certificate (chain) and its private
# key. The password comes from the file named by ZELMORA_SIGN_PASSWORD_FILE or
# from ZELMORA_SIGN_PASSWORD, never from the command line, where every user of
# the machine could read it. --timestamp names an RFC 3161 timestamp server.
# Refuses UNSIGNED unless its SHA-256 is COMPARED_SHA256, the sum both builds
# came out with. Prints the Authenticode digest that the signature covers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
usage() {
  echo "usage: sign-setup.sh [--key KEY] [--timestamp URL] CERT URL UNSIGNED COMPARED_SHA256 SIGNED" >&2
  exit 2
}

credentials=() timestamp=()
while [ $# -gt 0 ]; do
  case $1 in
    --key) [ $# -ge 2 ] || usage; key=$2; shift 2 ;;
    --timestamp) [ $# -ge 2 ] || usage; timestamp=(-ts "$2"); shift 2 ;;
    -*) usage ;;
    *) break ;;
  esac
done
[ $# = 5 ] || usage
certificate=$1 url=$2 unsigned=$3 compared=$4 signed=$5
if [ -n "${key:-}" ]; then
  credentials=(-certs "$certificate" -key "$key")
else
  credentials=(-pkcs12 "$certificate")
fi

sum=$(sha256sum < "$unsigned" | cut -d' ' -f1)
if [ "$sum" != "$compared" ]; then
  echo "sign-setup: not signing $unsigned: it is not the file both builds agreed on" \
    "(SHA-256 $sum, compared $compared)" >&2
  exit 1
fi

# osslsigncode's own words go to its standard output; kept, and shown when it fails.
sign() {
  if ! osslsigncode sign "${credentials[@]}" "$@" -h sha256 -n "Zelmora Setup" -i "$url" \
      "${timestamp[@]}" -in "$unsigned" -out "$signed.partial" </dev/null >"$work/osslsigncode.log" 2>&1; then
    echo "sign-setup: osslsigncode could not sign $unsigned:" >&2
    cat "$work/osslsigncode.log" >&2
    exit 1
  fi
}
# A folder only this process's user can enter, in memory where the system has one.
work=$(mktemp -d -p "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'rm -rf "$work"; rm -f "$signed.partial"' EXIT
if [ -n "${ZELMORA_SIGN_PASSWORD_FILE:-}" ]; then
  sign -readpass "$ZELMORA_SIGN_PASSWORD_FILE"
elif [ -n "${ZELMORA_SIGN_PASSWORD:-}" ]; then
  # osslsigncode 2.5 (Debian 12) reads -readpass only from a file, not from "-":
  # a private one, written by the built-in printf (no argument list shows the
  # password), removed on exit.
  (umask 077 && printf '%s' "$ZELMORA_SIGN_PASSWORD" > "$work/password")
  sign -readpass "$work/password"
else
  sign
fi

# What the signature holds against what the unsigned file gives. osslsigncode
# 2.5 prints no digest until a CA file is loaded, and a minimal system has no
# certificate store: the certificates the signature carries serve as that file.
# The chain is not judged here: the signer's CA may be one no machine here knows.
osslsigncode extract-signature -pem -in "$signed.partial" -out "$work/signature.pem" \
  >"$work/verify.log" 2>&1 &&
  openssl pkcs7 -print_certs -in "$work/signature.pem" -out "$work/chain.pem" >>"$work/verify.log" 2>&1 &&
  { osslsigncode verify -CAfile "$work/chain.pem" -in "$signed.partial" >>"$work/verify.log" 2>&1 || true; }
covered=$(sed -n 's/^Current message digest *: *\([0-9A-F]*\).*/\1/p' "$work/verify.log")
expected=$("$top/tools/authenticode-digest.sh" "$unsigned")
if [ "$covered" != "$expected" ]; then
  echo "sign-setup: the signature covers '$covered', the unsigned file gives $expected;" \
    "osslsigncode said:" >&2
  cat "$work/verify.log" >&2
  exit 1
fi
mv "$signed.partial" "$signed"
echo "$covered"
