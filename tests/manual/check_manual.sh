#!/usr/bin/env bash
# The built manual holds every chapter a bookkeeper needs, as text that can be
# searched, and exactly the pictures that scripts/screenshots.sh takes.
#   check_manual.sh <upute_nk.pdf> <manual source folder> <screenshots.sh>
set -euo pipefail
pdf=$1 source=$2 screenshots=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }

chapters=(
  "Čemu služi program"
  "Prvo pokretanje"
  "Registar društava"
  "Odabir društva, godine i knjige"
  "Unos zapisa polje po polje"
  "Datumi"
  "Iznosi i valute"
  "Složena polja i gumbi za umetanje"
  "Zapamćene vrijednosti i kako zaboraviti jednu"
  "Izmjena i brisanje zapisa"
  "Spremanje i pitanje o nespremljenim promjenama"
  "Ispis"
  "Arhiva pri izlasku i vraćanje iz arhive"
  "Uvoz podataka klijenta"
  "Izvoz u tablicu"
  "Gdje su datoteke"
  "Poruke programa i što učiniti"
)
text=$(pdftotext -enc UTF-8 "$pdf" -)
for chapter in "${chapters[@]}"; do
  grep -qF -- "$chapter" <<<"$text" || fail "no chapter \"$chapter\" in $pdf"
done
# The program's own words, quoted as it shows them.
for quote in "Knjiga je promijenjena. Spremiti promjene?" "Dodaj u novi red" "Upute nisu dostupne"; do
  grep -qF -- "$quote" <<<"$text" || fail "the manual does not quote \"$quote\""
done

referenced=$(grep -o '](slike/[^)]*\.png)' "$source/upute_nk.md" | sed 's|](slike/||; s|)$||' | sort -u)
taken=$(grep -o '^ *shoot "[^"]*" [a-z_]*' "$screenshots" | awk '{print $3 ".png"}' | sort -u)
committed=$(cd "$source/slike" && ls -1 *.png | sort -u)
[ "$referenced" = "$taken" ] ||
  fail "pictures in the manual and pictures the script takes differ:"$'\n'"$(diff <(echo "$referenced") <(echo "$taken"))"
[ "$referenced" = "$committed" ] ||
  fail "pictures in the manual and pictures committed differ:"$'\n'"$(diff <(echo "$referenced") <(echo "$committed"))"
images=$(pdfimages -list "$pdf" | tail -n +3 | wc -l)
expected=$(grep -c '](slike/' "$source/upute_nk.md")
[ "$images" -eq "$expected" ] || fail "$pdf holds $images pictures, the manual places $expected"

[ "$failed" -eq 0 ] && echo "manual: ${#chapters[@]} chapters, $images pictures"
exit "$failed"
