#!/usr/bin/python3
"""The offline page in Debian's headless Chromium: its size, how long after opening it is ready
to use, and how long Encrypt takes on a line of 100,000 characters of mixed scripts, beside the
same line through this build's filter. Medians of several runs, each in a fresh browser.

    bench/page_bench.py PAGE FILTER [RUNS]
"""
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page, program = pathlib.Path(sys.argv[1]).resolve(), sys.argv[2]
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
# Latin, Cyrillic, Greek, CJK, Arabic and emoji, repeated to 100,000 characters.
line = ("Grüße, Привет, Καλημέρα, 中文和日本語, مرحبا, 👍🏽 " * 3000)[:100_000]


def fresh_browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--disable-background-networking", "--disable-component-update",
                 f"--user-data-dir={tempfile.mkdtemp()}"]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


ready, encrypt = [], []
for _ in range(runs):
    driver = fresh_browser()
    driver.get(page.as_uri())
    ready.append(driver.execute_script("""return new Promise(done => { const wait = () => {
        const mark = performance.getEntriesByName('vellumark9-ready')[0];
        mark ? done(mark.startTime) : setTimeout(wait, 10); }; wait(); })"""))
    encrypt.append(driver.execute_script("""
        document.getElementById('input').value = arguments[0];
        const started = performance.now();
        document.getElementById('encrypt').click();
        return performance.now() - started;""", line))
    driver.quit()
started = time.perf_counter()
subprocess.run([program, "--encrypt"], input=(line + "\n").encode(), capture_output=True, check=True)
filtered = (time.perf_counter() - started) * 1000
print(f"page: {page.stat().st_size / 1024:.0f} KiB ({page.stat().st_size} bytes)")
print(f"ready to use after opening: median {statistics.median(ready):.0f} ms of {runs} runs")
print(f"Encrypt of 100,000 mixed characters: median {statistics.median(encrypt):.1f} ms in the "
      f"page, {filtered:.1f} ms through the filter (a whole process)")
