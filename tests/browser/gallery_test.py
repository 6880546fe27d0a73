#!/usr/bin/python3
"""The gallery in real headless Chromium: every page in English and German opens without a console
error, a missing icon or an empty screen; the overview hides every amount in incognito mode; a
credit card's reminder switch changes its summary. Screenshots of every page go to --screenshots.

Usage: gallery_test.py --preview PATH/zt-preview --screenshots FOLDER
"""
import argparse
import faulthandler
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.common.exceptions import StaleElementReferenceException
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

ARGS = None
LOCALES = ["en_US", "de_DE"]
# An amount as the screens write it: a currency sign next to digits, either order.
AMOUNT = re.compile(r"[$€£]\s?-?\d|\d\s?[$€£]")
WAIT = 20
# After this long the test prints where it is stuck and ends; CTest's own limit is later.
WATCHDOG = 480


class Gallery:
    """The gallery server on a free loopback port, on a fresh database of its own; stops with the
    test, or by itself at the latest."""

    def __init__(self, preview):
        self.folder = tempfile.mkdtemp(prefix="zt-gallery-db-")
        self.process = subprocess.Popen(
            [preview, "--port", "0", "--stop-after", "900",
             "--database", os.path.join(self.folder, "gallery.sqlite")],
            stdout=subprocess.PIPE, text=True)
        ready, _, _ = select.select([self.process.stdout], [], [], WAIT)
        line = self.process.stdout.readline() if ready else ""
        match = re.search(r"(http://127\.0\.0\.1:\d+/)", line)
        if not match:
            self.stop()
            raise RuntimeError("the gallery did not print its address: " + repr(line))
        self.address = match.group(1)
        # The screens print to the console as they work; a pipe nobody reads fills up and would
        # stop the server in the middle of a page.
        threading.Thread(target=self.process.stdout.read, daemon=True).start()

    def pages(self):
        listing = subprocess.run([ARGS.preview, "--list"], capture_output=True, text=True, check=True)
        return [line.split("\t")[0] for line in listing.stdout.splitlines() if line]

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def chromium(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
    # Without these Chromium waits for the network this machine does not have.
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--user-data-dir=" + profile, "--window-size=700,1000"]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
    browser = webdriver.Chrome(service=service, options=options)
    browser.set_page_load_timeout(WAIT)
    browser.set_script_timeout(WAIT)
    return browser


class GalleryInChromium(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.gallery = Gallery(ARGS.preview)
        cls.profile = tempfile.mkdtemp(prefix="zt-gallery-chromium-")
        try:
            cls.browser = chromium(cls.profile)
        except Exception:
            cls.gallery.stop()
            raise
        os.makedirs(ARGS.screenshots, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.gallery.stop()
        shutil.rmtree(cls.profile, ignore_errors=True)

    def open(self, page, locale="en_US"):
        self.browser.get(f"{self.gallery.address}page/{page}?locale={locale}")
        WebDriverWait(self.browser, WAIT).until(
            lambda b: b.execute_script("return document.readyState") == "complete")
        return self.browser.find_element(By.ID, "gallery-screen")

    def console_errors(self):
        return [entry["message"] for entry in self.browser.get_log("browser") if entry["level"] == "SEVERE"]

    def version(self):
        return int(self.browser.find_element(By.TAG_NAME, "body").get_attribute("data-version"))

    def wait_for_version_after(self, version):
        WebDriverWait(self.browser, WAIT).until(lambda b: self.version() > version)

    def text_of(self, element_id):
        """The text of an element by id, read in one step: the screen may be swapped at any time."""
        return self.browser.execute_script(
            "const e = document.getElementById(arguments[0]); return e ? e.innerText : null;", element_id)

    def is_checked(self, selector):
        """Whether the checkbox is on, read in one step like text_of."""
        return self.browser.execute_script(
            "const e = document.querySelector(arguments[0]); return e ? e.checked : null;", selector)

    def click(self, selector):
        """Clicks the element, finding it again if the screen was swapped between finding and clicking."""
        WebDriverWait(self.browser, WAIT, ignored_exceptions=[StaleElementReferenceException]).until(
            lambda b: b.find_element(By.CSS_SELECTOR, selector).click() or True)

    def reset(self):
        before = self.version()
        self.browser.find_element(By.ID, "gallery-reset").click()
        self.wait_for_version_after(before)

    def test_every_page_in_english_and_german(self):
        pages = self.gallery.pages()
        self.assertGreaterEqual(len(pages), 10)
        self.console_errors()  # start with an empty log
        for page in pages:
            for locale in LOCALES:
                with self.subTest(page=page, locale=locale):
                    screen = self.open(page, locale)
                    self.assertTrue(screen.text.strip(), "the screen is empty")
                    missing = [e.get_attribute("title")
                               for e in screen.find_elements(By.CSS_SELECTOR, ".zt-icon-missing")]
                    self.assertEqual(missing, [], "symbols without an icon")
                    self.assertEqual(self.browser.find_element(By.TAG_NAME, "html").get_attribute("lang"),
                                     locale[:2])
                    self.browser.save_screenshot(os.path.join(ARGS.screenshots, f"{page}-{locale}.png"))
                    self.assertEqual(self.console_errors(), [])

    def test_index_lists_every_page_in_german(self):
        self.browser.get(self.gallery.address + "?locale=de_DE")
        links = self.browser.find_elements(By.CSS_SELECTOR, ".gallery-list a")
        self.assertEqual(len(links), len(self.gallery.pages()))
        self.assertIn("Übersicht", [a.text for a in links])
        self.browser.save_screenshot(os.path.join(ARGS.screenshots, "index-de_DE.png"))
        self.assertEqual(self.console_errors(), [])

    def test_incognito_toggle_hides_every_amount_on_the_overview(self):
        self.open("overview")
        self.reset()
        # The overview may draw again at any moment (its figures load on the main queue), so
        # nothing found on the screen is kept across a change.
        self.assertTrue(AMOUNT.search(self.text_of("gallery-screen") or ""), "the overview shows no amount to hide")
        self.assertFalse(self.is_checked("#gallery-screen #incognito input"))
        before = self.version()
        self.click("#gallery-screen #incognito input[data-act='flip']")
        self.wait_for_version_after(before)
        self.assertTrue(self.is_checked("#gallery-screen #incognito input"))
        self.assertIsNone(AMOUNT.search(self.text_of("gallery-screen") or ""), "an amount is still shown")
        self.browser.save_screenshot(os.path.join(ARGS.screenshots, "overview-incognito.png"))
        # Back again through the gallery's own switch, which is the same flag.
        self.browser.find_element(By.ID, "gallery-incognito").click()
        WebDriverWait(self.browser, WAIT).until(lambda b: AMOUNT.search(self.text_of("gallery-screen") or ""))
        self.assertEqual(self.console_errors(), [])

    def test_reminder_switch_changes_the_credit_card_summary(self):
        self.open("credit-card-entry")
        self.reset()
        summary = self.text_of("remindersSummary")
        self.assertTrue(summary)
        before = self.version()
        self.click("#remindersRow")
        self.wait_for_version_after(before)
        # Each reminder is a row that turns it on or off.
        before = self.version()
        self.click("#gallery-screen .zt-sheet button.zt-content-button[data-act='press']")
        self.wait_for_version_after(before)
        self.assertNotEqual(self.text_of("remindersSummary"), summary)
        self.browser.save_screenshot(os.path.join(ARGS.screenshots, "credit-card-reminders.png"))
        before = self.version()
        self.click("#gallery-screen .zt-sheet .zt-close")
        self.wait_for_version_after(before)
        self.assertEqual(self.browser.find_elements(By.CSS_SELECTOR, "#gallery-screen .zt-sheet"), [])
        self.reset()
        self.assertEqual(self.text_of("remindersSummary"), summary)
        self.assertEqual(self.console_errors(), [])

    def test_unknown_page_is_refused(self):
        self.open("overview")
        status = self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            fetch('/page/no-such-page/act?locale=en_US', {method: 'POST', body: new URLSearchParams({node: '0', act: 'press'})})
              .then(r => done(r.status));""")
        self.assertEqual(status, 404)
        self.console_errors()  # the refused request is logged as a failed load, as it should be


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--preview", required=True)
    parser.add_argument("--screenshots", required=True)
    ARGS, rest = parser.parse_known_args()
    faulthandler.dump_traceback_later(WATCHDOG, exit=True)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
