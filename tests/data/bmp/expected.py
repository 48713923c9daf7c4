# Writes NAME.idx for each text picture: per row, the index of the nearest sketch colour
# of every pixel (smallest squared distance, the first of equals).
PALETTE = [0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
           0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF]
RGB = [(c & 255, (c >> 8) & 255, (c >> 16) & 255) for c in PALETTE]

def nearest(p):
    d = [sum((a - b) ** 2 for a, b in zip(p, q)) for q in RGB]
    return d.index(min(d))

def read(name):
    words = [w for line in open(name) for w in line.split('#')[0].split()]
    kind, w, h = words[0], int(words[1]), int(words[2])
    if kind == 'P1':
        bits = [int(v) for v in words[3:]]
        pixels = [(0, 0, 0) if b else (255, 255, 255) for b in bits]
    else:
        v = [int(x) for x in words[4:]]
        pixels = [tuple(v[i:i + 3]) for i in range(0, len(v), 3)]
    return w, h, pixels

for name in ['sixteen', 'mixed']:
    w, h, px = read(name + '.ppm')
    with open(name + '.idx', 'w') as out:
        out.write(f'{w} {h}\n')
        for y in range(h):
            out.write(' '.join(str(nearest(px[y * w + x])) for x in range(w)) + '\n')
w, h, px = read('mono.pbm')
with open('mono.idx', 'w') as out:
    out.write(f'{w} {h}\n')
    for y in range(h):
        out.write(' '.join(str(nearest(px[y * w + x])) for x in range(w)) + '\n')
