#!/usr/bin/python3
"""Waits up to ten seconds for a message box of a running Orbalux over AT-SPI, as a screen
reader finds it, and prints its text.

Usage: read-message.py
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

BOX_ROLES = (Atspi.Role.ALERT, Atspi.Role.DIALOG)


def texts_below(node):
    found = []
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if not child:
            continue
        if child.get_role() == Atspi.Role.LABEL and child.get_name():
            found.append(child.get_name())
        found.extend(texts_below(child))
    return found


def message_box():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if not application or application.get_name() != "Orbalux":
            continue
        for window_index in range(application.get_child_count()):
            window = application.get_child_at_index(window_index)
            if window and window.get_role() in BOX_ROLES and texts_below(window):
                return window
    return None


def main():
    for _ in range(100):
        box = message_box()
        if box:
            print("\n".join(texts_below(box)))
            return 0
        time.sleep(0.1)
    print("FAIL: no message box from a program named Orbalux")
    return 1


if __name__ == "__main__":
    sys.exit(main())
