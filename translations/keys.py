#!/usr/bin/env python3
"""Prints the texts a catalogue holds, one "context | text" per line, sorted, whatever the tool
version that wrote it: so that catalogues written by lupdate, xgettext and msgmerge of different
releases compare by what they hold, not by how they lay it out.
    translations/keys.py FILE.ts|FILE.po|FILE.pot
With --translation, prints instead what a .po file says for the text under CONTEXT that begins
with BEGINNING (its first form), for the tests that check a language is spoken:
    translations/keys.py --translation FILE.po CONTEXT BEGINNING"""
import re
import sys
import xml.etree.ElementTree as ElementTree


def po_entries(text):
    """Each entry of a .po file as its fields, the strings unquoted but still escaped."""
    for block in text.split("\n\n"):
        lines = [line for line in block.split("\n") if line and not line.startswith("#")]
        fields, current = {}, None
        for line in lines:
            match = re.match(r'^(msgctxt|msgid|msgid_plural|msgstr(?:\[\d+\])?) "(.*)"$', line)
            if match:
                current = match.group(1)
                fields[current] = match.group(2)
            elif current:
                fields[current] += re.match(r'^"(.*)"$', line).group(1)
        yield fields


def po_keys(text):
    return [f"{fields.get('msgctxt', '')} | {fields['msgid']}"
            for fields in po_entries(text) if fields.get("msgid")]


def po_translation(text, context, beginning):
    for fields in po_entries(text):
        if fields.get("msgctxt") == context and fields.get("msgid", "").startswith(beginning):
            found = fields.get("msgstr", fields.get("msgstr[0]"))
            return re.sub(r"\\(.)", lambda escape: {"n": "\n", "t": "\t"}.get(
                escape.group(1), escape.group(1)), found)
    sys.exit(f"keys.py: no text under {context} begins with {beginning!r}")


def ts_keys(path):
    keys = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            keys.append(f"{name} | {message.findtext('source')}")
    return keys


if sys.argv[1] == "--translation":
    print(po_translation(open(sys.argv[2], encoding="utf-8").read(), *sys.argv[3:5]))
    sys.exit()
path = sys.argv[1]
keys = ts_keys(path) if path.endswith(".ts") else po_keys(open(path, encoding="utf-8").read())
sys.stdout.write("".join(f"{key}\n" for key in sorted(keys)))
