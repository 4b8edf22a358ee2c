#!/usr/bin/env bash
# knvtool list on a hand-written week: the day over midnight under three shifts, the now
# view at 03:00 on a Wednesday and on a Monday, a channel without data among the others,
# and a two-word search.
knvtool=$(realpath "$1")
source "$(dirname "$0")/scratch.sh"
expect() { # name, expected text, actual text
    [ "$2" = "$3" ] || fail "$1: expected
$2
got
$3"
}

# A banner: any picture the sample writes will do.
"$knvtool" sample --week 07.12.2026 --channels 1 -o sample.knv
"$knvtool" unpack sample.knv sample > banner.txt
banner=$(grep -v '^KNV' banner.txt)

printf '%s\r\n' '[CANALS]' '1 Первый' '2 Второй' '3 Третий' '[CANALS_END]' \
    '[Первый0]' '(06:00 Утро' ')23:30 Фильм' '*01:10 Ночь' '(01:30 конец' \
    '[Первый1]' '(06:00 Вторник' ')23:30 Ночной фильм' '*02:30 Поздний сериал' '(03:30 Ночные новости' '(05:00 конец' \
    '[Второй1]' '(09:00 Новости спорта' '(10:00 Спорт' '(11:00 конец' \
    '[Третий1]' ',07:00 Вечерние новости. Спорт' '(09:30 конец' > schedule.txt
"$knvtool" pack --week 07.12.2026 --schedule schedule.txt --banner "${banner%%$'\t'*}=sample/${banner#*$'\t'}" -o week.knv

T=$'\t'
expect "Monday, no shift" "Программа передач канала Первый на понедельник, 07.12.2026 года.
${T}07.12.2026 06:00${T}07.12.2026 23:30${T}-1${T}0${T}Утро
${T}07.12.2026 23:30${T}08.12.2026 01:10${T}-1${T}1${T}Фильм
${T}08.12.2026 01:10${T}08.12.2026 01:30${T}-1${T}2${T}Ночь" \
    "$("$knvtool" list week.knv --now '07.12.2026 12:00')"

expect "Monday, shift -1" "${T}07.12.2026 05:00${T}07.12.2026 22:30${T}-1${T}0${T}Утро
${T}07.12.2026 22:30${T}08.12.2026 00:10${T}-1${T}1${T}Фильм
${T}08.12.2026 00:10${T}08.12.2026 00:30${T}-1${T}2${T}Ночь" \
    "$("$knvtool" list week.knv --now '07.12.2026 12:00' --shift -1 | tail -n +2)"

expect "Monday, shift +1, the film" "${T}08.12.2026 00:30${T}08.12.2026 02:10${T}-1${T}1${T}Фильм" \
    "$("$knvtool" list week.knv --now '07.12.2026 12:00' --shift 1 | grep Фильм)"

expect "hidden type" "Утро
Ночь" "$("$knvtool" list week.knv --now '07.12.2026 12:00' --hide-types 1 | tail -n +2 | cut -f6)"

expect "now, Wednesday 03:00" "Программа передач, идущих по всем каналам сейчас, 09.12.2026 года.
Первый${T}09.12.2026 02:30${T}09.12.2026 03:30${T}1${T}2${T}Поздний сериал" \
    "$("$knvtool" list week.knv --day 8 --now '09.12.2026 03:00')"

expect "now, Monday 03:00" "${T}${T}${T}-2${T}-1${T}Сейчас ничего по телевидению не показывают." \
    "$("$knvtool" list week.knv --day 8 --now '07.12.2026 03:00:00' | tail -n +2)"

# The gap sort is not stable: the two message rows change places.
expect "all channels on Monday" "Программа передач всех каналов на понедельник.
${T}${T}${T}-2${T}-1${T}Извините, на понедельник по каналу Третий нет данных.
${T}${T}${T}-2${T}-1${T}Извините, на понедельник по каналу Второй нет данных.
Первый${T}07.12.2026 06:00${T}07.12.2026 23:30${T}-1${T}0${T}Утро
Первый${T}07.12.2026 23:30${T}08.12.2026 01:10${T}-1${T}1${T}Фильм
Первый${T}08.12.2026 01:10${T}08.12.2026 01:30${T}-1${T}2${T}Ночь" \
    "$("$knvtool" list week.knv --mode 9 --now '07.12.2026 12:00')"

expect "search" "Вторник, Третий${T}08.12.2026 07:00${T}08.12.2026 09:30${T}-1${T}4${T}Вечерние новости. Спорт
Вторник, Второй${T}08.12.2026 09:00${T}08.12.2026 10:00${T}-1${T}0${T}Новости спорта" \
    "$("$knvtool" list week.knv --mode 11 --search 'новости спорт' | tail -n +2)"

expect "search with two blanks" "${T}${T}${T}-2${T}-1${T}Ничего не найдено." \
    "$("$knvtool" list week.knv --mode 11 --search 'новости  спорт' | tail -n +2)"

expect "channel week of the second channel" "Программа передач канала Второй на неделю." \
    "$("$knvtool" list week.knv --mode 10 --channel Второй | head -1)"

if "$knvtool" list week.knv --now 'tomorrow' 2> err.txt; then fail "a bad --now was accepted"; fi
grep -q -- '--now' err.txt || fail "unexpected error: $(cat err.txt)"
echo "knvtool list: all checks passed"
