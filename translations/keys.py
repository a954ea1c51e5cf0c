#!/usr/bin/env python3
"""Prints the texts a catalogue holds, one "context | text" per line, sorted, whatever the tool
version that wrote it: so that catalogues written by lupdate, xgettext and msgmerge of different
releases compare by what they hold, not by how they lay it out.
    translations/keys.py FILE.ts|FILE.po|FILE.pot"""
import re
import sys
import xml.etree.ElementTree as ElementTree


def po_keys(text):
    keys = []
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
        if fields.get("msgid"):
            keys.append(f"{fields.get('msgctxt', '')} | {fields['msgid']}")
    return keys


def ts_keys(path):
    keys = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            keys.append(f"{name} | {message.findtext('source')}")
    return keys


path = sys.argv[1]
keys = ts_keys(path) if path.endswith(".ts") else po_keys(open(path, encoding="utf-8").read())
sys.stdout.write("".join(f"{key}\n" for key in sorted(keys)))
