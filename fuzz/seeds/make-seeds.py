# Writes the starting inputs of the fuzz targets: small valid files of every kind the
# readers take, so that the fuzzers begin inside the formats. Run once in this folder.
import os, shutil, struct, zlib

HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURES = os.path.join(HERE, '..', '..', 'tests', 'data', 'bmp')
PALETTE = [0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
           0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF]
TABLE = b''.join(struct.pack('<BBBB', (c >> 16) & 255, (c >> 8) & 255, c & 255, 0) for c in PALETTE)

def out(target, name, data):
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    open(os.path.join(folder, name), 'wb').write(data)

def info(w, h, bpp, comp=0, size=0, used=0, header=40):
    return struct.pack('<IiiHHIIiiII', header, w, h, 1, bpp, comp, size, 3782, 3782, used, 0)

def bmp(dib, offset):
    return b'BM' + struct.pack('<IHHI', 14 + len(dib), 0, 0, offset) + dib

def packed(w, h):
    stride = (w * 4 + 31) // 32 * 4
    pixels = bytes(((x * 2 + y) % 16) << 4 | ((x * 2 + 1 + y) % 16) for y in range(h) for x in range(stride))
    return info(w, h, 4, 0, len(pixels)) + TABLE + pixels

os.makedirs(os.path.join(HERE, 'bmp-fuzz'), exist_ok=True)
for name in ['sixteen-4bit.bmp', 'sixteen-8bit-rle.bmp', 'sixteen-16bit-565.bmp', 'sixteen-24bit-core.bmp',
             'sixteen-32bit-v5.bmp', 'mono-1bit.bmp']:
    shutil.copy(os.path.join(FIXTURES, name), os.path.join(HERE, 'bmp-fuzz', name))
rle4 = bytes([5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 2, 3, 0, 2, 0xAB, 0, 0, 0, 5, 0x9C, 0xDE, 0xF0, 0, 0, 1])
out('bmp-fuzz', 'rle4.bmp', bmp(info(7, 3, 4, 2, len(rle4)) + TABLE + rle4, 14 + 40 + 64))
v4 = info(2, -1, 16, 3, 4, header=108)[:40] + struct.pack('<IIII', 0xF800, 0x07E0, 0x001F, 0) + bytes(52)
out('bmp-fuzz', 'v4-topdown.bmp', bmp(v4 + bytes([0, 0xF8, 0x1F, 0]), 14 + 108))

for w, h in [(1, 1), (3, 2), (9, 5)]:
    out('packed-dib-fuzz', f'sketch-{w}x{h}.dib', packed(w, h))
    out('ilj-fuzz', f'sketch-{w}x{h}.ilj', zlib.compress(packed(w, h), 4))

out('titleblock-map-fuzz', 'form.map', b''.join(struct.pack('<HHH', k, x, y) for k, x, y in
                                                [(2, 100, 1000), (3, 40, 900), (1, 0, 0), (2, 500, 1050)]) + b'\x02')
out('exchange-text-fuzz', 'obmen.txt', 'Иванов\r\nВал\r\n3.1105-f7\r\n\r\nСт. 45'.encode('cp1251'))

# A block: a triangle with a dashed side and a wide one, and an empty block.
def block(points, segments):
    data = b''.join(struct.pack('<ff', x, y) for x, y in points)
    data += b''.join(struct.pack('<iiBBxx', a, b, style, width) for a, b, style, width in segments)
    return struct.pack('<IIIii', 0x13B13B13, 20 + len(data), 12, len(points), len(segments)) + data

out('block-fuzz', 'triangle.blk', block([(0, 0), (40.5, -12), (-8, 30)], [(0, 1, 0, 1), (1, 2, 1, 1), (2, 0, 0, 3)]))
out('block-fuzz', 'empty.ins', block([], []))
