#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerate Tesmo's five-letter word lists from Debian dictionary packages.

The lists are those of tools/wordlists/lists.tsv; its "source" column names
the recipe below that makes each (or plain:FILE, a plain list of words):

  tesmodat.1  Italian   words of `witalian` that a player recognises: the
                        headwords and single-word translations of the FreeDict
                        Italian dictionaries (dict-freedict-ita-eng, -ita-deu,
                        -eng-ita, -deu-ita, -fra-ita) with their common
                        inflections, and the entries of `hunspell-it`; verb
                        forms with attached pronouns and articled
                        prepositions are left out.
  tesmodat.2  English   words that both `wamerican-small` and `wbritish-small`
                        spell the same way, lower-case entries only (no proper
                        nouns, no abbreviations written in capitals, no roman
                        numerals).
  tesmodat.3  Latin     words that the FreeDict Latin dictionaries
                        (dict-freedict-lat-deu, -lat-eng, -eng-lat, -fra-lat)
                        write as headwords, principal parts or translations,
                        kept only when Whitaker's WORDS (`whitakers-words`)
                        gives them as a form of a dictionary entry that is not
                        a proper name.

Every list then loses the words of its exclusion list in tools/wordlists/
(slurs, obscenities, insults).

A word is exactly five plain letters A-Z after upper-casing: words with
accents, apostrophes or other characters are dropped, because a guess is
compared byte for byte and nobody types an accented letter into a five-letter
row. Latin diacritics (vowel lengths) are folded and the ligatures ae/oe are
spelled out.

