#!/usr/bin/env bash
# knvtool weeks over a folder of seven consecutive sample weeks: the five newest are
# listed, the week holding today opens when it is the second-newest, files are deleted
# only on request, and a broken newest week gives way to the one before it.
knvtool=$(realpath "$1")
source "$(dirname "$0")/scratch.sh"

mkdir -p home/TV
for monday in 02.11.2026 09.11.2026 16.11.2026 23.11.2026 30.11.2026 07.12.2026 14.12.2026; do
    "$knvtool" sample --week "$monday" --channels 3 -o "home/TV/$monday.knv"
done
settings=(--config "$work/no-settings.ini")

# Today in the second-newest week opens it.
out=$("$knvtool" weeks home "${settings[@]}" --today 11.12.2026)
menu=$(sed '/^$/q' <<<"$out" | sed '/^$/d')
[ "$(wc -l <<<"$menu")" -eq 5 ] || fail "expected five weeks: $out"
[ "$(cut -f1 <<<"$menu" | head -1)" = "16.11.2026 - 22.11.2026" ] || fail "oldest listed week: $out"
[ "$(grep -c $'\t\\*$' <<<"$menu")" -eq 1 ] || fail "exactly one week opens: $out"
grep -qFx $'07.12.2026 - 13.12.2026\t'"$work"$'/home/TV/07.12.2026.knv\t*' <<<"$menu" || fail "opened week: $out"
channels=$(sed '1,/^$/d' <<<"$out")
[ "$(head -1 <<<"$channels")" = $'0\t1\tПервый канал' ] || fail "first channel: $out"
[ "$(wc -l <<<"$channels")" -eq 3 ] || fail "three channels: $out"
[ "$(ls home/TV | wc -l)" -eq 7 ] || fail "a look at the folder deleted files"
[ ! -e no-settings.ini ] || fail "the settings file was written"

# Today in the newest week, or in none, opens the newest.
for today in 15.12.2026 01.03.2027; do
    "$knvtool" weeks home "${settings[@]}" --today "$today" | grep -q $'^14.12.2026 - 20.12.2026\t.*\t\\*$' ||
        fail "newest week does not open on $today"
done

"$knvtool" weeks home "${settings[@]}" --today 11.12.2026 --delete-old > /dev/null
[ "$(ls home/TV | wc -l)" -eq 5 ] || fail "--delete-old kept the trimmed files: $(ls home/TV)"
[ ! -e home/TV/02.11.2026.knv ] && [ ! -e home/TV/09.11.2026.knv ] || fail "the wrong files were deleted"

# A broken newest week is reported and left on the disk; the one before it opens.
head -c 200 home/TV/14.12.2026.knv > broken && mv broken home/TV/14.12.2026.knv
out=$("$knvtool" weeks home "${settings[@]}" --today 01.03.2027 2> err.txt)
grep -q "Невозможно открыть файл $work/home/TV/14.12.2026.knv" err.txt || fail "no message: $(cat err.txt)"
grep -q $'^07.12.2026 - 13.12.2026\t.*\t\\*$' <<<"$out" || fail "the week before the broken one: $out"
! grep -q '14.12.2026 - 20.12.2026' <<<"$out" || fail "the broken week is still listed: $out"
[ -e home/TV/14.12.2026.knv ] || fail "the broken week was deleted"
echo "knvtool weeks: all checks passed"
