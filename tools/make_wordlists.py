#!/usr/bin/env python3
"""Regenerate Tesmo's five-letter word lists.

Builds the three word-list files used by the game from Debian dictionary
packages:

  tesmodat.1  Italian  (/usr/share/dict/italian, package witalian)
  tesmodat.2  English  (/usr/share/dict/american-english, package wamerican)
  tesmodat.3  Latin    (headwords of /usr/share/dictd/freedict-lat-eng.index,
                        package dict-freedict-lat-eng)

Each file is a plain run of 8-byte records, one per word:
five upper-case letters A-Z, the free mark ".", then CR LF.
No header, no trailer. Words are unique and sorted, so the output is
byte-for-byte reproducible.
"""

import argparse
import os
import re
import sys
import unicodedata

WORD_LEN = 5
FREE_MARK = b"."
RECORD_END = b"\r\n"
RECORD_LEN = WORD_LEN + len(FREE_MARK) + len(RECORD_END)

_PLAIN = re.compile(r"[A-Z]{%d}" % WORD_LEN)


def default_out_dir():
    here = os.path.dirname(os.path.abspath(__file__))
    return os.path.join(os.path.dirname(here), "data")


def accept(word):
    """Return the upper-cased word if it is exactly five plain letters."""
    word = word.upper()
    if _PLAIN.fullmatch(word):
        return word
    return None


def read_lines(path):
    with open(path, "r", encoding="utf-8") as fh:
        for line in fh:
            yield line.rstrip("\r\n")


def plain_wordlist(path):
    """Words from a /usr/share/dict style list (one word per line).

    Capitalised entries are proper nouns and are skipped; anything with
    accents, apostrophes or other non-letters fails the A-Z test.
    """
    words = set()
    for line in read_lines(path):
        entry = line.strip()
        if not entry or not entry[0].islower():
            continue
        word = accept(entry)
        if word:
            words.add(word)
    return words


def fold_diacritics(text):
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def dictd_headwords(index_path, ligatures=False):
    """Headwords of a dictd .index file (first tab-separated field).

    The 00database* entries are dictionary metadata, not words.
    Diacritics are folded to plain letters; with ligatures=True the
    ligatures ae/oe are written out as two letters as well.
    """
    words = set()
    for line in read_lines(index_path):
        head = line.split("\t", 1)[0].strip()
        if not head or head.startswith("00database"):
            continue
        head = fold_diacritics(head)
        if ligatures:
            head = (head.replace("\u00e6", "ae").replace("\u00c6", "AE")
                        .replace("\u0153", "oe").replace("\u0152", "OE"))
        word = accept(head)
        if word:
            words.add(word)
    return words


def write_list(path, words):
    data = b"".join(w.encode("ascii") + FREE_MARK + RECORD_END
                    for w in sorted(words))
    tmp = path + ".tmp"
    with open(tmp, "wb") as fh:
        fh.write(data)
    os.replace(tmp, path)
    return len(data) // RECORD_LEN


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Regenerate data/tesmodat.1 (Italian), tesmodat.2 "
                    "(English) and tesmodat.3 (Latin) from Debian "
                    "dictionary packages.")
    parser.add_argument("--out", metavar="DIR", default=default_out_dir(),
                        help="output folder (default: %(default)s)")
    parser.add_argument("--dict-dir", metavar="DIR", default="/usr/share/dict",
                        help="folder holding 'italian' and 'american-english' "
                             "(default: %(default)s)")
    parser.add_argument("--dictd-dir", metavar="DIR",
                        default="/usr/share/dictd",
                        help="folder holding freedict-lat-eng.index "
                             "(default: %(default)s)")
    parser.add_argument("--no-latin-ligatures", dest="latin_ligatures",
                        action="store_false",
                        help="drop Latin words written with the ligatures ae/oe "
                             "instead of spelling them out as two letters")
    args = parser.parse_args(argv)

    sources = [
        ("tesmodat.1", "Italian",
         lambda: plain_wordlist(os.path.join(args.dict_dir, "italian"))),
        ("tesmodat.2", "English",
         lambda: plain_wordlist(os.path.join(args.dict_dir,
                                             "american-english"))),
        ("tesmodat.3", "Latin",
         lambda: dictd_headwords(os.path.join(args.dictd_dir,
                                              "freedict-lat-eng.index"),
                                 ligatures=args.latin_ligatures)),
    ]

    os.makedirs(args.out, exist_ok=True)
    for name, language, load in sources:
        try:
            words = load()
        except OSError as err:
            print("error: %s: %s" % (language, err), file=sys.stderr)
            return 1
        count = write_list(os.path.join(args.out, name), words)
        print("%-8s %-11s %6d words" % (language, name, count))
    return 0


if __name__ == "__main__":
    sys.exit(main())
