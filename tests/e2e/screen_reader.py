"""Reads the running program through AT-SPI, as Orca would, and checks what a blind user meets.

Usage: screen_reader.py PATH-TO-vellumark9 (on a session bus that has the accessibility bus).
"""
import os
import pathlib
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import Gio, GLib


def fail(message):
    sys.exit(f"FAIL: {message}")


def pump(seconds, until=lambda: False):
    """Delivers AT-SPI events for `seconds`, or until `until()` holds; returns whether it held."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        if until():
            return True
        time.sleep(0.02)
    return until()


def announce_screen_reader():
    """Sets what a screen reader sets on start, which makes Qt switch its accessibility on."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    for _ in range(100):
        try:
            bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                          GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                                 GLib.Variant("b", True))),
                          None, Gio.DBusCallFlags.NONE, 1000, None)
            return
        except GLib.Error:
            time.sleep(0.1)
    fail("the accessibility bus did not start")


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


# Roles are compared as AT-SPI's constants: their names differ between releases ("push button"
# in AT-SPI 2.46, "button" in 2.56).
def find(root, role, name=None):
    for accessible in descendants(root):
        if accessible.getRole() == role and name in (None, accessible.name):
            return accessible
    fail(f"no {role} named {name!r}")


def labels_of(accessible):
    return [relation.getTarget(i).name for relation in accessible.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def key_bindings(button):
    action = button.queryAction()
    return [action.getKeyBinding(i) for i in range(action.nActions)]


def program(events):
    def application():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Vellumark9" and app.childCount:
                return app
        return None
    if not pump(10, application):
        fail("the program did not appear on the accessibility bus")
    if events is not None:  # None: only what it shows, not what it says as it changes
        for kind in ("object:property-change:accessible-name", "object:state-changed:checked",
                     "object:state-changed:focused", "object:text-caret-moved"):
            pyatspi.Registry.registerEventListener(
                lambda e: events.append((e.type, e.source.getRole(), e.source.name, e.detail1)),
                kind)
    pump(0.5)
    return application()


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *names], check=True)
    pump(0.3)


def paste_into_focused_box(text):
    subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode(), check=True)
    keys("ctrl+a", "ctrl+v")


def check_ciphertexts_read_whole(frame):
    """A ciphertext read through AT-SPI, control characters and all, pasted back into the input,
    decrypts to the line. The output box has the focus."""
    line = "Meet me at nine"
    output = find(frame, pyatspi.ROLE_TEXT, "Output:").queryText()
    keys("shift+Tab")
    for _ in range(3):  # nearly every ciphertext holds control characters; three make it certain
        paste_into_focused_box(line)
        keys("Return")
        cipher = output.getText(0, -1)
        if len(cipher) < 30 or cipher == line:
            fail(f"the output box reads {cipher!r} after Encrypt")
        paste_into_focused_box(cipher)
        keys("alt+d")
        if output.getText(0, -1) != line:
            fail(f"{cipher!r}, read through AT-SPI, decrypted to {output.getText(0, -1)!r}")


TRANSLATIONS = pathlib.Path(__file__).resolve().parents[2] / "translations"


def window_texts(language):
    """The window's texts in `language`, as its catalogue has them."""
    root = ElementTree.parse(TRANSLATIONS / "window" / f"vellumark9_{language}.ts").getroot()
    return {message.findtext("source"): message.findtext("translation")
            for message in root.iter("message")}


def name_and_key(caption):
    """What a screen reader calls a button with `caption`, and its access key: "&Decrypt" is
    Decrypt on Alt+D, and "復号(&D)", as Japanese and Chinese write it, 復号(D) on Alt+D, as
    their desktops read it."""
    at = caption.index("&")
    return caption[:at] + caption[at + 1:], "Alt+" + caption[at + 1].upper()


def utf8_locale(language):
    """A UTF-8 locale of `language`: de_DE for de, pt_BR for pt_BR, the first there is for ar."""
    known = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    for wanted in (f"{language}_{language.upper()}.utf8", f"{language}.utf8"):
        if wanted in known:
            return wanted
    return next(name for name in known if name.startswith(language + "_") and name.endswith(".utf8"))


