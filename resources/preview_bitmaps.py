#!/usr/bin/env python3
"""Draws the nine template preview pictures (preview_*.bmp).

Each picture (517 x 345 pixels) shows how a template condition files a
document: on the left a shelf of three binders whose spines carry sample
names made by the template's binder rule, on the right an open binder whose
index tabs carry sample names made by its index rule (sticky notes on the
tabs when the note layer is on, on the pages when the template has no index
tabs), and below the layer tree of the template.

The drawing is done by ImageMagick's `convert`; the result is stored as an
8-bit, 256-colour, run-length encoded BMP so that each file stays small and
LoadBitmap reads it. Run from this folder:  python3 preview_bitmaps.py [fr|ja]
(English into this folder; French and Japanese into fr/ and ja/, for the
language modules). Names that the templates store (library and cabinet)
stay as they are in every language.
"""
import os
import struct
import subprocess
import sys

WIDTH, HEIGHT = 517, 345
FONT = "DejaVu-Sans"
FONT_BOLD = "DejaVu-Sans-Bold"

# The texts of the pictures per language: captions, sample names per naming
# rule with how the rule reads in the layer tree, and the fonts.
LANGUAGES = {
    "en": {
        "fonts": ("DejaVu-Sans", "DejaVu-Sans-Bold"),
        "cabinet": "Cabinet: ", "colon": ": ", "vertical spines": False,
        "binders": "Binders", "open binder": "Open binder",
        "sender": "Sender information", "no tabs": ("(no index", "tabs)"),
        "layers": ("Library", "Cabinet", "Binder", "Index", "Note"), "time": "Time",
        "samples": {
            "button": (["Invoices", "Orders", "Reports"], "Button Name"),
            "date-ym": (["2026/10", "2026/11", "2026/12"], "Date (Year/Month)"),
            "date-ymd": (["2026/12/01", "2026/12/02", "2026/12/03"], "Date (Year/Month/Day)"),
            "fax-tsi": (["03-1234-5678", "045-987-6543", "06-5555-0101"],
                        "FAX Sender Information"),
            "tx-dest": (["Head Office", "Osaka Branch", "Supplier A"], "Destination Information"),
        },
    },
    "fr": {
        "fonts": ("DejaVu-Sans", "DejaVu-Sans-Bold"),
        "cabinet": "Armoire : ", "colon": " : ", "vertical spines": False,
        "binders": "Classeurs", "open binder": "Intérieur",
        "sender": "ID expéditeur", "no tabs": ("(sans", "intercalaire)"),
        "layers": ("Bibliothèque", "Armoire", "Classeur", "Intercalaire", "Note"),
        "time": "Heure",
        "samples": {
            "button": (["Factures", "Commandes", "Rapports"], "Nom du bouton"),
            "date-ym": (["2026/10", "2026/11", "2026/12"], "Date (année/mois)"),
            "date-ymd": (["2026/12/01", "2026/12/02", "2026/12/03"], "Date (année/mois/jour)"),
            "fax-tsi": (["01 23 45 67 89", "04 91 98 76 54", "05 55 50 10 10"],
                        "Identifiant de l'expéditeur"),
            "tx-dest": (["Siège", "Agence Lyon", "Fournisseur A"],
                        "Informations du destinataire"),
        },
    },
    "ja": {
        "fonts": ("IPAGothic", "IPAGothic"),
        "cabinet": "キャビネット: ", "colon": ": ", "vertical spines": True,
        "binders": "バインダー", "open binder": "開いたバインダー",
        "sender": "発信元情報", "no tabs": ("(インデックス", "なし)"),
        "layers": ("ライブラリ", "キャビネット", "バインダー", "インデックス", "付箋"),
        "time": "時刻",
        "samples": {
            "button": (["請求書", "注文書", "報告書"], "ボタン名"),
            "date-ym": (["2026/10", "2026/11", "2026/12"], "日付 (年/月)"),
            "date-ymd": (["2026/12/01", "2026/12/02", "2026/12/03"], "日付 (年/月/日)"),
            "fax-tsi": (["03-1234-5678", "045-987-6543", "06-5555-0101"], "FAX発信元情報"),
            "tx-dest": (["本社", "大阪支店", "仕入先A"], "宛先情報"),
        },
    },
}
T = LANGUAGES["en"]
SAMPLES = T["samples"]

