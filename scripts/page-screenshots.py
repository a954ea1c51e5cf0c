#!/usr/bin/python3
"""Screenshots of the offline page for the README: light and dark on a desktop, and on a phone's
screen, each after a line was encrypted, in Debian's headless Chromium.

    scripts/page-screenshots.py PAGE OUTPUT-FOLDER
"""
import pathlib
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page, folder = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2])
shots = [("vellumark9-page-light.png", "light", 800, 620, False),
         ("vellumark9-page-dark.png", "dark", 800, 620, False),
         ("vellumark9-page-phone.png", "light", 360, 740, True)]
for name, scheme, width, height, mobile in shots:
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                 "--disable-background-networking", f"--user-data-dir={tempfile.mkdtemp()}",
                 "--lang=en", f"--window-size={width},{height}"]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 2 if mobile else 1,
        "mobile": mobile})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                           {"features": [{"name": "prefers-color-scheme", "value": scheme}]})
    driver.get(page.as_uri())
    driver.execute_script("""return new Promise(done => { const wait = () =>
        document.body.dataset.ready ? done() : setTimeout(wait, 20); wait(); })""")
    driver.execute_script("""document.getElementById('input').value = 'Meet me at nine';
        document.getElementById('encrypt').click();""")
    driver.save_screenshot(str(folder / name))
    driver.quit()
