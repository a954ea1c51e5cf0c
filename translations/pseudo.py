#!/usr/bin/env python3
"""The pseudo-language, for the tests only and never shipped: every text accented and made about
40% longer, its %1 markers, & access keys and line breaks kept, so that a string that was never
marked shows up in English and a control too narrow for a longer language cuts it short.
    translations/pseudo.py ts  < vellumark9_de.ts > pseudo.ts   (any language's .ts)
    translations/pseudo.py po  < vellumark9.pot   > pseudo.po"""
import re
import sys

ACCENTED = str.maketrans("AEIOUYaeiouycnsCNS", "ÀÉÎÕÜÝàéîõüýçñšÇÑŠ")


def pseudo(text):
    def line(part):
        if not part.strip():
            return part
        pieces = re.split(r"(%\d|&[a-zA-Z]|-[-a-z]+|vellumark9\S*)", part)
        body = "".join(p if i % 2 else p.translate(ACCENTED) for i, p in enumerate(pieces))
        return "⟦" + body + "~" * max(2, len(part) * 2 // 5) + "⟧"
    return "\n".join(line(part) for part in text.split("\n"))


def escape_xml(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def unescape_xml(text):
    return (text.replace("&quot;", '"').replace("&apos;", "'").replace("&lt;", "<")
            .replace("&gt;", ">").replace("&amp;", "&"))


def ts_translation(numerus, source):
    """A message's translation: for a counted one, each of the two forms English has."""
    text = escape_xml(pseudo(unescape_xml(source)))
    if not numerus:
        return "<translation>%s</translation>" % text
    return "<translation>%s</translation>" % ("<numerusform>%s</numerusform>" % text * 2)


def ts(source):
    pattern = re.compile(r"(<message([^>]*)>\s*<source>(.*?)</source>.*?)<translation[^>]*>.*?"
                         r"</translation>", re.S)
    text = pattern.sub(lambda m: m.group(1) + ts_translation('numerus="yes"' in m.group(2),
                                                            m.group(3)), source)
    return re.sub(r'language="[^"]*"', 'language="en_XA"', text, count=1)


def po_string(lines):
    return "".join(re.match(r'^(?:msgid|msgctxt)?\s*"(.*)"$', l).group(1) for l in lines) \
        .encode("latin1", "backslashreplace").decode("unicode_escape").encode("latin1").decode()


def po_quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def po(source):
    out = []
    for block in source.split("\n\n"):
        lines = block.split("\n")
        start = next((i for i, l in enumerate(lines) if l.startswith("msgid")), None)
        end = next((i for i, l in enumerate(lines) if l.startswith("msgstr")), None)
        if start is None or end is None:
            continue
        plural = next((i for i, l in enumerate(lines) if l.startswith("msgid_plural")), end)
        msgid = po_string(lines[start:plural])
        head = [l for l in lines[:end] if not l.startswith("#")]
        if msgid == "":
            out.append('msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"'
                       '"Plural-Forms: nplurals=2; plural=(n != 1);\\n"')
        elif plural < end:  # a counted text: each of the two forms English has
            out.append("\n".join(head) + "".join(
                f"\nmsgstr[{form}] " + po_quote(pseudo(msgid)) for form in range(2)))
        else:
            out.append("\n".join(head) + "\nmsgstr " + po_quote(pseudo(msgid)))
    return "\n\n".join(out) + "\n"


if __name__ == "__main__":
    sys.stdout.write({"ts": ts, "po": po}[sys.argv[1]](sys.stdin.read()))
