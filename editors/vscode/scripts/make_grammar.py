#!/usr/bin/env python3
"""Writes syntaxes/phreeqc.tmLanguage.json, the TextMate grammar of PHREEQC input, from the
keyword, option and BASIC tables in data/phreeqc3/. With --check, fails if the committed grammar
differs from what the tables give.

The grammar follows how PHREEQC reads a line: a logical line ends at a newline or a `;`, `#` starts
a comment, a line whose first token is a keyword spelling starts a block (and ends the one before),
a first token `-letter...` is an option, and a first token that equals one of the block's option
names exactly is that option too. In the BASIC blocks a line that starts with a number is BASIC.
"""
import csv
import json
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
EXTENSION = HERE.parent
TABLES = EXTENSION.parent.parent / "data" / "phreeqc3"
GRAMMAR = EXTENSION / "syntaxes" / "phreeqc.tmLanguage.json"

BASIC_BLOCKS = {"rates", "user_print", "user_punch", "user_graph", "calculate_values"}
# BASIC words that are statements or parts of one; the other words of basic.tsv are functions.
BASIC_STATEMENTS = """let input goto if end stop for next while wend gosub return read data restore
gotoxy on dim erase poke list run new load merge save bye quit del renum then else to step print
punch put""".split()
BASIC_WORD_OPERATORS = ["and", "or", "xor", "not", "mod"]

START = r"(?:^|(?<=;))[ \t]*"  # the start of a logical line, blanks allowed
TOKEN_END = r"(?=[ \t;#]|$)"  # a token ends at a blank, a statement break or a comment


def read_table(name):
    with open(TABLES / name, newline="", encoding="utf-8") as handle:
        return list(csv.DictReader(handle, delimiter="\t"))


def alternatives(words):
    """A regex alternation of the words, longest first so that no word hides a longer one."""
    unique = sorted(set(words), key=lambda word: (-len(word), word))
    return "|".join(re.escape(word) for word in unique)


def block_rule(block, spellings, all_spellings, options):
    argument_scope = {
        "database": "string.unquoted.path.phreeqc",
        "title": "string.unquoted.title.phreeqc",
    }.get(block, "entity.name.section.phreeqc")
    patterns = [{"include": "#line-start-items"}]
    dashless = [option for option in options if option not in all_spellings]
    if dashless:
        patterns.append({
            "match": "(?i)" + START + "(" + alternatives(dashless) + ")" + TOKEN_END,
            "captures": {"1": {"name": "keyword.other.option.phreeqc"}},
        })
    if block in BASIC_BLOCKS:
        patterns.append({"include": "#basic-line"})
    if block == "title":
        patterns.append({"match": r"[^#;]+", "name": "string.unquoted.title.phreeqc"})
    patterns.append({"include": "#data"})
    return {
        "name": "meta.block." + block + ".phreeqc",
        "begin": "(?i)" + START + "(" + alternatives(spellings) + ")" + TOKEN_END
        + r"(?:[ \t]+(\d+(?:[ \t]*-[ \t]*\d+)?)" + TOKEN_END + r")?[ \t]*([^#;]*?)[ \t]*(?=[#;]|$)",
        "beginCaptures": {
            "1": {"name": "keyword.control.block.phreeqc"},
            "2": {"name": "constant.numeric.phreeqc"},
            "3": {"name": argument_scope},
        },
        "end": "(?i)(?=" + START + "(?:" + alternatives(all_spellings) + ")" + TOKEN_END + ")",
        "patterns": patterns,
    }


