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
    "$LUPDATE" -silent -locations none -I . -target-language "$lang" configurator -ts "po/orvanel-config_$lang.ts"
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
    "$LUPDATE" -silent -locations none -I . -target-language "$lang" configurator -ts "po/orvanel-config_$lang.ts"
done
for ts in po/orvanel-config_*.ts; do
  "$LUPDATE" -silent -no-obsolete -locations none -I . configurator -ts "$ts"
done
# Texts no source uses any more leave every .ts (lupdate keeps some it thinks moved), and
# the French .ts takes each unfinished entry's source text: French is the sources' language.
freshdir=$(mktemp -d)
fresh="$freshdir/fresh.ts"
trap 'rm -rf "$pot" "$freshdir"' EXIT
"$LUPDATE" -silent -no-obsolete -locations none -I . configurator -ts "$fresh"
python3 - "$fresh" po/orvanel-config_*.ts <<'PY'
import sys, xml.etree.ElementTree as ET
def keys(path):
    return {(c.findtext("name"), m.findtext("source")) for c in ET.parse(path).getroot().iter("context") for m in c.iter("message")}
used = keys(sys.argv[1])
for path in sys.argv[2:]:
    tree = ET.parse(path)
    root = tree.getroot()
    for ctx in list(root.iter("context")):
        for msg in list(ctx.iter("message")):
            if (ctx.findtext("name"), msg.findtext("source")) not in used:
                ctx.remove(msg)
            elif path.endswith("_fr.ts"):
                tr = msg.find("translation")
                if tr is not None and tr.get("type") == "unfinished":
                    forms = tr.findall("numerusform")
                    for form in forms or [tr]:
                        form.text = msg.findtext("source")
                    del tr.attrib["type"]
        if ctx.find("message") is None:
            root.remove(ctx)
    tree.write(path, encoding="utf-8", xml_declaration=True)
PY
for ts in po/orvanel-config_*.ts; do
  "$LUPDATE" -silent -no-obsolete -locations none -I . configurator -ts "$ts"
done
echo "update-translations: po/ is up to date; translate the empty entries, then run scripts/check-translations.py"
