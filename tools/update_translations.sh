#!/bin/sh
# Brings the translations in translations/ in step with the texts in src/: a text new in the
# code comes in unfinished, for a translator to fill in (Qt Linguist, or by hand), and a text
# gone from the code goes from the file. The build turns the files into the program's
# translations; a test fails while a text of the code has no finished English translation.
#
#   tools/update_translations.sh
set -eu
cd "$(dirname "$0")/.."
bins="$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)"
for ts in translations/sorbello_*.ts; do
    "$bins/lupdate" -silent -locations none -no-obsolete -source-language de src -ts "$ts"
done
