# Prints "WIDTH HEIGHT DRAWN" for a PNG: its size and how many of its pixels are not white.
import sys

import gi

gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf  # noqa: E402

picture = GdkPixbuf.Pixbuf.new_from_file(sys.argv[1])
width, height = picture.get_width(), picture.get_height()
channels, stride = picture.get_n_channels(), picture.get_rowstride()
pixels = picture.get_pixels()
drawn = 0
for y in range(height):
    row = y * stride
    for x in range(width):
        if any(pixels[row + x * channels + c] < 250 for c in range(3)):
            drawn += 1
print(width, height, drawn)
