#!/usr/bin/env python3
"""The offline page in headless Chromium: lines it encrypts decrypt in the filter and the other
way round, the stored vectors read, the address's printable form, an error, the announcements,
markup kept as text, no request, nothing stored, a language, a phone's screen and the audit.

    page_test.py PAGE FILTER AXE_JS VECTORS_HEADER
"""
import contextlib
import functools
import http.server
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import threading
import unicodedata

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

PAGE, FILTER, AXE, VECTORS = sys.argv[1:5]
LINES = ["Meet me at nine", "Grüße aus Köln — „Zitat“ € 5", "Καλημέρα κόσμε", "Привет, мир",
         "中文和日本語のテキスト", "مرحبا بالعالم", "👨‍👩‍👧 👍🏽 🇩🇪", "tab\there } and ~",
         "<b>bold</b><script>alert(1)</script>&amp;", "x" * 300]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def browser(language="en", width=1000, height=900):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-sync",
                 "--disable-component-update", f"--user-data-dir={tempfile.mkdtemp()}",
                 f"--lang={language}", f"--window-size={width},{height}"]:
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                            options=options)


def opened(driver, address):
    """Opens the page and waits until it can be used; the driver's script timeout bounds that."""
    driver.get(address)
    driver.execute_script("""return new Promise(done => { const wait = () =>
        document.body.dataset.ready ? done() : setTimeout(wait, 20); wait(); })""")
    return driver


def command(driver, button, text):
    """Puts text in the input box, presses the button, and reads what came of it."""
    return driver.execute_script("""
        document.getElementById('input').value = arguments[1];
        document.getElementById(arguments[0]).click();
        const alert = document.getElementById('alert');
        return [document.getElementById('output').value, alert.hidden ? '' : alert.innerText];
        """, button, text)


def announced(driver):
    """What the polite live region says once the announcement has landed."""
    return driver.execute_script("""return new Promise(done => setTimeout(
        () => done(document.getElementById('status').textContent), 200))""")


def filtered(lines, *options):
    done = subprocess.run([FILTER, *options], input="\n".join(lines) + "\n",
                          capture_output=True, text=True, check=True)
    return done.stdout.split("\n")[:-1]


def stored_vectors():
    """The known answers of both text formats, read from the C++ header's string literals: each
    value is one or more adjacent literals, the last with the suffix sv, three to a vector."""
    header = pathlib.Path(VECTORS).read_text(encoding="utf-8")
    vectors = []
    for table in ("kTextVectors", "kExtendedVectors"):
        body = header[header.index(table + "[] = {"):]
        body = body[:body.index("\n};")]
        values, pieces = [], []
        for piece, suffix in re.findall(r'"((?:[^"\\]|\\.)*)"(sv)?', body):
            pieces.append(re.sub(rb"\\(x[0-9a-fA-F]+|[0-7]{1,3}|.)", unescape, piece.encode()))
            if suffix:
                values.append(b"".join(pieces))
                pieces = []
        for at in range(0, len(values), 3):
            line, cipher, form = values[at:at + 3]
            vectors.append((line.decode("utf-8"), cipher.decode("latin-1"), form.decode("ascii")))
    return vectors


def unescape(match):
    escape = match.group(1)
    if escape.startswith(b"x"):
        return bytes([int(escape[1:], 16)])
    if escape[:1].isdigit():
        return bytes([int(escape, 8)])
    return {b"n": b"\n", b"t": b"\t", b"r": b"\r"}.get(escape, escape)


@contextlib.contextmanager
def served(folder):
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield f"http://127.0.0.1:{server.server_port}/{pathlib.Path(PAGE).name}"
    finally:
        server.shutdown()


def interop(driver):
    ciphers = [command(driver, "encrypt", line)[0] for line in LINES]
    check(filtered(ciphers, "--decrypt") == LINES, "the filter reads what the page encrypts")
    for made in (filtered(LINES, "--encrypt"), filtered(LINES, "--encrypt", "--armor")):
        check([command(driver, "decrypt", cipher)[0] for cipher in made] == LINES,
              "the page reads what the filter encrypts")
    vectors = stored_vectors()
    check(len(vectors) >= 19, f"the stored vectors are read ({len(vectors)})")
    for line, cipher, form in vectors:
        check(command(driver, "decrypt", cipher)[0] == line, f"a stored ciphertext: {line!r}")
        check(command(driver, "decrypt", form)[0] == line, f"a stored printable form: {form}")


