#!/usr/bin/env python3
"""Draws the seven trace pictures into assets/ as 32-bit BMP files with an alpha channel.

Each picture is one board cell: a line about three pixels wide joining the midpoints of two or
four cell edges, anti-aliased, on a fully transparent background so the cell's colour shows
through. Corners are quarter arcs centred on the cell corner between the two edges, so the
line meets the straight pieces of neighbouring cells tangentially and the path reads as one.

Usage: make-trace-bitmaps.py [output folder]   (default: assets/ beside this script's folder)
"""

import math
import os
import struct
import sys

SIZE = 27                      # one board cell: 400 twips at 96 dots per inch
CENTRE = SIZE / 2              # the line runs through the middle of the cell in both directions
HALF_WIDTH = 1.5               # a three-pixel line covers pixels 12, 13 and 14 exactly
SUBSAMPLES = 16                # per pixel side, for the anti-aliased edges
INK = (139, 0, 0)              # dark red: clear on the pale field and on the blue of solved atoms
PAPER = (255, 255, 255)        # colour under fully transparent pixels, for viewers without alpha


def vertical(x, y):
    return abs(x - CENTRE) <= HALF_WIDTH


def horizontal(x, y):
    return abs(y - CENTRE) <= HALF_WIDTH


def arc_around(corner_x, corner_y):
    """A quarter circle centred on a cell corner through the midpoints of its two edges."""
    def inside(x, y):
        return abs(math.hypot(x - corner_x, y - corner_y) - CENTRE) <= HALF_WIDTH
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


# Picture coordinates: x to the right, y downwards, (0, 0) the top-left corner of the cell.
PICTURES = {
    "VBar.bmp": vertical,
    "HBar.bmp": horizontal,
    "CrossBar.bmp": union(vertical, horizontal),
    "NWBar.bmp": arc_around(0, 0),
    "NEBar.bmp": arc_around(SIZE, 0),
    "SWBar.bmp": arc_around(0, SIZE),
    "SEBar.bmp": arc_around(SIZE, SIZE),
}


def coverage(shape, column, row):
    """The share of pixel (column, row) that the shape covers, from 0 to 1."""
    step = 1 / SUBSAMPLES
    hits = sum(
        shape(column + (i + 0.5) * step, row + (j + 0.5) * step)
        for i in range(SUBSAMPLES)
        for j in range(SUBSAMPLES)
    )
    return hits / (SUBSAMPLES * SUBSAMPLES)


def pixel_bytes(shape, column, row):
    alpha = round(coverage(shape, column, row) * 255)
    red, green, blue = INK if alpha else PAPER
    return bytes((blue, green, red, alpha))


def bmp_bytes(shape):
    # Rows go bottom-up, the order every BMP reader understands.
    pixels = b"".join(
        pixel_bytes(shape, column, row)
        for row in reversed(range(SIZE))
        for column in range(SIZE)
    )
    header_size = 124           # BITMAPV5HEADER, which carries the alpha mask
    offset = 14 + header_size
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    pixels_per_metre = 3780     # 96 dots per inch
    info_header = struct.pack(
        "<IiiHHIIiiII4I I36s3I 4I",
        header_size, SIZE, SIZE, 1, 32,
        3,                      # BI_BITFIELDS: the masks below say where each channel is
        len(pixels), pixels_per_metre, pixels_per_metre, 0, 0,
        0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000,
        0x73524742,             # "sRGB": no colour-space end points or gamma needed
        bytes(36), 0, 0, 0,
        4, 0, 0, 0,             # intent: pictures; no profile
    )
    assert len(info_header) == header_size
    return file_header + info_header + pixels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets")
    for name, shape in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bmp_bytes(shape))


if __name__ == "__main__":
    main()
