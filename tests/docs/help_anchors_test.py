#!/usr/bin/env python3
"""Every topic the program opens in the help file is there.

Reads the anchors from the sources: the string literals starting with "#"
that are passed to ShowHelp(...) or returned by a HelpAnchor() override,
anywhere under the program's and the libraries' folders. Fails when one of
them is not an id (or <a name>) in the help file, when a HelpAnchor() returns
something the scan cannot read, when the scan finds no anchor at all, or when
a link of the help file leads nowhere or out of the file.

Usage: help_anchors_test.py [source root] [help file]
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SOURCE_FOLDERS = ("app", "core", "editing", "display", "receiver", "plugins")
SOURCE_ENDINGS = (".cpp", ".h")

# Comments go, string and character literals stay (a "//" inside a literal is no comment).
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
ANCHOR_LITERAL = re.compile(r'"(#[^"]*)"')
SHOW_HELP_CALL = re.compile(r"\bShowHelp\s*\(([^;]*)")
HELP_ANCHOR_BODY = re.compile(r"\bHelpAnchor\s*\(\s*\)[\w\s]*\{([^}]*)\}")
HTML_TARGET = re.compile(r"""\b(?:id|name)\s*=\s*["']([^"']+)["']""", re.I)
HTML_LINK = re.compile(r"""\bhref\s*=\s*["']([^"']*)["']""", re.I)


def without_comments(text):
    return TOKEN.sub(lambda m: " " if m.group().startswith("/") else m.group(), text)


def source_files(root):
    for folder in SOURCE_FOLDERS:
        for where, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if name.endswith(SOURCE_ENDINGS):
                    yield os.path.join(where, name)


def scan(root):
    """(anchors: {anchor: [places]}, problems: [text])"""
    anchors, problems = {}, []
    for path in source_files(root):
        with open(path, encoding="utf-8", errors="replace") as source:
            code = without_comments(source.read())
        place = os.path.relpath(path, root)
        for call in SHOW_HELP_CALL.finditer(code):
            for anchor in ANCHOR_LITERAL.findall(call.group(1)):
                anchors.setdefault(anchor, []).append(place)
        for body in HELP_ANCHOR_BODY.finditer(code):
            found = ANCHOR_LITERAL.findall(body.group(1))
            if not found and "nullptr" not in body.group(1):
                problems.append(f"{place}: HelpAnchor() returns no \"#...\" literal: {body.group(1).strip()}")
            for anchor in found:
                anchors.setdefault(anchor, []).append(place)
    return anchors, problems


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else ROOT
    help_file = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "docs", "Tovanix.html")
    with open(help_file, encoding="utf-8") as page:
        html = page.read()
    targets = set(HTML_TARGET.findall(html))

    anchors, problems = scan(root)
    if not anchors:
        problems.append(f"no help anchors found in the sources under {root}")
    for anchor, places in sorted(anchors.items()):
        status = "ok" if anchor[1:] in targets else "MISSING"
        print(f"{status:8} {anchor:18} {', '.join(sorted(set(places)))}")
        if status != "ok":
            problems.append(f"{anchor} is missing from {help_file}")
    for link in HTML_LINK.findall(html):
        if not link.startswith("#"):
            problems.append(f"the help file links outside itself: {link}")
        elif link[1:] not in targets:
            problems.append(f"the help file's link {link} leads nowhere")

    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
