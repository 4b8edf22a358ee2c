#!/usr/bin/env bash
# knvtool as a person uses it: a sample week, its info, unpacked and packed again to the
# same bytes, and a broken file reported in one line with exit code 1.
knvtool=$(realpath "$1")
source "$(dirname "$0")/scratch.sh"

"$knvtool" sample --week 07.12.2026 --channels 3 -o week.knv
info=$("$knvtool" info week.knv)
[ "$(sed -n 1p <<<"$info")" = "07.12.2026 - 13.12.2026" ] || fail "caption: $info"
grep -qx 'compressed: yes' <<<"$info" || fail "compressed flag: $info"
grep -qx 'encrypted: no' <<<"$info" || fail "encrypted flag: $info"
grep -q $'^KNV\t[0-9]' <<<"$info" || fail "KNV stream: $info"
[ "$(grep -c $'\t' <<<"$info")" -eq 2 ] || fail "expected KNV and one banner: $info"

"$knvtool" unpack week.knv out > unpacked.txt
grep -q 'Первый канал' out/KNV.txt || fail "schedule is not UTF-8 text"
banner=$(grep -v '^KNV' unpacked.txt)
address=${banner%%$'\t'*}
file=${banner#*$'\t'}
"$knvtool" pack --week 07.12.2026 --schedule out/KNV.txt --banner "$address=out/$file" -o again.knv
cmp week.knv again.knv || fail "unpack then pack changed the file"

# The raw payload commands are inverses.
"$knvtool" lh5-encode out/KNV.txt knv.lh5
"$knvtool" lh5-decode knv.lh5 knv.out
cmp out/KNV.txt knv.out || fail "lh5-encode then lh5-decode changed the bytes"

# Broken input: one line on stderr, exit code 1, no crash.
head -c 100 week.knv > broken.knv
if "$knvtool" info broken.knv 2> err.txt; then fail "a truncated file was accepted"; fi
[ "$(wc -l < err.txt)" -eq 1 ] || fail "error is not one line: $(cat err.txt)"
grep -q 'File is corrupt.' err.txt || fail "unexpected error: $(cat err.txt)"
if "$knvtool" pack --week 08.12.2026 --schedule out/KNV.txt --banner "$address=out/$file" -o x.knv 2> err.txt; then
    fail "a week starting on a Tuesday was accepted"
fi
echo "knvtool command line: all checks passed"
