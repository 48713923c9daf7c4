#!/bin/sh
# Makes the bitmap fixtures from the three text pictures with ImageMagick 6.9
# (Debian's imagemagick package), and the expected sketch colour indices with Python.
# Run once in this folder; the results are committed.
set -e
convert sixteen.ppm -type Palette -compress none BMP3:sixteen-4bit.bmp
convert sixteen.ppm -type Palette BMP2:sixteen-4bit-core.bmp
convert sixteen.ppm -type Palette -compress RLE BMP3:sixteen-8bit-rle.bmp
convert sixteen.ppm -type TrueColor BMP3:sixteen-24bit.bmp
convert sixteen.ppm -type TrueColor BMP2:sixteen-24bit-core.bmp
convert sixteen.ppm -type TrueColor BMP:sixteen-24bit-v5.bmp
convert sixteen.ppm -type TrueColor -define bmp:subtype=RGB565 BMP:sixteen-16bit-565.bmp
convert sixteen.ppm -type TrueColor -define bmp:subtype=RGB555 BMP:sixteen-16bit-555.bmp
convert sixteen.ppm -type TrueColorAlpha BMP:sixteen-32bit-v5.bmp
convert mixed.ppm -type Palette -compress none BMP3:mixed-8bit.bmp
convert mixed.ppm -type Palette -compress RLE BMP3:mixed-8bit-rle.bmp
convert mixed.ppm -type TrueColor BMP3:mixed-24bit.bmp
convert mono.pbm -type Bilevel BMP3:mono-1bit.bmp
python3 expected.py