Each file is a plain run of 8-byte records, one per word: five upper-case
letters, the free mark ".", then CR LF. No header, no trailer. Words are unique
and sorted, and nothing is random, so the same packages give byte-identical
files.
"""

import argparse
import gzip
import os
import re
import subprocess
import sys
import unicodedata

WORD_LEN = 5
FREE_MARK = b"."
RECORD_END = b"\r\n"
RECORD_LEN = WORD_LEN + len(FREE_MARK) + len(RECORD_END)

_PLAIN = re.compile(r"[a-z]{%d}" % WORD_LEN)
_LOWER_WORD = re.compile(r"[a-z]+")
_ROMAN_NUMERAL = re.compile(r"m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})")
_B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"

HERE = os.path.dirname(os.path.abspath(__file__))


def default_out_dir():
    return os.path.join(os.path.dirname(HERE), "data")


def is_plain(word):
    return bool(_PLAIN.fullmatch(word))


def is_roman_numeral(word):
    """xviii, clxiv: numbers that the English lists carry as words."""
    return bool(_ROMAN_NUMERAL.fullmatch(word))


def read_lines(path):
    with open(path, "r", encoding="utf-8") as fh:
        for line in fh:
            yield line.rstrip("\r\n")


def fold(text):
    """Plain letters for Latin: vowel lengths dropped, ae/oe spelled out."""
    text = (text.replace("\u00e6", "ae").replace("\u00c6", "Ae")
                .replace("\u0153", "oe").replace("\u0152", "Oe"))
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def read_exclusions(path):
    """Upper-case words of an exclusion list: one a line, '#' starts a comment."""
    words = set()
    for line in read_lines(path):
        entry = line.split("#", 1)[0].strip()
        if entry:
            words.add(entry.upper())
    return words


# ---------------------------------------------------------------- sources

def dict_words(path):
    """Lower-case entries of a /usr/share/dict list (capitalised ones are names)."""
    return {line.strip() for line in read_lines(path) if line.strip()}


def dictd_entries(dictd_dir, name):
    """The article texts of a dictd dictionary, each once, in index order."""
    with gzip.open(os.path.join(dictd_dir, name + ".dict.dz"), "rb") as fh:
        data = fh.read()

    def number(text):
        value = 0
        for c in text:
            value = value * 64 + _B64.index(c)
        return value

    seen = set()
    for line in read_lines(os.path.join(dictd_dir, name + ".index")):
        fields = line.split("\t")
        if len(fields) < 3 or fields[0].startswith("00database") or not fields[0]:
            continue
        span = (number(fields[1]), number(fields[2]))
        if span in seen:
            continue
        seen.add(span)
        yield data[span[0]:span[0] + span[1]].decode("utf-8")


def head_terms(article):
    """Words of an article's head line (headword and the forms in brackets).

    A head line that starts with a capital is a proper name and gives nothing.
    """
    head = article.split("\n", 1)[0]
    if not head[:1].islower():
        return []
    head = re.sub(r"/[^/]*/", " ", head)   # pronunciation
    head = re.sub(r"<[^>]*>", " ", head)   # grammar notes
    return [t for t in re.split(r"[\s,()]+", head) if t]


def headword(article):
    """The first headword of an article, or None for a proper name or phrase."""
    terms = head_terms(article)
    head = article.split("\n", 1)[0]
    head = re.split(r"\s*[/(<]", head, 1)[0].strip()
    if not terms or " " in head:
        return None
    return head


def translations(article):
    """Single-word translations of an article (each translation line split at , and ;)."""
    words = []
    for line in article.split("\n")[1:]:
        line = re.sub(r"^\s*\d+\.\s*", "", line)
        if line.lstrip().startswith(("(", "[", "See also")):
            continue
        for term in re.split(r"[,;]", line):
            term = term.strip()
            if term and " " not in term:
                words.append(term)
    return words


# ---------------------------------------------------------------- Italian

# Articled prepositions: real words, but not a word to guess.
ARTICLED_PREPOSITIONS = {
    "dagli", "dalla", "dalle", "dallo", "degli", "della", "delle", "dello",
    "negli", "nella", "nelle", "nello", "sugli", "sulla", "sulle", "sullo",
}
# Infinitives that lose their final e before a pronoun (farlo, dirla, berne).
SHORT_INFINITIVE_STEMS = {"dar", "far", "dir", "ber"}
# One-syllable imperatives that double the pronoun's consonant (dammi, dillo,
# vacci, datti); "ti", "si", "li" and "vi" are left to the plurals and verb
# forms that end the same way (fatti, dissi, valli, stavi).
ONE_SYLLABLE_IMPERATIVES = {"da", "di", "fa", "va", "sta"}
DOUBLED_CLITICS = ("mi", "ci", "lo", "la", "le", "ne")
IMPERATIVES_BEFORE_TI = {"da", "va", "sta"}
# Pronouns after an imperative in -a (usala, amalo).
CLITICS = ("lo", "la", "li", "le", "mi", "ci", "ne")


def italian_verb_forms(base):
    """The common forms of an infinitive in -are/-ere/-ire: present first and
    third person singular and third plural, and the past participle."""
    if len(base) <= 4 or not base.endswith(("are", "ere", "ire")):
        return set()
    stem, vowel = base[:-3], base[-3]
    forms = {stem + "o", stem + ("a" if vowel == "a" else "e"),
             stem + ("ano" if vowel == "a" else "ono")}
    participle = stem + {"a": "at", "e": "ut", "i": "it"}[vowel]
    forms |= {participle + end for end in "oaie"}
    if vowel == "i":
        forms |= {stem + "isco", stem + "isce", stem + "iscono"}
    return forms


def italian_noun_forms(base):
    """Gender and number of a noun or adjective: -o -a -i -e, -co -chi,
    -ca -che, -cia -ce, -io -i, -e -i, and -ma -mi, -ta -ti for the masculine
    nouns in -a."""
    forms = set()
    if len(base) < 3:
        return forms
    last, stem = base[-1], base[:-1]
    if last == "o":
        forms |= {stem + "a", stem + "i", stem + "e"}
        if stem.endswith(("c", "g")):
            forms |= {stem + "hi", stem + "he"}
        if stem.endswith("i"):
            forms.add(stem)
    elif last == "a":
        forms.add(stem + "e")
        if base.endswith(("ma", "ta")):   # il poeta, i poeti; il tema, i temi
            forms.add(stem + "i")
        if stem.endswith(("c", "g")):
            forms.add(stem + "he")
        if stem.endswith(("ci", "gi")):
            forms.add(stem[:-1] + "e")
    elif last == "e":
        forms.add(stem + "i")
    return forms


def is_pronoun_form(word, infinitives):
    """A verb with a pronoun attached: usala, farlo, dimmi, digli, datti."""
    if word[:2] in ONE_SYLLABLE_IMPERATIVES and word[2:] == "gli":
        return True
    head, tail = word[:-2], word[-2:]
    if head in SHORT_INFINITIVE_STEMS and tail in CLITICS + ("ti", "si", "vi"):
        return True
    if head[-1:] == tail[0] and (
            (tail in DOUBLED_CLITICS and head[:-1] in ONE_SYLLABLE_IMPERATIVES)
            or (tail == "ti" and head[:-1] in IMPERATIVES_BEFORE_TI)):
        return True
    return tail in CLITICS and head.endswith("a") and head + "re" in infinitives


def italian_words(args):
    spelling = dict_words(os.path.join(args.dict_dir, "italian"))
    infinitives = {w for w in spelling if len(w) > 4 and w.endswith(("are", "ere", "ire"))}
    candidates = {w for w in spelling if is_plain(w)}

    terms = set()
    for name in ("freedict-ita-eng", "freedict-ita-deu"):
        for article in dictd_entries(args.dictd_dir, name):
            head = headword(article)
            if head:
                terms.add(head)
    for name in ("freedict-eng-ita", "freedict-deu-ita", "freedict-fra-ita"):
        for article in dictd_entries(args.dictd_dir, name):
            terms.update(translations(article))
    terms = {t for t in terms if _LOWER_WORD.fullmatch(t)}

    listed = set()
    with open(os.path.join(args.hunspell_dir, "it_IT.dic"), encoding="utf-8") as fh:
        next(fh, None)   # the entry count
        for line in fh:
            entry = line.split("/", 1)[0].strip()
            if is_plain(entry) and not is_pronoun_form(entry, infinitives):
                listed.add(entry)

    # Forms are derived from the bases, and dropped by the spelling list when
    # they are not words. A verb form stays even when it looks like a verb
    # with a pronoun (amati, the participle of amare); a form derived as a
    # noun does not (dicci from dicco).
    bases = terms | listed
    verb_forms = set()
    noun_forms = set()
    for base in bases:
        verb_forms |= italian_verb_forms(base)
        noun_forms |= italian_noun_forms(base)
    known = candidates & (bases | verb_forms | noun_forms)
    dropped = {w for w in known
               if w in ARTICLED_PREPOSITIONS
               or (w not in verb_forms and is_pronoun_form(w, infinitives))}
    return known - dropped, {"spelling list": len(candidates),
                             "pronoun forms and articled prepositions": len(dropped)}


# ---------------------------------------------------------------- English

def english_words(args):
    american = dict_words(os.path.join(args.dict_dir, "american-english-small"))
    british = dict_words(os.path.join(args.dict_dir, "british-english-small"))
    words = {w for w in american & british if is_plain(w) and not is_roman_numeral(w)}
    return words, {"american-small": sum(1 for w in american if is_plain(w)),
                   "british-small": sum(1 for w in british if is_plain(w))}


# ---------------------------------------------------------------- Latin

_WHITAKER_ENTRY = re.compile(
    r"^(\S.*?)\s{2,}(?:N|V|ADJ|ADV|PREP|CONJ|INTERJ|PRON|NUM|PACK)\b.*\[[A-Z]{5}\]")


def whitaker_forms(words, program):
    """Forms of the dictionary entries that WORDS finds for the given words.

    Each word is looked up in a run of its own (a long answer makes WORDS wait
    for a key, which would swallow the next word of a shared run). Entries
    whose first form is capitalised are proper names and give nothing; j is
    written i, as in the FreeDict lists.
    """
    forms = set()
    for word in sorted(words):
        out = subprocess.run([program, word], stdin=subprocess.DEVNULL,
                             capture_output=True, check=False).stdout
        for line in out.decode("latin-1").splitlines():
            match = _WHITAKER_ENTRY.match(line)
            if not match or match.group(1)[:1].isupper():
                continue
            for token in re.split(r"[\s,]+", match.group(1)):
                token = token.lower().replace("j", "i")
                if is_plain(token):
                    forms.add(token)
    return forms


def latin_words(args):
    terms = set()
    for name in ("freedict-lat-deu", "freedict-lat-eng"):
        for article in dictd_entries(args.dictd_dir, name):
            terms.update(fold(t) for t in head_terms(article))
    for name in ("freedict-eng-lat", "freedict-fra-lat"):
        for article in dictd_entries(args.dictd_dir, name):
            terms.update(fold(t) for t in translations(article))
    candidates = {t for t in terms if is_plain(t)}
    confirmed = candidates & whitaker_forms(candidates, args.whitaker)
    return confirmed, {"FreeDict candidates": len(candidates)}


# ---------------------------------------------------------------- output

def write_list(path, words):
    data = b"".join(w.upper().encode("ascii") + FREE_MARK + RECORD_END
                    for w in sorted(words))
    tmp = path + ".tmp"
    with open(tmp, "wb") as fh:
        fh.write(data)
    os.replace(tmp, path)
    return len(data) // RECORD_LEN


def read_table(path):
    """The rows of lists.tsv: (number, name, exclusion file, at least, source)."""
    rows = []
    for line in read_lines(path):
        if not line.strip() or line.startswith("#"):
            continue
        number, name, exclusions, at_least, source = line.split("\t")
        rows.append((int(number), name, exclusions, int(at_least), source))
    return rows


def plain_words(path):
    """A recipe for a list kept as plain words in a file, one a line."""
    def build(args):
        words = {w.strip().lower() for w in read_lines(path)}
        words = {w for w in words if is_plain(w)}
        return words, {"plain list": len(words)}
    return build


RECIPES = {"italian": lambda: italian_words, "english": lambda: english_words, "latin": lambda: latin_words}


def recipe(source, folder):
    if source.startswith("plain:"):
        return plain_words(os.path.join(folder, source[len("plain:"):]))
    return RECIPES[source]()


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Regenerate the word lists data/tesmodat.N listed in "
                    "tools/wordlists/lists.tsv, from Debian dictionary "
                    "packages or plain lists of words.")
    parser.add_argument("--out", metavar="DIR", default=default_out_dir(),
                        help="output folder (default: %(default)s)")
    parser.add_argument("--exclusions", metavar="DIR",
                        default=os.path.join(HERE, "wordlists"),
                        help="folder of the exclusion lists (default: %(default)s)")
    parser.add_argument("--dict-dir", metavar="DIR", default="/usr/share/dict")
    parser.add_argument("--dictd-dir", metavar="DIR", default="/usr/share/dictd")
    parser.add_argument("--hunspell-dir", metavar="DIR", default="/usr/share/hunspell")
    parser.add_argument("--whitaker", metavar="PROGRAM", default="whitakers-words")
    parser.add_argument("--list", metavar="N", type=int, action="append",
                        help="make only list N (again for more); by default every list, "
                             "which needs every list's dictionary packages")
    args = parser.parse_args(argv)

    # The lists, their exclusions and how each is made: tools/wordlists/lists.tsv.
    languages = [("tesmodat.%d" % number, name, exclusions, recipe(source, args.exclusions))
                 for number, name, exclusions, _, source in read_table(os.path.join(args.exclusions, "lists.tsv"))
                 if not args.list or number in args.list]
    if args.list and len(languages) != len(set(args.list)):
        parser.error("no such list in lists.tsv: %s" % ", ".join(map(str, args.list)))
    os.makedirs(args.out, exist_ok=True)
    for name, language, exclusion_file, build in languages:
        try:
            excluded = read_exclusions(os.path.join(args.exclusions, exclusion_file))
            words, notes = build(args)
        except OSError as err:
            print("error: %s: %s" % (language, err), file=sys.stderr)
            return 1
        hits = {w for w in words if w.upper() in excluded}
        count = write_list(os.path.join(args.out, name), words - hits)
        details = ", ".join("%s %d" % item for item in notes.items())
        print("%-8s %-11s %5d words (%d excluded; %s)"
              % (language, name, count, len(hits), details))
    return 0


if __name__ == "__main__":
    sys.exit(main())