def keyboard(driver):
    """Enter encrypts and Shift+Enter breaks the line, with the focus kept in the input box."""
    box = driver.find_element(By.ID, "input")
    box.clear()
    box.send_keys("one", Keys.SHIFT, Keys.ENTER, Keys.SHIFT, "two", Keys.ENTER)
    check(driver.execute_script("return document.activeElement.id") == "input", "focus stays")
    cipher = driver.find_element(By.ID, "output").get_property("value")
    check(command(driver, "decrypt", cipher)[0] == "one\ntwo", "Enter encrypts the two lines")
    check(driver.find_element(By.ID, "decrypt").get_attribute("accesskey") == "r",
          "Decrypt has an access key the browser leaves free")


def clipboard(driver):
    """Copy takes the output, Copy as Printable Text only what Encrypt wrote there."""
    driver.execute_cdp_cmd("Browser.grantPermissions",
                           {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    read = "navigator.clipboard.readText().then(arguments[0])"
    command(driver, "encrypt", LINES[1])
    driver.find_element(By.ID, "copy-printable").click()
    check(filtered([driver.execute_async_script(read)], "--decrypt") == [LINES[1]],
          "Copy as Printable Text copies the printable form")
    check(announced(driver) == "Copied the scrambled text as printable text.", "copy said")
    form = driver.execute_async_script(read)
    driver.find_element(By.ID, "copy-link").click()
    check(driver.execute_async_script(read) == driver.current_url.split("#")[0] + "#" + form,
          "Copy Link copies the page's address with the printable form after #")
    driver.execute_script("document.getElementById('output').value += 'x'")
    driver.find_element(By.ID, "copy").click()
    check(driver.execute_async_script(read).endswith("x"), "Copy copies the output")
    driver.find_element(By.ID, "copy-printable").click()
    check(driver.find_element(By.ID, "alert").text.startswith("There is no scrambled text"),
          "no printable form of an output Encrypt did not write")


def behaviour(driver, address):
    markup = LINES[8]
    cipher, _ = command(driver, "encrypt", markup)
    said = announced(driver)
    check(said == f"Encrypted: {len(cipher)} characters in the output.", f"announcement: {said}")
    check(command(driver, "decrypt", cipher)[0] == markup, "markup comes back as text")
    check(driver.execute_script("return document.querySelectorAll('b, main script').length") == 0,
          "no markup of a line is parsed")
    said = announced(driver)
    check(said == "Decrypted: " + markup, f"announcement: {said}")
    kept, alert = command(driver, "decrypt", "vm9_001")
    check(kept == markup, "a refused Decrypt keeps the output")
    check(alert.startswith("Error Occurred\n") and "The printable text is damaged" in alert, alert)
    armored = filtered(["Ein Gruß 👋"], "--encrypt", "--armor")[0]
    opened(driver, address.split("#")[0] + "#" + armored)
    check(driver.find_element(By.ID, "output").get_property("value") == "Ein Gruß 👋",
          "the address's printable form is decrypted")
    check(driver.execute_script("""return localStorage.length + sessionStorage.length +
        document.cookie.length""") == 0, "nothing is stored")
    check(driver.execute_script("return indexedDB.databases().then(all => all.length)") == 0,
          "no database is made")


def read_qr_code(driver):
    """What a real decoder (zbarimg) reads off the page's QR code, as the screen shows it."""
    with tempfile.NamedTemporaryFile(suffix=".png") as shot:
        shot.write(driver.find_element(By.ID, "qr-code").screenshot_as_png)
        shot.flush()
        return subprocess.run(["zbarimg", "-q", "--raw", "--nodbus", shot.name],
                              capture_output=True, text=True).stdout.strip()


def qr_code(driver, served):
    """Show as QR Code: served, the code holds the page's address with the printable form after
    "#", and opened from a file the form alone, which decrypts to the line; Esc closes it."""
    command(driver, "encrypt", LINES[0])
    driver.find_element(By.ID, "show-qr").click()
    check(driver.execute_script("return document.getElementById('qr-dialog').open"), "the code shows")
    held = read_qr_code(driver)
    form = held.split("#")[-1]
    address = driver.current_url.split("#")[0] + "#"
    check(held == (address + form if served else form), f"the code holds {held}")
    check(filtered([form], "--decrypt") == [LINES[0]], "the code's form decrypts to the line")
    driver.find_element(By.ID, "qr-close").send_keys(Keys.ESCAPE)
    check(not driver.execute_script("return document.getElementById('qr-dialog').open"),
          "Esc closes the code")


def no_requests_but_the_page(driver, address):
    sent = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
    asked = [message["params"]["request"]["url"] for message in sent
             if message["method"] == "Network.requestWillBeSent"]
    # data: addresses are the page's own, read where they stand; chrome: ones the browser's.
    others = [url for url in asked if not url.startswith(("data:", "chrome:", address.split("#")[0]))]
    check(not others, f"requests other than the page: {others[:2]}")
    errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    check(not errors, f"the console shows errors: {errors[:2]}")


def audit(driver):
    driver.execute_script(pathlib.Path(AXE).read_text(encoding="utf-8"))
    for scheme in ("light", "dark"):
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                               {"features": [{"name": "prefers-color-scheme", "value": scheme}]})
        found = driver.execute_async_script(
            "axe.run(document).then(result => arguments[0](result.violations.map(v => v.id)))")
        check(found == [], f"axe finds violations in the {scheme} scheme: {found}")


def phone(address):
    with contextlib.closing(browser("de", 360, 740)) as driver:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
        opened(driver, address)
        check(driver.execute_script("return document.documentElement.lang") == "de", "lang=de")
        check(driver.find_element(By.ID, "encrypt").text == "Verschlüsseln", "German captions")
        check(driver.execute_script("return document.documentElement.scrollWidth") <= 360,
              "no sideways scrolling at 360 px")
        small = driver.execute_script("""return [...document.querySelectorAll('button')]
            .filter(b => b.getClientRects().length).map(b => b.getBoundingClientRect())
            .filter(r => r.width < 44 || r.height < 44).length""")
        check(small == 0, "every command is at least 44 by 44 px")


TESTS = pathlib.Path(__file__).resolve().parents[1]


def says_in_words(text, phrase):
    """Whether `text` says `phrase` as whole words: "21 символ" is not in "21 символа"."""
    return f" {phrase} " in " " + re.sub("[.,\u060C]", " ", text) + " "


def languages(address):
    """Each shipped language: its captions, the direction its script reads in, each box the
    direction of its own line, and the plural table, through the catalogue and a refusal."""
    table = [line.split(" ", 2) for line in
             (TESTS.parent / "translations" / "plural_phrases.txt").read_text(encoding="utf-8")
             .splitlines()
             if line and not line.startswith("#")]
    for language in (TESTS.parent / "translations" / "po" / "LINGUAS").read_text().split():
        tag = language.replace("_", "-")
        with contextlib.closing(browser(tag)) as driver:
            opened(driver, address)
            caption = driver.find_element(By.ID, "encrypt").text
            check(driver.execute_script("return document.documentElement.lang") == tag and
                  caption != "Encrypt", f"{tag}: the captions")
            direction = "rtl" if unicodedata.bidirectional(caption[0]) in ("R", "AL") else "ltr"
            check(driver.execute_script("return document.documentElement.dir") == direction,
                  f"{tag}: the page reads {direction}")
            check(driver.execute_script("""const box = document.getElementById('output');
                box.value = 'vm9_Meet'; return getComputedStyle(box).direction""") == "ltr",
                  f"{tag}: a Latin line reads from the left")
            for _, count, phrase in (row for row in table if row[0] == language):
                said = driver.execute_script(
                    "return qsTranslate('vellum::window::Form1', 'Encrypted: %1 characters in "
                    "the output.', '', arguments[0]).replace('%1', arguments[0])", int(count))
                check(says_in_words(said, phrase), f"{tag}, {count}: {said}")
                if count == "11":  # a printable text of 11 characters has a length none has
                    alert = command(driver, "decrypt", "vm9_1111111")[1]
                    check(says_in_words(alert, phrase), f"{tag}: the refusal says {alert}")


def main():
    with served(str(pathlib.Path(PAGE).resolve().parent)) as address:
        with contextlib.closing(browser()) as driver:
            opened(driver, address)
            interop(driver)
            keyboard(driver)
            clipboard(driver)
            behaviour(driver, address)
            qr_code(driver, served=True)
            no_requests_but_the_page(driver, address)
            audit(driver)
        languages(address)
        with contextlib.closing(browser()) as driver:
            opened(driver, pathlib.Path(PAGE).resolve().as_uri())
            check(command(driver, "decrypt", command(driver, "encrypt", LINES[1])[0])[0] == LINES[1],
                  "the page works opened from a file")
            qr_code(driver, served=False)
            check(not driver.find_element(By.ID, "copy-link").is_displayed(),
                  "Copy Link is only offered over http")
        phone(address)
    print(f"{'FAILED' if failures else 'passed'}: the page, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
