#!/usr/bin/python3
"""Draws the Quorlex artwork: splash, about box, catalog placeholder and icons.

Usage: python3 make_artwork.py [output folder]   (default: this script's folder)
Needs Pillow and the DejaVu fonts.  Every picture is drawn at SS times its final size and scaled down, which
gives smooth edges without relying on the drawing library's antialiasing.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
SS = 3

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
BOLD = FONT_DIR + "DejaVuSans-Bold.ttf"
BOOK = FONT_DIR + "DejaVuSans.ttf"
LIGHT = FONT_DIR + "DejaVuSans-ExtraLight.ttf"
COND = FONT_DIR + "DejaVuSansCondensed.ttf"
COND_BOLD = FONT_DIR + "DejaVuSansCondensed-Bold.ttf"

NAVY_TOP = (16, 27, 62)
NAVY_MID = (27, 45, 98)
NAVY_DEEP = (9, 15, 36)
TEAL = (32, 178, 170)
TEAL_DARK = (20, 120, 128)
ORANGE = (246, 158, 52)
ORANGE_DARK = (214, 118, 28)
PAPER = (246, 247, 250)
SILVERBLUE = (170, 186, 220)


def font(path, size):
    return ImageFont.truetype(path, int(size * SS))


def s(v):
    """Scale a design coordinate (or tuple of them) to the drawing grid."""
    if isinstance(v, (tuple, list)):
        if v and isinstance(v[0], (tuple, list)):
            return [s(p) for p in v]
        return tuple(int(round(x * SS)) for x in v)
    return int(round(v * SS))


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def vertical_gradient(size, stops):
    """stops: list of (position 0..1, colour)."""
    w, h = size
    col = Image.new("RGB", (1, h))
    px = col.load()
    for y in range(h):
        t = y / max(1, h - 1)
        for i in range(len(stops) - 1):
            p0, c0 = stops[i]
            p1, c1 = stops[i + 1]
            if p0 <= t <= p1:
                px[0, y] = lerp(c0, c1, (t - p0) / max(1e-9, p1 - p0))
                break
    return col.resize((w, h))


def glow(size, centre, radius, colour, strength):
    """A soft round light, returned as an RGBA layer."""
    w, h = size
    layer = Image.new("RGBA", size, colour + (0,))
    mask = Image.new("L", size, 0)
    d = ImageDraw.Draw(mask)
    cx, cy = centre
    steps = 40
    for i in range(steps, 0, -1):
        r = radius * i / steps
        a = int(strength * (1 - i / steps) ** 1.6)
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=a)
    layer.putalpha(mask.filter(ImageFilter.GaussianBlur(radius / 8)))
    return layer


def shadow(base, box, radius, blur, offset, opacity):
    w, h = base.size
    m = Image.new("L", (w, h), 0)
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).rounded_rectangle(
        (x0 + offset[0], y0 + offset[1], x1 + offset[0], y1 + offset[1]),
        radius, fill=opacity)
    m = m.filter(ImageFilter.GaussianBlur(blur))
    black = Image.new("RGBA", (w, h), (0, 0, 0, 255))
    black.putalpha(m)
    base.alpha_composite(black)


def text_centered(d, cx, y, text, fnt, fill, spacing=0):
    if spacing == 0:
        w = d.textlength(text, font=fnt)
        d.text((cx - w / 2, y), text, font=fnt, fill=fill)
        return
    widths = [d.textlength(ch, font=fnt) for ch in text]
    total = sum(widths) + spacing * (len(text) - 1)
    x = cx - total / 2
    for ch, cw in zip(text, widths):
        d.text((x, y), ch, font=fnt, fill=fill)
        x += cw + spacing


def backdrop(size, plain_bottom):
    """Night-blue background with two soft lights and a faint grid of
    'page blocks'; the lowest plain_bottom design pixels are left flat."""
    W, H = size
    base = vertical_gradient((s(W), s(H)), [
        (0.0, NAVY_TOP), (0.45, NAVY_MID), (0.80, (18, 30, 70)),
        (1.0, NAVY_DEEP)]).convert("RGBA")
    base.alpha_composite(glow(base.size, (s(W * 0.85), s(H * 0.12)),
                              s(W * 0.65), TEAL, 90))
    base.alpha_composite(glow(base.size, (s(W * 0.05), s(H * 0.62)),
                              s(W * 0.55), (120, 80, 220), 60))
    # Faint diagonal lines, like a draughtsman's sheet.
    lines = Image.new("RGBA", base.size, (0, 0, 0, 0))
    ld = ImageDraw.Draw(lines)
    for k in range(-H, W + H, 22):
        ld.line((s(k), 0, s(k + H), s(H)), fill=(255, 255, 255, 9), width=s(1))
    base.alpha_composite(lines)
    # Flat strip at the bottom for text and progress bar drawn by the program.
    d = ImageDraw.Draw(base)
    top = H - plain_bottom
    d.rectangle((0, s(top), s(W), s(H)), fill=NAVY_DEEP + (255,))
    d.line((0, s(top), s(W), s(top)), fill=(60, 84, 140, 255), width=s(1))
    return base


def menu_motif(base, x, y, w, scale=1.0, labels=None, active=1,
               drop_items=None, hot=1):
    """A little browser page with a horizontal CSS menu bar and one open
    drop-down: the program's subject in one picture.  Coordinates are in
    design pixels; returns the bottom of the drawing."""
    labels = labels or ["Home", "Products", "About", "Contact"]
    drop_items = drop_items or ["Overview", "Templates", "Downloads"]
    d = ImageDraw.Draw(base)
    k = scale
    card_h = 150 * k
    radius = 10 * k
    box = (x, y, x + w, y + card_h)
    shadow(base, s(box), s(radius), s(10 * k), s((0, 6 * k)), 150)
    d.rounded_rectangle(s(box), s(radius), fill=PAPER + (255,))
    # Title bar of the browser window.
    d.rounded_rectangle(s((x, y, x + w, y + 22 * k)), s(radius),
                        fill=(222, 227, 238, 255))
    d.rectangle(s((x, y + 12 * k, x + w, y + 22 * k)), fill=(222, 227, 238, 255))
    for i, c in enumerate([(236, 95, 88), (245, 190, 70), (96, 196, 110)]):
        cx = x + 14 * k + i * 14 * k
        cy = y + 11 * k
        d.ellipse(s((cx - 4 * k, cy - 4 * k, cx + 4 * k, cy + 4 * k)), fill=c)
    d.rounded_rectangle(s((x + 60 * k, y + 6 * k, x + w - 14 * k, y + 16 * k)),
                        s(5 * k), fill=(250, 251, 253, 255))
    # Page header stripe.
    d.rectangle(s((x, y + 22 * k, x + w, y + 46 * k)), fill=(233, 238, 247, 255))
    d.rounded_rectangle(s((x + 14 * k, y + 29 * k, x + 70 * k, y + 39 * k)),
                        s(3 * k), fill=TEAL_DARK)
    # The menu bar.
    bar_y0 = y + 50 * k
    bar_y1 = bar_y0 + 24 * k
    bar = vertical_gradient(s((w - 24 * k, bar_y1 - bar_y0)),
                            [(0, (40, 66, 130)), (1, (26, 44, 96))])
    bmask = Image.new("L", bar.size, 0)
    ImageDraw.Draw(bmask).rounded_rectangle((0, 0) + bar.size, s(4 * k),
                                            fill=255)
    base.paste(bar, s((x + 12 * k, bar_y0)), bmask)
    f = font(BOLD, 9.5 * k)
    tab_x = x + 12 * k
    tab_w = (w - 24 * k) / len(labels)
    active_box = None
    for i, lab in enumerate(labels):
        tx0 = tab_x + i * tab_w
        if i == active:
            active_box = (tx0, bar_y0, tx0 + tab_w, bar_y1)
            d.rectangle(s(active_box), fill=ORANGE + (255,))
            d.rectangle(s((tx0, bar_y1 - 3 * k, tx0 + tab_w, bar_y1)),
                        fill=ORANGE_DARK + (255,))
        elif i > 0 and i != active + 1:
            d.line(s((tx0, bar_y0 + 5 * k, tx0, bar_y1 - 5 * k)),
                   fill=(80, 108, 170, 255), width=max(1, s(1)))
        tw = d.textlength(lab, font=f) / SS
        d.text(s((tx0 + (tab_w - tw) / 2, bar_y0 + 6 * k)), lab, font=f,
               fill=(255, 255, 255, 255))
    # Content placeholder blocks of the page.
    cy0 = bar_y1 + 12 * k
    for row in range(3):
        ly = cy0 + row * 14 * k
        lw = (w - 24 * k) * (0.92 if row != 2 else 0.6)
        d.rounded_rectangle(s((x + 12 * k, ly, x + 12 * k + lw, ly + 6 * k)),
                            s(3 * k), fill=(214, 220, 232, 255))
    # The open drop-down under the active tab.
    ax0, _, ax1, _ = active_box
    dd_w = max(ax1 - ax0, 92 * k)
    item_h = 20 * k
    dd = (ax0, bar_y1, ax0 + dd_w, bar_y1 + item_h * len(drop_items) + 6 * k)
    shadow(base, s(dd), s(3 * k), s(5 * k), s((2 * k, 4 * k)), 120)
    d.rounded_rectangle(s(dd), s(3 * k), fill=(255, 255, 255, 255),
                        outline=(196, 204, 222, 255), width=max(1, s(1 * k)))
    fi = font(BOOK, 9 * k)
    for i, item in enumerate(drop_items):
        iy = bar_y1 + 3 * k + i * item_h
        if i == hot:
            d.rectangle(s((ax0 + 3 * k, iy, ax0 + dd_w - 3 * k, iy + item_h)),
                        fill=TEAL + (255,))
            col = (255, 255, 255, 255)
        else:
            col = (52, 62, 88, 255)
        d.text(s((ax0 + 11 * k, iy + 5 * k)), item, font=fi, fill=col)
        if i == hot:
            # A small arrow pointer hovering on the item.
            px, py = ax0 + dd_w - 22 * k, iy + 8 * k
            pts = [(px, py), (px, py + 13 * k), (px + 3.5 * k, py + 10 * k),
                   (px + 6 * k, py + 15 * k), (px + 8 * k, py + 14 * k),
                   (px + 5.5 * k, py + 9 * k), (px + 10 * k, py + 9 * k)]
            d.polygon([s(p) for p in pts], fill=(20, 24, 36, 255))
            inner = [(px + 1 * k, py + 2.4 * k), (px + 1 * k, py + 10.6 * k),
                     (px + 3.6 * k, py + 8.2 * k), (px + 6.1 * k, py + 13 * k),
                     (px + 6.8 * k, py + 12.7 * k), (px + 4.3 * k, py + 7.9 * k),
                     (px + 7.6 * k, py + 7.9 * k)]
            d.polygon([s(p) for p in inner], fill=(255, 255, 255, 255))
    return y + card_h


def wordmark(base, cx, y, size):
    """The product name with a teal-to-orange underline."""
    d = ImageDraw.Draw(base)
    f = font(BOLD, size)
    text = "Quorlex"
    # Soft glow behind the letters.
    g = Image.new("RGBA", base.size, (0, 0, 0, 0))
    gd = ImageDraw.Draw(g)
    tw = d.textlength(text, font=f) / SS
    gd.text(s((cx - tw / 2, y)), text, font=f, fill=TEAL + (150,))
    base.alpha_composite(g.filter(ImageFilter.GaussianBlur(s(size / 7))))
    d.text(s((cx - tw / 2, y)), text, font=f, fill=(255, 255, 255, 255))
    # Underline, two tones like an active tab.
    uy = y + size * 1.22
    half = tw / 2
    d.rounded_rectangle(s((cx - half, uy, cx + half * 0.25, uy + 4)), s(2),
                        fill=TEAL + (255,))
    d.rounded_rectangle(s((cx + half * 0.25 + 4, uy, cx + half, uy + 4)), s(2),
                        fill=ORANGE + (255,))
    return uy + 4


def step_chips(base, cx, y, labels):
    # Translucent fills must be blended, so the chips go on their own layer.
    layer = Image.new("RGBA", base.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    f = font(COND_BOLD, 10.5)
    fn = font(BOLD, 10)
    pad, gap, dot = 10, 16, 16
    widths = [d.textlength(t, font=f) / SS + dot + pad * 2 + 4 for t in labels]
    total = sum(widths) + gap * (len(labels) - 1)
    x = cx - total / 2
    for i, (t, w) in enumerate(zip(labels, widths)):
        box = (x, y, x + w, y + 24)
        d.rounded_rectangle(s(box), s(12), fill=(255, 255, 255, 22),
                            outline=(120, 150, 210, 160), width=s(1))
        dc = (TEAL, (120, 140, 235), ORANGE)[i % 3]
        d.ellipse(s((x + 5, y + 4, x + 5 + dot, y + 4 + dot)), fill=dc + (255,))
        nw = d.textlength(str(i + 1), font=fn) / SS
        d.text(s((x + 5 + (dot - nw) / 2, y + 5)), str(i + 1), font=fn,
               fill=(255, 255, 255, 255))
        d.text(s((x + 5 + dot + 7, y + 5)), t, font=f,
               fill=(226, 233, 248, 255))
        if i < len(labels) - 1:
            ax = x + w + gap / 2
            d.polygon(s([(ax - 3, y + 8), (ax + 3, y + 12), (ax - 3, y + 16)]),
                      fill=(150, 170, 220, 255))
        x += w + gap
    base.alpha_composite(layer)


def finish(img, size, name):
    out = img.resize(size, Image.LANCZOS).convert("RGB")
    out.save(f"{OUT}/{name}", optimize=True)


def make_splash():
    W, H = 488, 559
    img = backdrop((W, H), 52)
    bottom = menu_motif(img, 52, 64, W - 104, scale=1.0,
                        labels=["Home", "Products", "About", "Contact"],
                        drop_items=["Overview", "Templates", "Downloads"])
    y = bottom + 70
    u = wordmark(img, W / 2, y, 58)
    d = ImageDraw.Draw(img)
    text_centered(d, s(W / 2), s(u + 14), "CSS menu templates, made yours",
                  font(BOOK, 15.5), (205, 216, 240, 255))
    step_chips(img, W / 2, u + 52, ["Select", "Customize", "Get the Files"])
    finish(img, (W, H), "splash.png")


def make_about():
    W, H = 512, 540
    img = backdrop((W, H), 70)
    bottom = menu_motif(img, 96, 52, W - 192, scale=0.86,
                        labels=["Home", "Menus", "Help"], active=1,
                        drop_items=["Colors", "Fonts", "Layouts"], hot=2)
    u = wordmark(img, W / 2, bottom + 38, 50)
    d = ImageDraw.Draw(img)
    text_centered(d, s(W / 2), s(u + 14), "CSS menu templates, made yours",
                  font(BOOK, 13.5), (205, 216, 240, 255))
    # Version badge.
    fv = font(BOLD, 12.5)
    label = "Version 4.1"
    vw = d.textlength(label, font=fv) / SS
    by = u + 44
    d.rounded_rectangle(s((W / 2 - vw / 2 - 14, by, W / 2 + vw / 2 + 14,
                           by + 24)), s(12), fill=TEAL_DARK + (255,),
                        outline=TEAL + (255,), width=s(1))
    text_centered(d, s(W / 2), s(by + 4.5), label, fv, (255, 255, 255, 255))
    # Credit line.
    d.line(s((W / 2 - 150, by + 44, W / 2 + 150, by + 44)),
           fill=(80, 104, 160, 255), width=s(1))
    text_centered(d, s(W / 2), s(by + 54),
                  "Built with Qt, pugixml, libjpeg-turbo and libcurl",
                  font(COND, 12), (176, 190, 222, 255))
    finish(img, (W, H), "about.png")


def make_placeholder():
    W, H = 440, 330
    img = vertical_gradient(s((W, H)), [(0, (244, 245, 248)),
                                        (1, (229, 232, 238))]).convert("RGBA")
    d = ImageDraw.Draw(img)
    # Dashed frame.
    m, r = 14, 12
    x0, y0, x1, y1 = m, m, W - m, H - m
    dash, gap = 9, 6
    col = (184, 190, 204, 255)
    t = 0
    for (ax, ay, bx, by) in [(x0 + r, y0, x1 - r, y0), (x1, y0 + r, x1, y1 - r),
                             (x1 - r, y1, x0 + r, y1), (x0, y1 - r, x0, y0 + r)]:
        length = math.hypot(bx - ax, by - ay)
        pos = 0
        while pos < length:
            e = min(pos + dash, length)
            p0 = (ax + (bx - ax) * pos / length, ay + (by - ay) * pos / length)
            p1 = (ax + (bx - ax) * e / length, ay + (by - ay) * e / length)
            d.line(s(p0 + p1), fill=col, width=s(2))
            pos += dash + gap
    for (cx, cy, a0) in [(x0 + r, y0 + r, 180), (x1 - r, y0 + r, 270),
                         (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90)]:
        d.arc(s((cx - r, cy - r, cx + r, cy + r)), a0, a0 + 90, fill=col,
              width=s(2))
    # Picture symbol: a frame with hills and a sun.
    cx, cy = W / 2, H / 2 - 30
    fw, fh = 112, 84
    fb = (cx - fw / 2, cy - fh / 2, cx + fw / 2, cy + fh / 2)
    d.rounded_rectangle(s(fb), s(8), fill=(255, 255, 255, 255),
                        outline=(168, 176, 192, 255), width=s(3))
    inner = (fb[0] + 10, fb[1] + 10, fb[2] - 10, fb[3] - 10)
    d.rectangle(s(inner), fill=(222, 228, 238, 255))
    d.ellipse(s((inner[2] - 30, inner[1] + 8, inner[2] - 14, inner[1] + 24)),
              fill=(196, 204, 218, 255))
    d.polygon(s([(inner[0], inner[3]), (inner[0] + 28, inner[1] + 26),
                 (inner[0] + 52, inner[3])]), fill=(176, 186, 202, 255))
    d.polygon(s([(inner[0] + 32, inner[3]), (inner[0] + 62, inner[1] + 34),
                 (inner[2], inner[3])]), fill=(156, 166, 184, 255))
    text_centered(d, s(cx), s(cy + fh / 2 + 22), "No preview available",
                  font(BOLD, 17), (120, 128, 146, 255))
    text_centered(d, s(cx), s(cy + fh / 2 + 48),
                  "Select a template that comes with a screenshot.",
                  font(BOOK, 11.5), (150, 157, 172, 255))
    finish(img, (W, H), "placeholder.png")


def icon_master(size):
    """The application icon drawn on a size x size grid (large size)."""
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    u = size / 64.0  # design unit: the 64 px icon
    # Rounded square body with gradient.
    body = vertical_gradient((size, size), [(0, (38, 72, 150)),
                                            (1, (14, 26, 64))]).convert("RGBA")
    mask = Image.new("L", (size, size), 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        (1 * u, 1 * u, 63 * u, 63 * u), 13 * u, fill=255)
    img.paste(body, (0, 0), mask)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((1 * u, 1 * u, 63 * u, 63 * u), 13 * u,
                        outline=(90, 130, 210, 255), width=max(1, int(1.2 * u)))
    # Menu bar: three tabs, the middle one active (orange).
    by0, by1 = 12 * u, 24 * u
    d.rounded_rectangle((8 * u, by0, 56 * u, by1), 3 * u,
                        fill=(236, 240, 248, 255))
    d.rectangle((24 * u, by0, 40 * u, by1), fill=ORANGE + (255,))
    d.rectangle((24 * u, by1 - 2 * u, 40 * u, by1), fill=ORANGE_DARK + (255,))
    for tx in (12 * u, 44 * u):
        d.rounded_rectangle((tx, 16.5 * u, tx + 8 * u, 19.5 * u), 1.5 * u,
                            fill=(120, 136, 170, 255))
    d.rounded_rectangle((27 * u, 16.5 * u, 37 * u, 19.5 * u), 1.5 * u,
                        fill=(255, 255, 255, 255))
    # Drop-down panel with three items, the second highlighted.
    dd = (24 * u, by1, 50 * u, 54 * u)
    d.rectangle(dd, fill=(255, 255, 255, 255))
    d.rectangle((24 * u, by1 + 10 * u, 50 * u, by1 + 19 * u),
                fill=TEAL + (255,))
    for i, iy in enumerate((by1 + 4.5 * u, by1 + 13.5 * u, by1 + 22.5 * u)):
        c = (255, 255, 255, 255) if i == 1 else (150, 160, 184, 255)
        d.rounded_rectangle((28 * u, iy - 1.2 * u, 44 * u - (4 * u if i == 2 else 0),
                             iy + 1.2 * u), 1.2 * u, fill=c)
    return img


def make_icons():
    master = icon_master(512)
    for px, name in ((64, "quorlex.png"), (128, "quorlex-128.png")):
        master.resize((px, px), Image.LANCZOS).save(f"{OUT}/{name}",
                                                   optimize=True)


if __name__ == "__main__":
    make_splash()
    make_about()
    make_placeholder()
    make_icons()
