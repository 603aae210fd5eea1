#!/usr/bin/env bash
# Brings po/ up to date with the sources: new texts join every catalogue (French, the
# sources' language, filled in; other languages empty, to be translated), texts no source
# uses any more are dropped. Then translate the empty entries and run
# scripts/check-translations.py (make test runs it too).
#   scripts/update-translations.sh          every language in po/
#   scripts/update-translations.sh de       also start po/de.po and po/orvanel-config_de.ts
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
pot=$(mktemp --suffix=.pot)
trap 'rm -f "$pot"' EXIT

find frontend render settings catalogue platform configurator keytracker tools \
    \( -name '*.cpp' -o -name '*.h' \) | sort |
  xargs xgettext 2>/dev/null --language=C++ --from-code=UTF-8 --keyword=Tr --keyword=TrLater --no-location \
    --package-name=Orvanel --msgid-bugs-address=https://orvanel.org/issues -o "$pot"
# The installed scripts speak through gettext.sh: `translated 'text'` and `say 'text'`.
xgettext --join-existing --language=Shell --from-code=UTF-8 --keyword=translated --keyword=say --no-location \
  -o "$pot" scripts/orvanel-session

# A new catalogue with every entry empty (msginit would copy the French into an English one).
new_po() {
  msginit --no-translator --locale="$1" -i "$pot" -o "po/$1.po"
  msgfilter --keep-header -i "po/$1.po" -o "po/$1.po" sed -e d
}

for lang in "$@"; do
  [ -e "po/$lang.po" ] || new_po "$lang"
  [ -e "po/orvanel-config_$lang.ts" ] ||
    "$LUPDATE" -silent -locations none -target-language "$lang" configurator -ts "po/orvanel-config_$lang.ts"
done
[ -e po/fr.po ] || new_po fr
[ -e po/en.po ] || new_po en

for po in po/*.po; do
  msgmerge --quiet --update --no-fuzzy-matching --backup=none --no-location "$po" "$pot"
  msgattrib --no-obsolete -o "$po" "$po"
done
# French is the sources' own language: its catalogue is the texts themselves.
msgen --force-po -o po/fr.po po/fr.po

for lang in en fr; do
  [ -e "po/orvanel-config_$lang.ts" ] ||
    "$LUPDATE" -silent -locations none -target-language "$lang" configurator -ts "po/orvanel-config_$lang.ts"
done
for ts in po/orvanel-config_*.ts; do
  "$LUPDATE" -silent -no-obsolete -locations none configurator -ts "$ts"
done
# The same for the configurator's French: an unfinished entry takes its source text.
python3 - po/orvanel-config_fr.ts <<'PY'
import sys, xml.etree.ElementTree as ET
path = sys.argv[1]
tree = ET.parse(path)
for msg in tree.getroot().iter("message"):
    tr = msg.find("translation")
    if tr is not None and tr.get("type") == "unfinished":
        tr.text = msg.findtext("source")
        del tr.attrib["type"]
tree.write(path, encoding="utf-8", xml_declaration=True)
PY
echo "update-translations: po/ is up to date; translate the empty entries, then run scripts/check-translations.py"
