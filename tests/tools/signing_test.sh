#!/usr/bin/env bash
# The release's signing step on the suite's Setup.exe, with a throwaway CA and
# code-signing certificate: the signature verifies against that CA, it covers
# the digest that tools/authenticode-digest.sh gives for the unsigned file, a
# file other than the compared one is refused, and the signed program still
# starts and shows the wizard. In the Wine rig:   signing_test.sh ARCH SETUP_EXE
set -euo pipefail
arch=$1
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$2" "$scratch/Setup-unsigned.exe"
cd "$scratch"
fail() { echo "FAILED: $*"; exit 1; }
# Runs a step quietly; when it fails, what it said is shown with the failure.
quietly() { "$@" >step.log 2>&1 || { cat step.log; fail "$*"; }; }

quietly openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway CA" -keyout ca.key \
  -out ca.crt -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign
quietly openssl req -newkey rsa:2048 -nodes -subj "/CN=Throwaway Publisher" -keyout signer.key -out signer.csr
printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' > signer.ext
quietly openssl x509 -req -in signer.csr -CA ca.crt -CAkey ca.key -CAcreateserial -days 2 \
  -extfile signer.ext -out signer.crt
export ZELMORA_SIGN_PASSWORD=throwaway
quietly openssl pkcs12 -export -inkey signer.key -in signer.crt -passout env:ZELMORA_SIGN_PASSWORD -out signer.p12
echo "osslsigncode: $(osslsigncode --version 2>&1 | head -1)"

sum=$(sha256sum < Setup-unsigned.exe | cut -d' ' -f1)
sign() { "$tools/sign-setup.sh" signer.p12 https://zelmora.example/ Setup-unsigned.exe "$1" Setup.exe; }
other_sum=$(printf '%s' "$sum" | tr '0-9a-f' '1-9a-f0')  # every digit changed
if sign "$other_sum" >step.log 2>&1 || [ -e Setup.exe ]; then fail "signed a file that was not compared"; fi
grep -q "not the file both builds agreed on" step.log || { cat step.log; fail "refused for another reason"; }
quietly sign "$sum"
osslsigncode verify -CAfile ca.crt -in Setup.exe > verify.txt || { cat verify.txt; fail "verify"; }
covered=$(sed -n 's/^Current message digest *: *\([0-9A-F]*\).*/\1/p' verify.txt)
computed=$("$tools/authenticode-digest.sh" Setup-unsigned.exe)
[ "$covered" = "$computed" ] || fail "the signature covers '$covered', the unsigned file gives $computed"
echo "ok: signed, verified against the throwaway CA, covers $covered"

# One start: the wizard's window appears on the rig's display (bounded wait).
wizard_shown() { xwininfo -root -tree | grep -qF '"Zelmora Setup"'; }
! wizard_shown || fail "a wizard window is already open"
"$tools/wine-run.sh" "$arch" Setup.exe >/dev/null 2>&1 &
setup=$!
for _ in $(seq 100); do wizard_shown && break; sleep 0.2; done
shown=$(wizard_shown && echo 1 || echo 0)
kill "$setup"
wait "$setup" || true
[ "$shown" = 1 ] || fail "the signed Setup.exe showed no wizard within 20 s"
echo "ok: the signed Setup.exe shows the wizard"
