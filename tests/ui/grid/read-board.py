#!/usr/bin/python3
"""Reads the game board of a running Orbalux over AT-SPI, as a screen reader does, and prints
one line per row: each cell as name/description, cells separated by " | ".

Usage: read-board.py   (waits up to ten seconds for the program's board to appear)
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_board(node):
    if node.get_role() == Atspi.Role.TABLE and node.get_name() == "Board":
        return node
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        found = child and find_board(child)
        if found:
            return found
    return None


def board_of_running_game():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application and application.get_name() == "Orbalux":
            return find_board(application)
    return None


def main():
    board = None
    for _ in range(100):
        board = board_of_running_game()
        if board:
            break
        time.sleep(0.1)
    if not board:
        print("FAIL: no table named Board in a program named Orbalux")
        return 1
    for row in range(Atspi.Table.get_n_rows(board)):
        cells = [Atspi.Table.get_accessible_at(board, row, column)
                 for column in range(Atspi.Table.get_n_columns(board))]
        print(" | ".join(f"{cell.get_name()}/{cell.get_description()}" for cell in cells))
    return 0


if __name__ == "__main__":
    sys.exit(main())
