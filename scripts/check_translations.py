#!/usr/bin/env python3
"""Translation checks: every text a player may see is marked for translation,
and every shipped language is complete.

  check_translations.py scan SRC_DIR KEEP_FILE
      Lists string literals that read as player text but are not inside a
      translation marker and not kept on purpose (KEEP_FILE).
  check_translations.py messages SRC_DIR OUT_FILE
      Writes the marked message texts of the layers without Qt as C++
      string literals, one a line, for the application to find them in the
      messages it shows.
  check_translations.py complete TS_FILE...
      Fails on an unfinished, obsolete or vanished entry.
  check_translations.py current LUPDATE SRC_DIR TS_FILE...
      The same on copies brought up to date with the code by lupdate: a text
      new in the code is unfinished there, a text gone from it obsolete.
  check_translations.py help HELP_DIR TS_FILE...
      Every shipped language has the contents and rules pages, each with the
      tables and links of the English page, every link leading to a page.
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

LAYERS = ("app", "render", "core", "storage", "interaction")
MARKER = re.compile(r'(?:\btr|\btranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP|BW_TR_NOOP)\s*\(\s*'
                    r'(?:"[^"]*"\s*,\s*)?$')
WORD = re.compile(r"[A-Za-z]{2,}")


def literals(text):
    """Yields (line, text before, literal body) for each run of adjacent string
    literals outside comments, character literals and preprocessor lines."""
    i, n, line = 0, len(text), 1
    out = []
    while i < n:
        c = text[i]
        if c == "\n":
            line += 1
            i += 1
        elif text.startswith("//", i):
            i = text.find("\n", i)
            i = n if i < 0 else i
        elif text.startswith("/*", i):
            j = text.find("*/", i)
            j = n if j < 0 else j + 2
            line += text.count("\n", i, j)
            i = j
        elif c == "#" and text[text.rfind("\n", 0, i) + 1:i].strip() == "":
            # A preprocessor line (with its continuations) holds no player text.
            while i < n and text[i] != "\n":
                i += 2 if text.startswith("\\\n", i) else 1
                if text[i - 1] == "\n":
                    line += 1
        elif c == "'":
            j = i + 1
            while j < n and text[j] != "'":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
        elif c == '"':
            start, parts = i, []
            while True:
                j = i + 1
                while j < n and text[j] != '"':
                    j += 2 if text[j] == "\\" else 1
                parts.append(text[i + 1:j])
                i = j + 1
                k = i
                while k < n and text[k] in " \t\n":
                    k += 1
                if k < n and text[k] == '"':
                    line += text.count("\n", i, k)
                    i = k
                    continue
                break
            out.append((line, text[max(0, start - 200):start], "".join(parts)))
        else:
            i += 1
    return out


def reads_as_text(s):
    if not WORD.search(s):
        return False
    if " " in s or re.search(r"(:|\.\.\.|\?|\.|!)$", s):
        return True
    return bool(re.fullmatch(r"&?[A-Z][a-z]+", s) or ("&" in s and re.fullmatch(r"[A-Za-z&]+", s)))


def scan(src, keep_file):
    keep, skip_files = set(), set()
    for raw in Path(keep_file).read_text(encoding="utf-8").splitlines():
        entry = raw.split("\t#", 1)[0].rstrip("\t")
        if not entry or entry.startswith("#"):
            continue
        if entry.startswith("file: "):
            skip_files.add(entry[len("file: "):])
        else:
            keep.add(entry)
    found = []
    root = Path(src)
    for layer in LAYERS:
        for path in sorted((root / layer).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            rel = path.relative_to(root.parent).as_posix()
            if rel in skip_files:
                continue
            for line, before, body in literals(path.read_text(encoding="utf-8")):
                if MARKER.search(before) or body in keep or not reads_as_text(body):
                    continue
                found.append(f"{rel}:{line}: \"{body}\"")
    for f in found:
        print(f)
    if found:
        print(f"{len(found)} text(s) not marked for translation; mark them, or list them in "
              f"{keep_file} with the reason", file=sys.stderr)
    return 1 if found else 0


def complete(files):
    bad = 0
    for f in files:
        done = total = 0
        for msg in ET.parse(f).getroot().iter("message"):
            tr = msg.find("translation")
            kind = tr.get("type") if tr is not None else "missing"
            if kind in ("obsolete", "vanished"):
                print(f"{f}: obsolete entry: {msg.findtext('source')!r}")
                bad += 1
                continue
            total += 1
            text = "".join(tr.itertext()) if tr is not None else ""
            if kind == "unfinished" or not text.strip():
                print(f"{f}: unfinished entry: {msg.findtext('source')!r}")
                bad += 1
            else:
                done += 1
        print(f"{Path(f).name}: {done} / {total} finished")
    return 1 if bad else 0


def messages(src, out_file):
    marked = re.compile(r'BW_TR_NOOP\s*\(\s*"Messages"\s*,\s*$')
    found = []
    root = Path(src)
    for layer in LAYERS:
        for path in sorted((root / layer).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                for _, before, body in literals(path.read_text(encoding="utf-8")):
                    if marked.search(before) and body not in found:
                        found.append(body)
    text = "".join(f'"{body}",\n' for body in found)
    out = Path(out_file)
    if not out.exists() or out.read_text(encoding="utf-8") != text:
        out.parent.mkdir(parents=True, exist_ok=True)
        out.write_text(text, encoding="utf-8")
    return 0


RULES_PAGES = ("contents.html", "3200.html", "3201.html", "3202.html", "3203.html", "3204.html",
               "3205.html")
HREF = re.compile(r'href="([^"#]*)')


def help_pages(help_dir, files):
    bad = 0
    root = Path(help_dir)
    for f in files:
        lang = Path(f).stem.split("_")[-1]
        for name in RULES_PAGES:
            page = root / lang / name
            if not page.exists():
                print(f"{page}: missing")
                bad += 1
                continue
            text = page.read_text(encoding="utf-8")
            english = (root / name).read_text(encoding="utf-8")
            for tag in ("<tr>", "<li>", "<table"):
                if text.count(tag) != english.count(tag):
                    print(f"{page}: {text.count(tag)} {tag} against {english.count(tag)} in English")
                    bad += 1
            if f'lang="{lang}"' not in text:
                print(f"{page}: no lang=\"{lang}\"")
                bad += 1
            for href in HREF.findall(text):
                if href and not (page.parent / href).exists():
                    print(f"{page}: link to {href} leads nowhere")
                    bad += 1
    return 1 if bad else 0


def current(lupdate, src, files):
    import shutil
    import subprocess
    import tempfile
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for f in files:
            copies.append(str(Path(tmp) / Path(f).name))
            shutil.copy(f, copies[-1])
        layers = [str(Path(src) / layer) for layer in LAYERS]
        run = subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h",
                              "-tr-function-alias", "QT_TRANSLATE_NOOP+=BW_TR_NOOP", *layers,
                              "-ts", *copies], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        return complete(copies)


if __name__ == "__main__":
    if len(sys.argv) >= 5 and sys.argv[1] == "current":
        sys.exit(current(sys.argv[2], sys.argv[3], sys.argv[4:]))
    if len(sys.argv) >= 4 and sys.argv[1] == "help":
        sys.exit(help_pages(sys.argv[2], sys.argv[3:]))
    if len(sys.argv) == 4 and sys.argv[1] == "messages":
        sys.exit(messages(sys.argv[2], sys.argv[3]))
    if len(sys.argv) == 4 and sys.argv[1] == "scan":
        sys.exit(scan(sys.argv[2], sys.argv[3]))
    if len(sys.argv) >= 3 and sys.argv[1] == "complete":
        sys.exit(complete(sys.argv[2:]))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