# Template pictures: file, cabinet name, binder rule, index rule (None when
# the index layer is off), whether the note layer is on.
TEMPLATES = [
    ("preview_scanner_1.bmp", "Scanned Document", "button", "date-ymd", False),
    ("preview_scanner_2.bmp", "Scanned Document", "date-ym", "button", False),
    ("preview_scanner_3.bmp", "Scanned Document", "button", None, False),
    ("preview_fax_receive_1.bmp", "Received FAX Document", "fax-tsi", "date-ymd", True),
    ("preview_fax_receive_2.bmp", "Received FAX Document", "date-ym", "fax-tsi", True),
    ("preview_fax_receive_3.bmp", "Received FAX Document", "date-ym", None, True),
    ("preview_fax_send_1.bmp", "Transmitted FAX Document", "tx-dest", "date-ymd", True),
    ("preview_fax_send_2.bmp", "Transmitted FAX Document", "date-ym", "tx-dest", True),
    ("preview_fax_send_3.bmp", "Transmitted FAX Document", "date-ym", None, True),
]

BINDER_COLOURS = ["#3a6ea5", "#4f8f4f", "#b5651d"]


def text(x, y, s, size=11, colour="black", font=None):
    font = font or FONT
    s = s.replace("'", "\\'")
    return ["-font", font, "-pointsize", str(size), "-fill", colour, "-stroke", "none",
            "-draw", f"text {x},{y} '{s}'"]


def rect(x0, y0, x1, y1, fill, stroke="black", width=1):
    return ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width),
            "-draw", f"rectangle {x0},{y0} {x1},{y1}"]


def line(x0, y0, x1, y1, colour="black", width=1):
    return ["-stroke", colour, "-strokewidth", str(width), "-draw", f"line {x0},{y0} {x1},{y1}"]


# The preview dialog shows the picture from about x = 18 and cuts it at about
# x = 465 (the dialog is narrower than the picture): everything that must be
# read stays between LEFT and RIGHT.
LEFT, RIGHT = 24, 456


def sticky_note(x, y, time):
    cmd = rect(x, y, x + 46, y + 19, "#fff27a", "#b0a000")
    cmd += text(x + 6, y + 14, time, 11)
    return cmd


def callout(x, y, label):
    """A label box at x, y whose pointer goes down to the item below it."""
    cmd = rect(x, y, x + 112, y + 17, "#fff8c0", "#a08000")
    cmd += text(x + 5, y + 13, label, 10)
    cmd += line(x + 56, y + 17, x + 50, y + 30, "#a08000")
    return cmd


def draw_commands(cabinet, binder_rule, index_rule, notes):
    cmd = []
    # Cabinet heading.
    cmd += rect(LEFT, 8, RIGHT, 30, "#e8eef6", "#8aa0c0")
    cmd += text(LEFT + 8, 24, T["cabinet"] + cabinet, 12, font=FONT_BOLD)

    # Left: shelf with three binders, spines named by the binder rule.
    names, _ = SAMPLES[binder_rule]
    cmd += text(LEFT + 4, 52, T["binders"], 11, "#333333", FONT_BOLD)
    for i, name in enumerate(names):
        x0 = LEFT + 8 + i * 68
        cmd += rect(x0, 62, x0 + 56, 246, BINDER_COLOURS[i], "#202020")
        cmd += rect(x0 + 8, 72, x0 + 48, 236, "white", "#202020")
        if T["vertical spines"] and not name.isascii():
            # Japanese spines read top down, one upright character under the other.
            for k, char in enumerate(name):
                cmd += text(x0 + 21, 92 + k * 16, char, 14)
        else:
            cmd += ["-font", FONT, "-pointsize", "12", "-fill", "black", "-stroke", "none",
                    "-draw", f"translate {x0 + 33},{228} rotate -90 text 0,0 '{name}'"]
    cmd += rect(LEFT, 247, LEFT + 212, 255, "#8b5a2b", "#5a3a1a")
    if binder_rule == "fax-tsi":
        cmd += callout(LEFT + 100, 36, T["sender"])

    # Right: an open binder with index tabs named by the index rule.
    bx0, bx1, spine = 246, 376, 310
    cmd += text(bx0, 52, T["open binder"], 11, "#333333", FONT_BOLD)
    cmd += rect(bx0, 62, bx1, 246, "#f4f4f4", "#202020")
    cmd += line(spine, 62, spine, 246, "#606060", 2)
    for ring_y in (92, 154, 216):
        cmd += ["-fill", "none", "-stroke", "#707070", "-strokewidth", "2",
                "-draw", f"circle {spine},{ring_y} {spine + 6},{ring_y}"]
    # Document pages.
    for k in range(3):
        cmd += rect(320 + k * 4, 74 + k * 4, 362 + k * 4, 150 + k * 4, "white", "#909090")
    for k in range(5):
        cmd += line(322, 184 + k * 9, 368, 184 + k * 9, "#b0b0b0")
    times = ["09:30", "13:05", "17:45"]
    if index_rule:
        tabs, _ = SAMPLES[index_rule]
        for i, name in enumerate(tabs):
            y0 = 66 + i * 60
            cmd += rect(bx1, y0, RIGHT, y0 + 54, ["#f7c6c6", "#c6e0f7", "#d4f0c0"][i], "#202020")
            cmd += text(bx1 + 5, y0 + 17, name, 10)
            if notes:
                cmd += sticky_note(bx1 + 14, y0 + 28, times[i])
        if index_rule == "fax-tsi":
            cmd += callout(RIGHT - 112, 36, T["sender"])
    else:
        cmd += text(bx1 + 6, 150, T["no tabs"][0], 10, "#606060")
        cmd += text(bx1 + 6, 164, T["no tabs"][1], 10, "#606060")
        if notes:
            # Without tabs the notes stick on the filed documents.
            for i, (x, y) in enumerate(((256, 80), (262, 130), (256, 180))):
                cmd += sticky_note(x, y, times[i])
    # Below: the layer tree of the template.
    _, binder_caption = SAMPLES[binder_rule]
    names = T["layers"]
    layers = [(names[0], "Default Library"), (names[1], cabinet), (names[2], binder_caption)]
    if index_rule:
        layers.append((names[3], SAMPLES[index_rule][1]))
    if notes:
        layers.append((names[4], T["time"]))
    cmd += rect(LEFT, 262, RIGHT, 336, "#fafafa", "#c0c0c0")
    for depth, (layer, rule) in enumerate(layers):
        x = LEFT + 8 + depth * 22
        y = 276 + depth * 13
        if depth:
            cmd += line(x - 14, y - 11, x - 14, y - 4, "#808080")
            cmd += line(x - 14, y - 4, x - 4, y - 4, "#808080")
        cmd += text(x, y, layer + T["colon"] + rule, 11)
    return cmd


