#!/usr/bin/env python3
"""Fills the English catalogue's plural forms from the "(s)" sources.

Run after `cmake --build build --target update_translations`: every %n
message of penwick_en.ts still marked unfinished gets a singular and a plural
form ("%n account(s)" -> "%n account" / "%n accounts"). The file is edited
as text so lupdate's layout stays as it is.
"""
import html
import re
import sys
from pathlib import Path

CATALOGUE = Path(__file__).resolve().parent.parent / "src/resources/i18n/penwick_en.ts"
MESSAGE = re.compile(r'(<message numerus="yes">\s*<source>([^<]*)</source>(?:(?!</message>).)*?)'
                     r'<translation type="unfinished">(?:(?!</message>).)*?</translation>', re.S)


def forms(source):
    singular = source.replace("(ies)", "y").replace("(es)", "").replace("(s)", "")
    singular = re.sub(r"\bwere\b", "was", singular)
    plural = source.replace("y(ies)", "ies").replace("(ies)", "ies").replace("(es)", "es").replace("(s)", "s")
    return singular, plural


def fill(match):
    singular, plural = forms(html.unescape(match.group(2)))
    body = "".join(f"<numerusform>{html.escape(text, quote=False)}</numerusform>" for text in (singular, plural))
    return f"{match.group(1)}<translation>{body}</translation>"


def main():
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else CATALOGUE
    text = path.read_text(encoding="utf-8")
    filled, count = MESSAGE.subn(fill, text)
    path.write_text(filled, encoding="utf-8")
    print(f"{count} plural message(s) filled in {path.name}")


if __name__ == "__main__":
    main()
