#!/usr/bin/env python3
"""Collects the texts of every Tr("..."), TrText("...") and TrMessage("...", ...) call, every UserText("...") mark
of the layers below the engine and every QT_TRANSLATE_NOOP("Tavolo", "...") mark in src into
translations/tavolo_<lang>.ts. A text's location names its first file without a line, so that
editing the code around a text leaves the catalogues as they are.

Translations already in a catalogue are kept; a new text is added unfinished, and a text no
longer in the code is dropped. Run it after adding or changing a user-visible text, then
translate what `lrelease` reports unfinished.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
LANGUAGES = {"de": "de_DE", "fr": "fr_FR"}
CONTEXT = "Tavolo"
# Tr(, TrText(, TrMessage(, UserText(, the engine's translate("Tavolo", or the mark of a text kept
# in a table, then one or more adjacent string literals, then the call's end or its next argument.
CALL = re.compile(r'\b(?:(?:Tr|TrText|TrMessage|UserText)\(|(?:QT_TRANSLATE_NOOP|QCoreApplication::translate)\(\s*"Tavolo",)\s*((?:"(?:[^"\\]|\\.)*"\s*)+)[,)]')
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}


def unescape(text):
    def one(match):
        code = match.group(1)
        if code.startswith("u"):
            return chr(int(code[1:], 16))
        return ESCAPES[code]
    return re.sub(r'\\(u[0-9A-Fa-f]{4}|.)', one, text)


def texts_in_code():
    found = {}
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h") or "gallery" in path.parts:
            continue
        source = path.read_text(encoding="utf-8")
        for call in CALL.finditer(source):
            text = "".join(unescape(m.group(1)) for m in LITERAL.finditer(call.group(1)))
            found.setdefault(text, str(path.relative_to(ROOT)))
    return found


def existing(path):
    if not path.exists():
        return {}
    kept = {}
    for message in ET.parse(path).getroot().iter("message"):
        translation = message.find("translation")
        if translation is not None and translation.get("type") != "unfinished" and translation.text:
            kept[message.findtext("source")] = translation.text
    return kept


def write(path, language, texts, translations):
    ts = ET.Element("TS", version="2.1", language=language, sourcelanguage="en")
    context = ET.SubElement(ts, "context")
    ET.SubElement(context, "name").text = CONTEXT
    for text, where in texts.items():
        message = ET.SubElement(context, "message")
        ET.SubElement(message, "location", filename="../" + where)
        ET.SubElement(message, "source").text = text
        translation = ET.SubElement(message, "translation")
        if text in translations:
            translation.text = translations[text]
        else:
            translation.set("type", "unfinished")
    ET.indent(ts)
    body = ET.tostring(ts, encoding="unicode")
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                    encoding="utf-8")


def main():
    texts = texts_in_code()
    for short, language in LANGUAGES.items():
        path = ROOT / "translations" / f"tavolo_{short}.ts"
        kept = existing(path)
        write(path, language, texts, kept)
        missing = sum(1 for text in texts if text not in kept)
        print(f"{path.name}: {len(texts)} texts, {missing} to translate")
    return 0


if __name__ == "__main__":
    sys.exit(main())