# What the window says in each shipped language, chosen by LANG and by LANGUAGE: its boxes'
# labels, the Decrypt and Exit buttons with their access keys, the toggle while floating, and the
# title of the error box that Decrypt with an empty input brings up.
def check_language(path, language, environment):
    texts = window_texts(language)
    app = subprocess.Popen([path], stderr=subprocess.DEVNULL,
                           env={**os.environ, "LC_ALL": "", **environment})
    try:
        root = program(None)
        frame = root[0]
        for label in (texts["Input:"], texts["Output:"]):
            if labels_of(find(frame, pyatspi.ROLE_TEXT, label)) != [label]:
                fail(f"with {environment}, no box is labelled {label!r}")
        for name, key in (name_and_key(texts["&Decrypt"]), name_and_key(texts["E&xit"])):
            if key not in key_bindings(find(frame, pyatspi.ROLE_PUSH_BUTTON, name)):
                fail(f"with {environment}, {name} does not show {key}")
        find(frame, pyatspi.ROLE_CHECK_BOX, texts["Sink"])
        decrypt = find(frame, pyatspi.ROLE_PUSH_BUTTON, name_and_key(texts["&Decrypt"])[0])
        decrypt.queryAction().doAction(0)
        error = texts["Error Occurred"]
        if not pump(5, lambda: any(window.name == error for window in root)):
            fail(f"with {environment}, no error box titled {error!r}: {[w.name for w in root]}")
        keys("Return")
    finally:
        app.terminate()
        app.wait(10)


def main():
    announce_screen_reader()
    for language in (TRANSLATIONS / "po" / "LINGUAS").read_text().split():
        check_language(sys.argv[1], language, {"LANG": utf8_locale(language)})
        check_language(sys.argv[1], language, {"LANG": "en_US.UTF-8", "LANGUAGE": language})
    events = []
    app = subprocess.Popen([sys.argv[1]], stderr=subprocess.DEVNULL)
    try:
        root = program(events)
        frame = root[0]
        if (frame.getRole(), frame.name) != (pyatspi.ROLE_FRAME, "Vellumark9"):
            fail(f"the window reads as {frame.getRoleName()} {frame.name!r}")

        for box, label in (("Input:", "Input:"), ("Output:", "Output:")):
            if labels_of(find(frame, pyatspi.ROLE_TEXT, box)) != [label]:
                fail(f"the {box} box is not labelled by {label!r}")
        for button, key in (("Decrypt", "Alt+D"), ("Exit", "Alt+X")):
            if key not in key_bindings(find(frame, pyatspi.ROLE_PUSH_BUTTON, button)):
                fail(f"{button} does not show {key}: {key_bindings(find(frame, pyatspi.ROLE_PUSH_BUTTON, button))}")

        toggle = find(frame, pyatspi.ROLE_CHECK_BOX, "Sink")
        if not toggle.getState().contains(pyatspi.STATE_CHECKED):
            fail("the floating window's toggle is not checked")
        events.clear()
        toggle.queryAction().doAction(0)
        unchecked = ("object:state-changed:checked", pyatspi.ROLE_CHECK_BOX, 0)
        if not pump(3, lambda: unchecked in [(e[0], e[1], e[3]) for e in events]):
            fail(f"no announcement that the toggle was unchecked: {events}")
        if toggle.name != "Float" or toggle.getState().contains(pyatspi.STATE_CHECKED):
            fail(f"the sunk window's toggle reads {toggle.name!r}, still checked")

        events.clear()
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab"], check=True)
        pump(3, lambda: any(e[2] == "Output:" for e in events))
        first = next((e for e in events if e[2] == "Output:"), None)
        if first is None or first[0] != "object:state-changed:focused":
            fail(f"Tab to the output box reported {first} before its focus")

        check_ciphertexts_read_whole(frame)

        events.clear()
        pump(1.0)  # three ticks of the title animation
        renamed = [e for e in events if e[0] == "object:property-change:accessible-name"]
        if renamed or frame.name != "Vellumark9":
            fail(f"the window's name changed with its title: {renamed}, now {frame.name!r}")
    finally:
        app.terminate()
        app.wait(10)
    print("screen reader: all checks passed")


main()
