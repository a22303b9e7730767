#!/usr/bin/python3
"""Reads the words of a running Orbalux over AT-SPI, as a screen reader finds them.

Usage: read-words.py menus
           prints the names of the menu bar's menus, one a line (waits up to ten seconds)
       read-words.py announcement PATTERN
           waits up to thirty seconds for an announcement whose text matches the regular
           expression PATTERN and prints it; prints the last one heard when none matches
"""

import re
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def game():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application and application.get_name() == "Orbalux":
            return application
    return None


def find(node, role):
    if node.get_role() == role:
        return node
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        found = child and find(child, role)
        if found:
            return found
    return None


def menus():
    for _ in range(100):
        application = game()
        bar = application and find(application, Atspi.Role.MENU_BAR)
        if bar and bar.get_child_count():
            for index in range(bar.get_child_count()):
                print(bar.get_child_at_index(index).get_name())
            return 0
        GLib.usleep(100000)
    print("FAIL: no menu bar in a program named Orbalux")
    return 1


def announcement(pattern):
    heard = []
    loop = GLib.MainLoop()

    def on_event(event):
        source = event.source
        if source and source.get_role() == Atspi.Role.NOTIFICATION:
            heard.append(source.get_name())
            if re.search(pattern, heard[-1]):
                loop.quit()

    listener = Atspi.EventListener.new(on_event)
    listener.register("object:state-changed:showing")
    listener.register("object:property-change:accessible-name")
    print("listening", file=sys.stderr, flush=True)
    GLib.timeout_add_seconds(30, loop.quit)
    loop.run()
    print(heard[-1] if heard else "FAIL: no announcement heard")
    return 0 if heard and re.search(pattern, heard[-1]) else 1


def main():
    if sys.argv[1:2] == ["menus"]:
        return menus()
    if sys.argv[1:2] == ["announcement"] and len(sys.argv) == 3:
        return announcement(sys.argv[2])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main())