def render(cabinet, binder_rule, index_rule, notes):
    """Returns the picture as rows of (r, g, b) tuples, top row first."""
    args = ["convert", "-size", f"{WIDTH}x{HEIGHT}", "xc:white"]
    args += draw_commands(cabinet, binder_rule, index_rule, notes)
    # Few colours keep the run-length encoding short.
    args += ["+dither", "-colors", "96", "-depth", "8", "ppm:-"]
    data = subprocess.run(args, check=True, stdout=subprocess.PIPE).stdout
    # P6 header: magic, width, height, maxval, then RGB bytes.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    w, h = int(fields[1]), int(fields[2])
    assert (w, h) == (WIDTH, HEIGHT)
    pixels = data[pos:pos + w * h * 3]
    return [[tuple(pixels[(y * w + x) * 3:(y * w + x) * 3 + 3]) for x in range(w)] for y in range(h)]


def rle8_row(row):
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 3 or n - i < 3:
            out += bytes((run, row[i]))
            i += run
            continue
        # Absolute mode: a stretch of pixels that do not repeat.
        j = i
        while j < n and j - i < 255:
            if j + 2 < n and row[j] == row[j + 1] == row[j + 2]:
                break
            j += 1
        count = j - i
        if count < 3:
            out += bytes((1, row[i]))
            i += 1
            continue
        out += bytes((0, count)) + bytes(row[i:j])
        if count % 2:
            out += b"\0"
        i = j
    return out + b"\0\0"


def write_bmp(path, rows):
    colours = sorted({c for row in rows for c in row})
    if len(colours) > 256:
        sys.exit(f"{path}: {len(colours)} colours")
    index = {c: i for i, c in enumerate(colours)}
    palette = bytearray()
    for i in range(256):
        r, g, b = colours[i] if i < len(colours) else (0, 0, 0)
        palette += bytes((b, g, r, 0))
    body = bytearray()
    for row in reversed(rows):  # bottom-up
        body += rle8_row([index[c] for c in row])
    body[-2:] = b"\0\1"  # end of bitmap instead of the last end of line
    header_size = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, len(body), 3780, 3780, 256, 0)
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(body), 0, 0, header_size)
    with open(path, "wb") as f:
        f.write(file_header + info + palette + body)


def main():
    global T, SAMPLES, FONT, FONT_BOLD
    language = sys.argv[1] if len(sys.argv) > 1 else "en"
    if language not in LANGUAGES:
        sys.exit("usage: preview_bitmaps.py [fr|ja]")
    T = LANGUAGES[language]
    SAMPLES = T["samples"]
    FONT, FONT_BOLD = T["fonts"]
    here = os.path.dirname(os.path.abspath(__file__))
    if language != "en":
        here = os.path.join(here, language)
        os.makedirs(here, exist_ok=True)
    for name, cabinet, binder_rule, index_rule, notes in TEMPLATES:
        path = os.path.join(here, name)
        write_bmp(path, render(cabinet, binder_rule, index_rule, notes))
        print(f"{name}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
