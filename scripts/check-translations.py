#!/usr/bin/env python3
"""Guards the translations: every text a person reads is marked, every marked text has an
entry in every language, and the placeholders agree. Run by the test suite; exit 1 on a fault.

  check-translations.py SOURCE_DIR [WORK_DIR]

- gettext (frontend, settings, tools, the configurator's logic): texts in Tr("..."),
  catalogues po/<ll>.po; checked with xgettext, msgfmt --check and the rules below.
- Qt (the configurator's widgets): tr("...") and QCoreApplication::translate("Context", "..."),
  catalogues po/orvanel-config_<ll>.ts; checked with lupdate.
- Unmarked texts: a string literal that reads like a sentence (two words, or a letter
  outside ASCII) outside Tr/tr/translate is a fault, unless po/not-translated.txt names it
  (debug.txt lines, file keys, texts of files the programs write).
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# The scripts installed with the programs, which speak through gettext.sh.
SHELL_SCRIPTS = ["scripts/orvanel-session"]
SHELL_KEYWORDS = ["translated", "say"]
SHELL_LITERAL = re.compile(r"""(?:echo|printf)\s+(?:'%s\\n'\s+)?("[^"]*"|'[^']*')""")
ROOTS = ["frontend", "render", "settings", "catalogue", "platform", "configurator", "keytracker", "tools"]
LANGUAGES_REQUIRED = ["en", "fr"]
PLACEHOLDER = re.compile(r"%(\d)|\$\{?([A-Za-z_]\w*)")
LITERAL = re.compile(r'(?:u8)?"((?:[^"\\\n]|\\.)*)"')
SENTENCE = re.compile(r"[^\W\d_]{2,}[ '][^\W\d_]{2,}")
MARKER = re.compile(r"(?:\bTr|\bTrLater|\btr|\bQT_TR_NOOP|\bQT_TRANSLATE_NOOP\s*\(\s*\"[^\"]*\"\s*,|"
                    r"\btranslate\s*\(\s*\"[^\"]*\"\s*,)\s*\(?\s*$")

faults = []


def fault(text):
    faults.append(text)


def decode_literal(body):
    out = bytearray()
    i = 0
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            n = body[i + 1]
            if n == "x":
                m = re.match(r"[0-9A-Fa-f]{1,2}", body[i + 2:])
                if m:
                    out.append(int(m.group(0), 16))
                    i += 2 + len(m.group(0))
                    continue
            out += {"n": b"\n", "t": b"\t", "r": b"\r", "0": b"\0"}.get(n, n.encode())
            i += 2
            continue
        out += c.encode()
        i += 1
    return out.decode("utf-8", "replace")


def strip_comments(text):
    """Blanks comments (keeping line numbers and string literals)."""
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if c == '"' or c == "'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def literal_runs(text):
    """Adjacent literals ("a" "b") as one run: (offset of the first, decoded text)."""
    runs = []
    last_end = -1
    for m in LITERAL.finditer(text):
        if text[m.start() - 1: m.start()] in ("'",) or (m.start() > 0 and text[m.start() - 1] == "R"):
            continue
        body = decode_literal(m.group(1))
        if runs and text[last_end:m.start()].strip() == "":
            start, joined = runs[-1]
            runs[-1] = (start, joined + body)
        else:
            runs.append((m.start(), body))
        last_end = m.end()
    return runs


def load_exemptions(source):
    table = {}
    path = os.path.join(source, "po", "not-translated.txt")
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            file, _, text = line.partition(": ")
            table.setdefault(file.strip(), []).append(text)
    return table


