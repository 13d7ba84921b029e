#!/usr/bin/env python3
"""The project's own texts against their Dutch and French translations.

  check_translations.py LUPDATE SOURCE_DIR           fail on any text of the code without a
                                                     finished translation, or whose translation
                                                     names other placeholders (%1, %2, ...)
  check_translations.py LUPDATE SOURCE_DIR --update  bring translations/*.ts up to date with
                                                     the code; new texts come in unfinished
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

FOLDERS = ["app", "service", "workstation", "database", "platform"]
LANGUAGES = ["nl", "fr"]


def run_lupdate(lupdate, source_dir, ts_files):
    # Tr(context, text) is looked up where it is written; SKARVEL_TEXT(context, text) marks a
    # table's text, looked up where it is used.
    subprocess.run(
        [lupdate, "-silent", "-extensions", "cpp,h", "-locations", "none", "-no-obsolete",
         "-tr-function-alias", "translate+=Tr,QT_TRANSLATE_NOOP+=SKARVEL_TEXT"]
        + [str(source_dir / folder) for folder in FOLDERS] + ["-ts"] + [str(f) for f in ts_files],
        check=True)


def placeholders(text):
    return sorted(set(re.findall(r"%\d", text or "")))


def problems_of(ts_file):
    problems = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            text = translation.text if translation is not None else None
            where = f"{name}: \"{source}\""
            if translation is None or translation.get("type") in ("unfinished", "obsolete") \
                    or not (text or "").strip():
                problems.append(f"no translation for {where}")
            elif placeholders(source) != placeholders(text):
                problems.append(f"other placeholders in \"{text}\" for {where}")
    return problems


def main():
    lupdate, source_dir = sys.argv[1], pathlib.Path(sys.argv[2])
    committed = [source_dir / "translations" / f"skarvel_{language}.ts" for language in LANGUAGES]
    if sys.argv[3:] == ["--update"]:
        run_lupdate(lupdate, source_dir, committed)
        return 0
    with tempfile.TemporaryDirectory() as folder:
        fresh = [pathlib.Path(folder) / ts.name for ts in committed]
        for ts, copy in zip(committed, fresh):
            shutil.copy(ts, copy)
        run_lupdate(lupdate, source_dir, fresh)
        problems = [f"{ts.name}: {problem}" for ts in fresh for problem in problems_of(ts)]
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} texts need a translation: ./run translations, then translate "
              "them in translations/*.ts", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
