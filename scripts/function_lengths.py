#!/usr/bin/env python3
"""Lines per C++ function, longest first.

    function_lengths.py [--max N] [--top K] PATH...

PATH is a file or a directory (its .cpp and .h files). A function runs from the
first line of its declaration to its closing brace; lambdas and local classes
count toward the function around them. With --max, exits 1 when a function is
longer than N lines (and lists those).
"""
import argparse
import pathlib
import re
import sys

# What stands before a '{' that opens a function body: a parameter list, then
# qualifiers, a trailing return type or a constructor's initialiser list.
BODY = re.compile(r"\)\s*(const|noexcept|override|final|mutable|&|&&|->\s*[\w:<>,*&\s]+|\s)*$")
INITIALISERS = re.compile(r"\)\s*:\s*[\w:]+\s*[({].*[)}]\s*$", re.S)
NOT_FUNCTIONS = re.compile(r"^\s*(namespace|class|struct|enum|union|extern)\b|=\s*$|\b(if|for|while|switch|catch)\s*\(")


def blank_out(text):
    """The text with comments, strings and character literals turned to blanks
    (line breaks kept), so that braces inside them do not count."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == 'R' and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == '_')):
            k = text.find("(", i)
            delim = ")" + text[i + 2:k] + '"'
            j = text.find(delim, k)
            j = n if j < 0 else j + len(delim)
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():  # a digit separator: 1'000
                out.append(" ")
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(" " * (j - i))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def functions(path):
    """(name, first line, line count) for each function in the file."""
    text = blank_out(path.read_text(encoding="utf-8", errors="replace"))
    found = []
    stack = []  # per open brace: True when it opens a function body
    statement_start = 0  # where the text since the last ';', '{' or '}' begins
    in_function = 0
    for i, c in enumerate(text):
        if c in ";{}":
            before = text[statement_start:i]
            if c == "{":
                is_body = (in_function == 0 and not NOT_FUNCTIONS.search(before)
                           and (BODY.search(before) or INITIALISERS.search(before)))
                stack.append((bool(is_body), statement_start))
                if is_body:
                    in_function += 1
            elif c == "}" and stack:
                is_body, start = stack.pop()
                if is_body:
                    in_function -= 1
                    head = text[start:i]
                    offset = len(head) - len(head.lstrip())
                    first_line = text.count("\n", 0, start + offset) + 1
                    last_line = text.count("\n", 0, i) + 1
                    name = re.search(r"([~\w:<>]+(?:operator\S*)?)\s*\(", head)
                    found.append((name.group(1) if name else "?", first_line, last_line - first_line + 1))
            statement_start = i + 1
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--max", type=int)
    parser.add_argument("--top", type=int, default=10)
    parser.add_argument("paths", nargs="+")
    args = parser.parse_args()
    files = []
    for p in map(pathlib.Path, args.paths):
        files += sorted(x for x in p.rglob("*") if x.suffix in (".cpp", ".h")) if p.is_dir() else [p]
    rows = sorted(((n, f, name, line) for f in files for name, line, n in functions(f)), key=lambda r: -r[0])
    too_long = [r for r in rows if args.max is not None and r[0] > args.max]
    for n, f, name, line in (too_long or rows[:args.top]):
        print(f"{n:5}  {f}:{line}  {name}")
    if args.max is not None:
        print(f"{len(rows)} functions, {len(too_long)} longer than {args.max} lines")
    return 1 if too_long else 0


if __name__ == "__main__":
    sys.exit(main())
