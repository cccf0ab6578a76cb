#!/bin/sh
# structcalc loads no Qt, no qpdf and no TLS library for a run without a sheet: neither linked nor
# opened while it runs, as the dynamic loader itself accounts for it (LD_DEBUG=files). --sheet
# opens the sheet's library beside it and writes the sheet; without that library it says so;
# --lang opens the translations' library alone.
#
#     loading_test.sh build/cli/structcalc
set -eu
structcalc=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "loading_test: $*" >&2; exit 1; }
heavy='Qt6|qpdf|gnutls|nettle|hogweed|p11-kit|libicu|libgmp|libjpeg|libGL|libX11|structcalc-sheet'

LD_DEBUG=files "$structcalc" Beams 1 >/dev/null 2>"$scratch/plain"
grep -iE "file=[^ ]*($heavy)" "$scratch/plain" && fail "a run without a sheet loads the libraries above"
LD_DEBUG=files "$structcalc" Cantilever 18 --json >/dev/null 2>"$scratch/json"
grep -iE "file=[^ ]*($heavy)" "$scratch/json" && fail "a run with --json loads the libraries above"

LD_DEBUG=files "$structcalc" Beams 1 --sheet "$scratch/b.pdf" >/dev/null 2>"$scratch/sheet"
grep -q "file=[^ ]*libstructcalc-sheet.so" "$scratch/sheet" || fail "--sheet does not open the sheet's library"
[ "$(head -c 5 "$scratch/b.pdf")" = "%PDF-" ] || fail "--sheet wrote no PDF"

# --lang opens the translations' library (Qt Core), and not the sheet's.
LD_DEBUG=files "$structcalc" Beams 1 --lang en >"$scratch/english" 2>"$scratch/lang"
grep -q "file=[^ ]*libstructcalc-language.so" "$scratch/lang" || fail "--lang does not open the translations' library"
grep -q "file=[^ ]*structcalc-sheet" "$scratch/lang" && fail "--lang opens the sheet's library"
grep -q "^Reaction (RA)" "$scratch/english" || fail "--lang en: $(cat "$scratch/english")"

# A structcalc with no sheet's library beside it nor in the programs' folder: a usage error that
# says why, and no file.
cp "$structcalc" "$scratch/structcalc"
status=0
"$scratch/structcalc" Beams 1 --sheet "$scratch/none.pdf" >/dev/null 2>"$scratch/none" || status=$?
[ $status -eq 2 ] || fail "without the sheet's library --sheet ends with $status, not 2"
grep -q "^structcalc: cannot write $scratch/none.pdf: the calculation sheet's writer cannot be loaded: cannot find" \
    "$scratch/none" || fail "without the sheet's library: $(cat "$scratch/none")"
[ ! -e "$scratch/none.pdf" ] || fail "a sheet was written without the sheet's library"
echo "loading_test: passed"
