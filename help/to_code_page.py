#!/usr/bin/env python3
"""Writes the user guide's UTF-8 sources into a folder in code page 936 (GBK), the code page of
the guide's language (0x804). HTML Help reads the project's title, the contents and the index
in that code page whatever the files declare, so UTF-8 there shows as mojibake; the pages are
converted too, with their declared charset, so that every part of the help reads alike.

    to_code_page.py SOURCE_FOLDER TARGET_FOLDER
"""
import pathlib
import shutil
import sys

CODE_PAGE = "gbk"
CHARSET_UTF8 = "charset=utf-8"
CHARSET_GBK = "charset=gb2312"  # the label HTML Help knows code page 936 by


def convert(text: str, name: str, entities: bool) -> bytes:
    # A page may spell a character GBK lacks as an HTML entity; the project, the contents and
    # the index have no such escape, so a character outside GBK there stops the build.
    try:
        return text.encode(CODE_PAGE, errors="xmlcharrefreplace" if entities else "strict")
    except UnicodeEncodeError as e:
        sys.exit(f"{name}: {text[e.start:e.end]!r} has no GBK code; the help cannot show it")


def main() -> None:
    source, target = map(pathlib.Path, sys.argv[1:3])
    target.mkdir(parents=True, exist_ok=True)
    for file in sorted(source.iterdir()):
        if file.suffix in (".html", ".hhc", ".hhk"):
            text = file.read_text(encoding="utf-8").replace(CHARSET_UTF8, CHARSET_GBK)
            (target / file.name).write_bytes(convert(text, file.name, file.suffix == ".html"))
        elif file.suffix == ".hhp":
            text = file.read_text(encoding="utf-8")
            (target / file.name).write_bytes(convert(text, file.name, False))
        elif file.suffix != ".py":
            shutil.copyfile(file, target / file.name)


if __name__ == "__main__":
    main()
