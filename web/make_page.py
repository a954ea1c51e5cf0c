#!/usr/bin/env python3
"""Makes the one self-contained page: the template with its style, the core's module and the
page's code inlined, the catalogues of every shipped language, the icon, and a policy that allows
exactly the inlined script and style by their hashes.

    make_page.py TEMPLATE STYLE SCRIPT MODULE ICON OUTPUT CATALOGUE.ts...
"""
import base64
import hashlib
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree


def catalogue_of(ts_path):
    """Every finished translation of a Qt catalogue, keyed as the page looks them up."""
    texts = {}
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not translation.text:
                continue
            texts[name + "\u0004" + message.findtext("source")] = translation.text
    return texts


def language_of(ts_path):
    return re.fullmatch(r"vellumark9_(.+)\.ts", pathlib.Path(ts_path).name).group(1)


def hash_source(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def main(template, style, script, module, icon, output, *ts_paths):
    catalogues = {language_of(path).replace("_", "-"): catalogue_of(path) for path in ts_paths}
    catalogue_json = json.dumps(catalogues, ensure_ascii=False, sort_keys=True,
                                separators=(",", ":")).replace("</", "<\\/")
    page_code = pathlib.Path(script).read_text(encoding="utf-8")
    if "VELLUM_CATALOGUES" not in page_code:
        sys.exit("make_page.py: the page's code has no place for the catalogues")
    code = (pathlib.Path(module).read_text(encoding="utf-8") + "\n" +
            page_code.replace("VELLUM_CATALOGUES", catalogue_json, 1))
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