def check_unmarked(source):
    exemptions = load_exemptions(source)
    used = set()
    files = []
    for root in ROOTS:
        for dirpath, _, names in os.walk(os.path.join(source, root)):
            files += [os.path.join(dirpath, n) for n in names if n.endswith((".cpp", ".h"))]
    for path in sorted(files):
        rel = os.path.relpath(path, source)
        with open(path, encoding="utf-8", errors="replace") as f:
            text = strip_comments(f.read())
        for offset, body in literal_runs(text):
            if not (SENTENCE.search(body) or any(ord(ch) > 127 for ch in body)):
                continue
            line_start = text.rfind("\n", 0, offset) + 1
            before = text[max(0, offset - 200):offset]
            if MARKER.search(before):
                continue
            if text[line_start:offset].lstrip().startswith("#"):
                continue
            hit = None
            for i, prefix in enumerate(exemptions.get(rel, [])):
                if prefix == "*" or body.startswith(prefix):
                    hit = (rel, i)
                    break
            if hit:
                used.add(hit)
                continue
            line = text.count("\n", 0, offset) + 1
            fault(f"{rel}:{line}: text not marked for translation: {body[:70]!r}")
    for rel, prefixes in exemptions.items():
        for i, prefix in enumerate(prefixes):
            if (rel, i) not in used:
                fault(f"po/not-translated.txt: no longer matches anything: {rel}: {prefix}")


