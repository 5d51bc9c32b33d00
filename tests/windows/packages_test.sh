#!/bin/sh
# The Windows files as a publisher ships them, made again from the program already built:
# - reproducible: a second build of the program, from a copy of the source in another folder,
#   under another time zone and umask, packs into the same program file, zip and installer;
# - signed, with a throwaway root and code-signing certificate, the program file, the program file
#   in the zip, the program file in the installer and the installer verify against that root,
#   and the password appears nowhere in what the build prints;
#   and installed over: the unsigned build installs, and again over itself; the signed build, another
#   build of the same version, then installs over it in place, with one entry among the installed
#   programs.
#
# The first needs no Wine, and runs beside the tests that do.
#
# packages_test.sh reproducible|signed SOURCE_DIR PACKAGES_DIR PACKAGE FILE_NAME \
#   [RUNNER SESSION PRODUCT_NAME]
set -eu
what=$1 source=$2 built=$3 package=$4 file_name=$5
. "$(dirname "$0")/../lib.sh"
for file in "$file_name" "$package.zip" "$package.msi"; do
  [ -s "$built/$file" ] || fail "no $built/$file: run tools/windows.sh"
done
# Every time in the files is the build's (the last commit's, unless the builder set another),
# which the program file's header holds: the second build takes the same.
SOURCE_DATE_EPOCH=$(python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read()
print(struct.unpack_from("<I", data, struct.unpack_from("<I", data, 0x3C)[0] + 8)[0])' \
  "$built/$file_name")
export SOURCE_DATE_EPOCH

if [ "$what" = reproducible ]; then
  echo "--- a second build, in another folder, time zone and umask"
  copy=$work/second/src
  mkdir -p "$copy"
  (cd "$source" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
    tar -xmf - -C "$copy"
  (cd "$copy" && umask 077 && TZ=Asia/Tokyo tools/windows.sh --program-only > ../build.log 2>&1) ||
    { tail -n 40 "$work/second/build.log"; fail "the second build failed"; }
  for file in "$file_name" "$package.zip" "$package.msi"; do
    cmp "$built/$file" "$copy/build/windows/$file" || fail "the two builds of $file differ"
  done
  echo "the two builds made the same program file, zip and installer"
  exit 0
fi

runner=$6 session=$7 product_name=$8
needs "osslsigncode, openssl, msitools and unzip" osslsigncode openssl msiextract unzip
echo "--- signed with a throwaway certificate"
cd "$work"
password=throwaway-$$-password
printf '%s' "$password" > password
openssl req -x509 -newkey rsa:2048 -nodes -keyout root.key -out root.pem -days 2 \
  -subj "/CN=BVN Test Root" -addext basicConstraints=critical,CA:TRUE \
  -addext keyUsage=critical,keyCertSign > openssl.log 2>&1
openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr \
  -subj "/CN=BVN Test Publisher" >> openssl.log 2>&1
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\n%s\n' \
  extendedKeyUsage=codeSigning > signer.ext
openssl x509 -req -in signer.csr -CA root.pem -CAkey root.key -CAcreateserial -days 2 \
  -extfile signer.ext -out signer.pem >> openssl.log 2>&1
openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile root.pem -out signer.pfx \
  -passout file:password >> openssl.log 2>&1 || { cat openssl.log; fail "no certificate"; }
BVN_SIGNING_PFX=$work/signer.pfx BVN_SIGNING_PASSWORD=$password \
  "$source/tools/windows.sh" --pack "$work/signed" > signing.log 2>&1 ||
  { cat signing.log; fail "packing with a certificate failed"; }
! grep -qF "$password" signing.log || fail "the build printed the signing password"
signed=$work/signed
mkdir zip msi
unzip -q "$signed/$package.zip" "$package/$file_name" -d zip
msiextract -C msi "$signed/$package.msi" > /dev/null
in_msi=$(find msi -name "$file_name")
for file in "$signed/$file_name" "zip/$package/$file_name" "$in_msi" "$signed/$package.msi"; do
  osslsigncode verify -CAfile root.pem -in "$file" > verify.log 2>&1 ||
    { cat verify.log; fail "$file does not verify"; }
done
cmp "$signed/$file_name" "zip/$package/$file_name" && cmp "$signed/$file_name" "$in_msi" ||
  fail "the zip or the installer holds another program file than the signed one"
osslsigncode remove-signature -in "$signed/$file_name" -out unsigned.exe > /dev/null
cmp unsigned.exe "$built/$file_name" || fail "signing changed more than the signature"
echo "signed: the program file, in the zip and in the installer, and the installer verify"

echo "--- a later build installs over an earlier one"
[ -s "$session/display" ] || fail "no Wine session in $session"
export DISPLAY=":$(cat "$session/display")" BVN_WINE_SESSION="$session"
folder() { "$runner" winepath -u "$("$runner" cmd /c echo "%$1%" | tr -d '\r')"; }
installed="$(folder LOCALAPPDATA)/Programs/$product_name/$file_name"
earlier=$("$runner" winepath -w "$built/$package.msi")
later=$("$runner" winepath -w "$signed/$package.msi")
at_exit "'$runner' msiexec /x '$later' /qn; '$runner' msiexec /x '$earlier' /qn"
entries() { "$runner" uninstaller --list | tr -d '\r' | grep -c "|||$product_name\$" || true; }
# install MSI WHAT PROGRAM: installs MSI, after which PROGRAM is the installed program file.
install() {
  "$runner" msiexec /i "$1" /qn || fail "$2: msiexec /i ended with status $?"
  cmp -s "$installed" "$3" || fail "$2: the installed program file is not the one of the package"
  [ "$(entries)" = 1 ] || fail "$2: $(entries) entries among the installed programs, not one"
  echo "$2: installed, one entry"
}
install "$earlier" "the earlier build" "$built/$file_name"
install "$earlier" "the earlier build once more" "$built/$file_name"
install "$later" "the later build over it" "$signed/$file_name"
"$runner" msiexec /x "$later" /qn || fail "msiexec /x: status $?"
[ ! -e "$installed" ] && [ "$(entries)" = 0 ] || fail "the program is left after uninstalling"
echo "uninstalled: nothing left"
