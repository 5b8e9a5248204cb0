# shapes.py: the card shapes levels are built from. Every shape gives a list of cards (dicts with
# x, y and a layer); `table` puts them in stacking order: by layer, then from the top of the
# screen down, so a lower card lies on the cards above it, as in every level of the quest.
import math


def card(x, y, layer=0, **marks):
    c = {"x": round(x, 1), "y": round(y, 1), "layer": layer}
    c.update(marks)
    return c


def row(n, cx, y, dx=100, layer=0):
    """n cards side by side, centred on cx."""
    return [card(cx + (k - (n - 1) / 2) * dx, y, layer) for k in range(n)]


def pyramid(cx, top, rows, dx=100, dy=60, first=1, layer=0):
    """A peak: `first` cards on top, one more in every row below."""
    out = []
    for r in range(rows):
        out += row(first + r, cx, top + r * dy, dx, layer)
    return out


def vee(cx, top, rows, dx=100, dy=60, last=1, layer=0):
    """A peak upside down: the widest row on top, `last` cards at the bottom."""
    out = []
    for r in range(rows):
        out += row(last + rows - 1 - r, cx, top + r * dy, dx, layer)
    return out


def diamond(cx, top, widest, dx=100, dy=55, layer=0):
    out = []
    sizes = list(range(1, widest + 1)) + list(range(widest - 1, 0, -1))
    for r, n in enumerate(sizes):
        out += row(n, cx, top + r * dy, dx, layer)
    return out


def pile(x, top, height, dy=45, layer=0):
    """A column of cards, each lying on the one above it."""
    return [card(x, top + k * dy, layer) for k in range(height)]


def arc(cx, cy, rx, ry, a0, a1, n, layer=0, alternate=True):
    """n cards along an ellipse from angle a0 to a1 (degrees, 0 = right, 90 = down). Neighbours
    overlap; with `alternate` every second card lies on its two neighbours."""
    out = []
    for k in range(n):
        a = math.radians(a0 + (a1 - a0) * k / max(1, n - 1))
        lay = layer + (k % 2 if alternate else 0)
        out.append(card(cx + rx * math.cos(a), cy + ry * math.sin(a), lay))
    return out


def ring(cx, cy, rx, ry, n, start=-90, layer=0):
    """n cards around an ellipse (n even), every second card on its neighbours."""
    out = []
    for k in range(n):
        a = math.radians(start + 360.0 * k / n)
        out.append(card(cx + rx * math.cos(a), cy + ry * math.sin(a), layer + k % 2))
    return out


def line(x0, y0, x1, y1, n, layer=0, alternate=False):
    """n cards on a straight line; each later card lies on the one before, or with `alternate`
    every second card lies on its two neighbours."""
    return [
        card(x0 + (x1 - x0) * k / max(1, n - 1), y0 + (y1 - y0) * k / max(1, n - 1), layer + (k % 2 if alternate else 0))
        for k in range(n)
    ]


# Letters of the lake's name, drawn with cards on a grid: '#' is a card. Columns step 50 px and
# rows 55 px, so a card lies on its neighbours above and beside it.
GLYPHS = {
    "E": ["###", "#..", "##.", "#..", "###"],
    "L": ["#..", "#..", "#..", "#..", "###"],
    "D": ["##.", "#.#", "#.#", "#.#", "##."],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "R": ["##.", "#.#", "##.", "#.#", "#.#"],
}


def glyph(ch, left, top, dx=50, dy=58, layer=0, alternate=False):
    """A letter; with `alternate` the cards of every second row lie on the rows above and below."""
    out = []
    for r, text in enumerate(GLYPHS[ch]):
        for c, mark in enumerate(text):
            if mark == "#":
                out.append(card(left + c * dx, top + r * dy, layer + (r % 2 if alternate else 0)))
    return out


def table(*groups):
    """The cards of all groups in stacking order."""
    cards = [c for g in groups for c in g]
    order = sorted(range(len(cards)), key=lambda i: (cards[i]["layer"], cards[i]["y"], cards[i]["x"]))
    return [cards[i] for i in order]


def mark(cards, which, **marks):
    """Sets marks (rocks=True, ice=True, force=True, id=105) on the cards whose index `which` picks
    (a predicate of the card, or a collection of indices)."""
    for i, c in enumerate(cards):
        hit = which(c) if callable(which) else i in which
        if hit:
            c.update(marks)
    return cards


def _overlap(a, b):
    dx = abs(int(a["x"]) - int(b["x"]))
    dy = abs(int(a["y"]) - int(b["y"]))
    return dx < 96 and dy < 140 and (dx * dx + dy * dy) < 150 * 150


def depth(cards):
    """Per card, how many cards must leave before it is free (the longest chain lying on it)."""
    n = len(cards)
    d = [0] * n
    for i in range(n - 1, -1, -1):
        above = [j for j in range(i + 1, n) if _overlap(cards[i], cards[j])]
        d[i] = 1 + max(d[j] for j in above) if above else 0
    return d


def obstacles(cards, rocks=0, hammer_depth=1, ice=0, line=None):
    """Marks obstacles by the table's shape: `rocks` stones on the deepest cards, spread across;
    the hammer under open cards (`hammer_depth` layers down), on the left of the table, never
    under a stone; `ice` frozen cards among the free ones, the rightmost at most at x `line`, so
    the snow falls on the cards right of it."""
    n = len(cards)
    d = depth(cards)
    if rocks:
        deepest = sorted(range(n), key=lambda i: (-d[i], cards[i]["x"]))
        pool = sorted(deepest[: max(rocks * 2, rocks)], key=lambda i: cards[i]["x"])
        step = len(pool) / rocks
        for k in range(rocks):
            cards[pool[int(k * step)]]["rocks"] = True
        free_of_rocks = [
            i for i in range(n)
            if not cards[i].get("rocks") and d[i] == hammer_depth
            and not any(cards[j].get("rocks") for j in range(i + 1, n) if _overlap(cards[i], cards[j]))
        ]
        free_of_rocks.sort(key=lambda i: (abs(cards[i]["x"] - 360), cards[i]["y"]))
        if free_of_rocks:
            cards[free_of_rocks[0]]["id"] = 105
    if ice:
        open_cards = [i for i in range(n) if d[i] == 0 and cards[i].get("id") != 105 and not cards[i].get("rocks")]
        right = [i for i in open_cards if line is None or cards[i]["x"] <= line]
        right.sort(key=lambda i: -cards[i]["x"])
        if right:
            first = right[0]
            cards[first]["ice"] = True
            rest = sorted((i for i in open_cards if i != first and cards[i]["x"] < cards[first]["x"]),
                          key=lambda i: cards[i]["x"])
            if ice > 1 and rest:
                step = len(rest) / (ice - 1)
                for k in range(ice - 1):
                    cards[rest[int(k * step)]]["ice"] = True
    return cards