def check_unmarked_shell(source):
    """A script's sentence printed without `translated`/`say` is a fault."""
    for rel in SHELL_SCRIPTS:
        with open(os.path.join(source, rel), encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                code = line.split(" #", 1)[0] if not line.lstrip().startswith("#") else ""
                for m in SHELL_LITERAL.finditer(code):
                    body = m.group(1)[1:-1]
                    if SENTENCE.search(body) or any(ord(ch) > 127 for ch in body):
                        fault(f"{rel}:{number}: text not marked for translation: {body[:70]!r}")


def parse_po(path):
    """{msgid: (msgstr, fuzzy)} of a PO file (plural forms are not used here)."""
    entries = {}
    msgid = msgstr = None
    target = None
    fuzzy = False
    obsolete = False

    def flush():
        if msgid is not None and not obsolete:
            entries[msgid] = (msgstr or "", fuzzy)

    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.strip()
            if line.startswith("#~"):
                obsolete = True
                continue
            if line.startswith("#,"):
                flush()
                msgid = msgstr = None
                fuzzy = "fuzzy" in line
                obsolete = False
                continue
            if line.startswith("msgid "):
                if msgstr is not None:
                    flush()
                    fuzzy = False
                    obsolete = False
                msgid = decode_literal(line[7:-1])
                msgstr = None
                target = "id"
            elif line.startswith("msgstr "):
                msgstr = decode_literal(line[8:-1])
                target = "str"
            elif line.startswith('"'):
                if target == "id":
                    msgid += decode_literal(line[1:-1])
                elif target == "str":
                    msgstr += decode_literal(line[1:-1])
            elif not line:
                flush()
                msgid = msgstr = None
                target = None
                fuzzy = False
                obsolete = False
    flush()
    entries.pop("", None)
    return entries


def placeholders(text):
    """%1 ... %9 of the programs' texts and $name of the scripts' texts."""
    return sorted(PLACEHOLDER.findall(text))


def check_gettext(source, work):
    pot = os.path.join(work, "orvanel.pot")
    files = []
    for root in ROOTS:
        for dirpath, _, names in os.walk(os.path.join(source, root)):
            files += [os.path.relpath(os.path.join(dirpath, n), source) for n in names if n.endswith((".cpp", ".h"))]
    # Not --omit-header: without the header's charset xgettext drops every non-ASCII letter.
    subprocess.run(["xgettext", "--language=C++", "--from-code=UTF-8", "--keyword=Tr", "--keyword=TrLater",
                    "--no-location", "-o", pot] + sorted(files), cwd=source, check=True, capture_output=True)
    keywords = [f"--keyword={k}" for k in SHELL_KEYWORDS]
    subprocess.run(["xgettext", "--join-existing", "--language=Shell", "--from-code=UTF-8", "--no-location", "-o", pot]
                   + keywords + SHELL_SCRIPTS, cwd=source, check=True, capture_output=True)
    wanted = parse_po(pot) if os.path.exists(pot) else {}
    for lang in LANGUAGES_REQUIRED:
        path = os.path.join(source, "po", f"{lang}.po")
        if not os.path.exists(path):
            fault(f"po/{lang}.po is missing")
    for name in sorted(os.listdir(os.path.join(source, "po"))):
        if not name.endswith(".po"):
            continue
        path = os.path.join(source, "po", name)
        run = subprocess.run(["msgfmt", "--check", "-o", os.devnull, path], capture_output=True, text=True)
        if run.returncode != 0:
            fault(f"po/{name}: msgfmt --check: {run.stderr.strip()}")
        have = parse_po(path)
        for msgid in wanted:
            if msgid not in have or not have[msgid][0]:
                fault(f"po/{name}: no entry for {msgid[:70]!r}")
            elif have[msgid][1]:
                fault(f"po/{name}: fuzzy entry for {msgid[:70]!r}")
            elif placeholders(msgid) != placeholders(have[msgid][0]):
                fault(f"po/{name}: placeholders differ for {msgid[:70]!r}")
            elif name != "fr.po" and have[msgid][0] == msgid and SENTENCE.search(msgid):
                fault(f"po/{name}: the French text copied, not translated: {msgid[:70]!r}")
        for msgid in have:
            if msgid not in wanted:
                fault(f"po/{name}: entry no source uses: {msgid[:70]!r}")


def check_qt(source, work):
    lupdate = os.environ.get("LUPDATE", "/usr/lib/qt6/bin/lupdate")
    ts_files = sorted(n for n in os.listdir(os.path.join(source, "po")) if n.endswith(".ts"))
    for lang in LANGUAGES_REQUIRED:
        if f"orvanel-config_{lang}.ts" not in ts_files:
            fault(f"po/orvanel-config_{lang}.ts is missing")
    fresh = os.path.join(work, "fresh.ts")
    # -I: tr() in a class of a namespace is looked up under "namespace::Class"; lupdate
    # files it so only when it can read the class's header.
    subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", source,
                    os.path.join(source, "configurator"), "-ts", fresh], check=True, capture_output=True)
    wanted = set()
    for ctx in ET.parse(fresh).getroot().iter("context"):
        name = ctx.findtext("name")
        for msg in ctx.iter("message"):
            wanted.add((name, msg.findtext("source")))
    for ts in ts_files:
        have = {}
        for ctx in ET.parse(os.path.join(source, "po", ts)).getroot().iter("context"):
            name = ctx.findtext("name")
            for msg in ctx.iter("message"):
                tr = msg.find("translation")
                kind = tr.get("type", "") if tr is not None else "unfinished"
                have[(name, msg.findtext("source"))] = (tr.text or "" if tr is not None else "", kind)
        for key in sorted(wanted):
            text, kind = have.get(key, ("", "unfinished"))
            if not text or kind in ("unfinished", "vanished", "obsolete"):
                fault(f"po/{ts}: no translation for {key[0]}: {key[1][:60]!r}")
            elif placeholders(key[1]) != placeholders(text):
                fault(f"po/{ts}: placeholders differ for {key[0]}: {key[1][:60]!r}")
            elif not ts.endswith("_fr.ts") and text == key[1] and SENTENCE.search(text):
                fault(f"po/{ts}: the French text copied, not translated: {key[0]}: {key[1][:60]!r}")
        for key in have:
            if key not in wanted:
                fault(f"po/{ts}: entry no source uses: {key[0]}: {key[1][:60]!r}")


def main():
    source = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
    with tempfile.TemporaryDirectory() as work:
        check_unmarked(source)
        check_unmarked_shell(source)
        check_gettext(source, work)
        check_qt(source, work)
    for f in faults:
        print(f)
    print(f"check-translations: {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
