# levels.py: the quest's levels laid out by levelgen.py: per level its shape, its obstacles and
# the deck length the solver found for it (levelgen.py --tune). Stage 1 levels 3, 4, 7, 8 and 10
# are drawn by hand and are not listed here.
from shapes import arc, card, diamond, drop, glyph, line, mark, mirror, pile, pyramid, ring, row, shift, table, vee, wave

HAMMER = 105


def hammer(c):
    c["id"] = HAMMER
    return c


def stage1():
    out = []
    # 1: three small peaks, the first table of the quest.
    cards = table(pyramid(212, 250, 3), pyramid(512, 250, 3), pyramid(812, 250, 3))
    out.append(dict(level=1, cards=cards, back=0))
    # 2: one peak; the quest turns its sword lesson here.
    cards = table(pyramid(362, 260, 3), pyramid(662, 260, 3))
    out.append(dict(level=2, cards=cards, back=1))
    # 5: two arches, one within the other, and the keystones under them.
    cards = table(arc(512, 480, 400, 240, 180, 360, 11), arc(512, 480, 280, 160, 190, 350, 7, layer=2),
                  row(2, 512, 420, 110, layer=4))
    out.append(dict(level=5, cards=cards, back=5))
    # 6: a diamond with a wing on either side.
    cards = table(diamond(512, 215, 3, dy=70), pyramid(187, 300, 3), pyramid(837, 300, 3))
    out.append(dict(level=6, cards=cards, back=0))
    # 9: the first ice: two frozen cards lie open, and the snow holds the two cards right of them.
    cards = table(pyramid(262, 230, 4), pyramid(762, 230, 4), row(2, 512, 470, 100))
    mark(cards, lambda c: (c["x"], c["y"]) in ((212, 410), (812, 410)), ice=True)
    out.append(dict(level=9, cards=cards, back=1))
    return out


def all_levels():
    levels = []
    for stage, make in ((1, stage1),):
        for spec in make():
            spec["stage"] = stage
            spec.setdefault("sound", stage)
            levels.append(spec)
    return levels
