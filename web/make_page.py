#!/usr/bin/env python3
"""Makes the one self-contained page: the template with its style, the core's module and the
page's code inlined, the catalogues of every shipped language, the icon, and a policy that allows
exactly the inlined script and style by their hashes.

    make_page.py TEMPLATE STYLE SCRIPT MODULE ICON PO-FOLDER OUTPUT CATALOGUE.ts...

The plural rule of each language comes from its gettext catalogue in PO-FOLDER, the one the
command line chooses its forms by.
"""
import base64
import hashlib
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree


def catalogue_of(ts_path):
    """Every finished translation of a Qt catalogue, keyed as the page looks them up: a text, or
    for a text that tells a number the list of its plural forms."""
    texts = {}
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type"):
                continue
            forms = [form.text for form in translation.iter("numerusform")]
            found = forms if message.get("numerus") == "yes" else translation.text
            if found and all(found):
                texts[name + "\u0004" + message.findtext("source")] = found
    return texts


def language_of(ts_path):
    return re.fullmatch(r"vellumark9_(.+)\.ts", pathlib.Path(ts_path).name).group(1)


# A rule of gettext's Plural-Forms, which is also an expression of JavaScript once its truth
# values are numbers: only n, whole numbers, comparisons, logic, remainders and choices, so that
# nothing else can reach the page's code.
RULE_TOKEN = re.compile(r"\s*(n|\d+|==|!=|<=|>=|&&|\|\||[<>!?:%()])")


def plural_rule_of(po_path):
    """The number of plural forms of a gettext catalogue, and its rule."""
    first_entry = pathlib.Path(po_path).read_text(encoding="utf-8").split("\n\n")[0]
    header = "".join(re.findall(r'^"(.*)"$', first_entry, re.M))
    header = re.search(r"Plural-Forms: *nplurals=(\d+); *plural=([^;]*);", header)
    if not header:
        sys.exit(f"make_page.py: {po_path} has no Plural-Forms")
    rule, at = header.group(2).strip(), 0
    while at < len(rule):
        token = RULE_TOKEN.match(rule, at)
        if not token:
            sys.exit(f"make_page.py: the plural rule of {po_path} is not one the page can take")
        at = token.end()
    return int(header.group(1)), rule


def language_entry(ts_path, po_folder):
    """One language as the page holds it: its plural rule and its texts, as JavaScript."""
    texts = catalogue_of(ts_path)
    count, rule = plural_rule_of(pathlib.Path(po_folder) / (language_of(ts_path) + ".po"))
    for key, forms in texts.items():
        if isinstance(forms, list) and len(forms) != count:
            sys.exit(f"make_page.py: {ts_path} has {len(forms)} forms of {key!r}, "
                     f"and the language has {count}")
    texts_json = json.dumps(texts, ensure_ascii=False, sort_keys=True, separators=(",", ":"))
    return (json.dumps(language_of(ts_path).replace("_", "-")) +
            f":{{plural:(n)=>Number({rule}),texts:{texts_json}}}")


def hash_source(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def main(template, style, script, module, icon, po_folder, output, *ts_paths):
    catalogues = ("{" + ",".join(language_entry(path, po_folder) for path in sorted(ts_paths)) +
                  "}").replace("</", "<\\/")
    page_code = pathlib.Path(script).read_text(encoding="utf-8")
    if "VELLUM_CATALOGUES" not in page_code:
        sys.exit("make_page.py: the page's code has no place for the catalogues")
    code = (pathlib.Path(module).read_text(encoding="utf-8") + "\n" +
            page_code.replace("VELLUM_CATALOGUES", catalogues, 1))
    css = pathlib.Path(style).read_text(encoding="utf-8")
    for name, inlined in (("script", code), ("style", css)):
        if "</" + name in inlined.lower():
            sys.exit(f"make_page.py: the inlined {name} would end its own element")
    policy = "; ".join([
        "default-src 'none'",
        f"script-src {hash_source(code)} 'wasm-unsafe-eval'",
        f"style-src {hash_source(css)}",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    icon_data = base64.b64encode(pathlib.Path(icon).read_bytes()).decode("ascii")
    page = pathlib.Path(template).read_text(encoding="utf-8")
    for placeholder, value in (("@POLICY@", policy), ("@ICON@", icon_data), ("@STYLE@", css),
                               ("@SCRIPT@", code)):
        if placeholder not in page:
            sys.exit(f"make_page.py: the template has no {placeholder}")
        page = page.replace(placeholder, value)
    pathlib.Path(output).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