def basic_rules(words):
    statements = [word for word in words if word in BASIC_STATEMENTS]
    operators = [word for word in words if word in BASIC_WORD_OPERATORS]
    functions = [word for word in words
                 if word not in BASIC_STATEMENTS + BASIC_WORD_OPERATORS + ["rem"] and " " not in word]
    word_edge = r"(?<![\w$])(?:{})(?![\w$])"
    return {
        "basic-line": {
            "name": "meta.embedded.line.basic.phreeqc",
            "begin": START + r"(\d+)(?![\d.])",
            "beginCaptures": {"1": {"name": "constant.numeric.line-number.basic.phreeqc"}},
            # A backslash at the end of a line (up to two blanks after it) continues the BASIC line on
            # the next one. The tokenizer sees each line with its "\n", and `$` matches on both sides of it.
            "end": r"(?=;)|(?<!\\|\\[ \t]|\\[ \t]{2}|\\\n|\\[ \t]\n|\\[ \t]{2}\n)$",
            "patterns": [
                {"include": "#comment"},
                {"match": r"(?i)(?<![\w$])rem(?![\w$])[^;#]*", "name": "comment.line.rem.basic.phreeqc"},
                {"include": "#basic-string"},
                {"match": "(?i)" + word_edge.format(alternatives(statements)),
                 "name": "keyword.control.basic.phreeqc"},
                {"match": "(?i)" + word_edge.format(alternatives(operators)),
                 "name": "keyword.operator.word.basic.phreeqc"},
                {"match": "(?i)" + word_edge.format(alternatives(functions)),
                 "name": "support.function.basic.phreeqc"},
                {"match": r"(?<![\w$.])(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?(?![\w$])",
                 "name": "constant.numeric.phreeqc"},
                {"match": r"<=|>=|<>|[-+*/^=<>]", "name": "keyword.operator.basic.phreeqc"},
                {"match": r"(?i)[a-z][\w$]*", "name": "variable.other.basic.phreeqc"},
            ],
        },
        # A `#` or `;` ends a BASIC string too, since PHREEQC cuts the line before BASIC sees it.
        "basic-string": {
            "name": "string.quoted.double.basic.phreeqc",
            "begin": '"', "end": '"|(?=[;#])|$',
        },
    }


def make_grammar():
    keywords = read_table("keywords.tsv")
    options = read_table("options.tsv")
    basic = read_table("basic.tsv")
    spellings_of = {}
    for row in keywords:
        spellings_of.setdefault(row["block"], []).append(row["spelling"])
    options_of = {}
    for row in options:
        options_of.setdefault(row["block"], []).append(row["option"])
    all_spellings = [row["spelling"] for row in keywords]

    repository = {
        "comment": {"match": "#.*$", "name": "comment.line.number-sign.phreeqc"},
        "statement-break": {"match": ";", "name": "punctuation.separator.statement.phreeqc"},
        "include-line": {
            "match": "(?i)" + START + r"((?:include\$|include_file)[^ \t;#]*)[ \t]*([^#;]*?)[ \t]*(?=[#;]|$)",
            "captures": {"1": {"name": "keyword.control.include.phreeqc"},
                         "2": {"name": "string.unquoted.path.phreeqc"}},
        },
        "option": {
            "match": START + r"(-[A-Za-z][^ \t;#]*)",
            "captures": {"1": {"name": "keyword.other.option.phreeqc"}},
        },
        "line-start-items": {"patterns": [
            {"include": "#comment"}, {"include": "#statement-break"},
            {"include": "#include-line"}, {"include": "#option"}]},
        "data": {"patterns": [
            {"include": "#comment"}, {"include": "#statement-break"},
            {"begin": '"', "end": '"|(?=[;#])|$', "name": "string.quoted.double.phreeqc"},
            {"match": r"(?<![\w.+\-()\[\]:$])\d+-\d+(?![\w.(\[])", "name": "constant.numeric.range.phreeqc"},
            {"match": r"(?<![\w.+\-()\[\]:$])[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?(?![\w.(\[])",
             "name": "constant.numeric.phreeqc"},
        ]},
    }
    repository.update(basic_rules([row["token"] for row in basic if row["kind"] == "word"]))
    for block, spellings in spellings_of.items():
        repository["block-" + block] = block_rule(
            block, spellings, all_spellings, options_of.get(block, []))
    return {
        "comment": "Generated by editors/vscode/scripts/make_grammar.py from data/phreeqc3/*.tsv; do not edit.",
        "name": "PHREEQC",
        "scopeName": "source.phreeqc",
        "patterns": [{"include": "#line-start-items"}]
        + [{"include": "#block-" + block} for block in spellings_of]
        + [{"include": "#data"}],
        "repository": repository,
    }


def main():
    text = json.dumps(make_grammar(), indent=1) + "\n"
    if "--check" in sys.argv[1:]:
        if not GRAMMAR.exists() or GRAMMAR.read_text(encoding="utf-8") != text:
            sys.exit(f"{GRAMMAR} is out of date: run {Path(__file__).name}")
        return
    GRAMMAR.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
