#!/usr/bin/env bash
# Takes the manual's pictures from the running program: starts the program of
# a build under its own Xvfb with openbox, on a scratch data folder with one
# company and a goods import book, drives it with xdotool as a user would and
# captures each window into manual/slike/. Needs xvfb, openbox, xdotool and
# imagemagick.
#   bash scripts/screenshots.sh [build-folder]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build/release}
pictures=$root/manual/slike

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j 2 --target nadzorne_knjige
program=$root/$build/app/nadzorne_knjige
[[ "$build" = /* ]] && program=$build/app/nadzorne_knjige

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# --- a scratch data folder: one company and a goods import book of this year
year=$(date +%Y)
folder="$scratch/data/LumbracPartneri/Raravazo veveve"
mkdir -p "$folder/Data"
cp1250() { iconv -f UTF-8 -t WINDOWS-1250; }
# A cell file: header, then "column,row,text" lines; "|" in a text is a line
# break inside the cell, written as the file's TAB BS pair.
cellfile() {
  local header=$1; shift
  { printf '%s\r\n' "$header"
    for line in "$@"; do printf '%s\r\n' "${line//|/$'\t\b'}"; done; } | cp1250
}
cellfile "5,2" "0,0,Šifra" "1,0,Naziv" "2,0,Adresa" "3,0,Mjesto" "4,0,OIB" \
  "0,1,100" "1,1,Karbunica Bravin d.o.o." "2,1,Ilica 12" "3,1,Zagreb" "4,1,12345678903" \
  > "$folder/nk_drustva_txt.txt"
cellfile "14,4" \
  "0,1,1" "1,1,14.01.$year" "2,1,R-2/$year; 10.01.$year" "3,1,ADRIA TRADE GMBH" "4,1,Austrija" \
  "5,1,12.500,00 EUR" "8,1,20.01.$year; 12.500,00 EUR; virman" "11,1,JCD 1045/$year; 15.01.$year" \
  "12,1,Austrija" "13,1,Njemačka" \
  "0,2,2" "1,2,03.02.$year" "2,2,R-7/$year; 28.01.$year" "3,2,ČEŠKÁ STROJÍRNA S.R.O." "4,2,Češka" \
  "5,2,8.400,00 EUR" "8,2,05.02.$year; 4.200,00 EUR; virman|19.02.$year; 4.200,00 EUR; virman" \
  "11,2,JCD 2210/$year; 04.02.$year" "12,2,Češka" "13,2,Češka" \
  "0,3,3" "1,3,17.02.$year" "2,3,R-11/$year; 12.02.$year" "3,3,MILANO FORNITURE S.P.A." "4,3,Italija" \
  "5,3,3.150,00 USD" "11,3,JCD 3307/$year; 16.02.$year" "12,3,Italija" "13,3,Italija" \
  > "$folder/Data/100_${year}_roba_uvoz_v_10.txt"

# --- a screen of its own, a window manager, the program
exec 3< <(Xvfb -displayfd 1 -screen 0 1366x768x24 -nolisten tcp 2>/dev/null)
pids+=($!)
read -r display <&3
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
XDG_DATA_HOME="$scratch/data" ASAN_OPTIONS=detect_leaks=0 "$program" >/dev/null 2>&1 &
pids+=($!)

window() {
  timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -1 | grep . ||
    { echo "no window \"$1\" appeared" >&2; exit 1; }
}
# Clicks at a point of a window's inside, in the window's own pixels.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.6; }
# Raises the window first: the screen's pixels are what is captured.
shoot() { xdotool windowactivate --sync "$1"; sleep 0.8; import -window "$1" -frame "$pictures/$2.png"; }

start=$(window "Raravazo veveve")
xdotool windowmove "$start" 40 40
shoot "$start" pocetni_prozor

click "$start" 266 140
entry=$(window "Forma za unos podataka")
xdotool windowmove "$entry" 0 0
# The company: open its list and take the first name.
click "$entry" 140 38
xdotool key Return; sleep 0.5
# The book: the first kind, goods import.
click "$entry" 500 38
xdotool key Return; sleep 1
book=$(window "Karbunica Bravin d.o.o. - NK - trgovina robom, uvoz")
xdotool windowmove "$book" 560 60
# The second entry, whose payments fill two lines.
click "$book" 120 190
shoot "$entry" forma_za_unos
shoot "$book" nadzorna_knjiga

click "$entry" 140 14
register=$(window "Društva")
shoot "$register" drustva
xdotool key Escape; sleep 0.5

# A cell of the book emptied and another book chosen: the question about
# the changes, which Odustani answers.
click "$book" 560 145
xdotool key Delete; sleep 0.3
click "$entry" 500 38
xdotool key Down Return; sleep 1
question=$(window "Raravazo_Veveve")
shoot "$question" pitanje_spremanje
xdotool key Escape; sleep 0.5

click "$entry" 492 14
archive=$(window "Arhiva")
shoot "$archive" arhiva
xdotool key Escape; sleep 0.5

# The import window of a folder without the client's tables: its messages
# answered, the window shows its empty tables and the red light.
click "$entry" 699 14
sleep 1
while message=$(timeout 3 xdotool search --sync --onlyvisible --name "^Raravazo_Veveve\$" | head -1) &&
  [ -n "$message" ]; do
  xdotool windowactivate --sync "$message" key Return; sleep 0.8
done
clientimport=$(window "Karbunica Bravin d.o.o.")
shoot "$clientimport" uvoz
xdotool key Escape; sleep 0.5

echo "Pictures written to $pictures"
