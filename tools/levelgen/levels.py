# levels.py: the quest's levels laid out by levelgen.py: per level its shape, its obstacles and
# the deck length the solver found for it (levelgen.py --tune). Stage 1 levels 3, 4, 7, 8 and 10
# are drawn by hand and are not listed here.
from shapes import arc, diamond, glyph, line, mark, obstacles, pile, pyramid, ring, row, table, vee

HAMMER = 105


def near(*points):
    """Picks the cards lying on any of the points (x, y)."""
    return lambda c: any(abs(c["x"] - x) < 1.5 and abs(c["y"] - y) < 1.5 for x, y in points)


def above(y):
    return lambda c: c["y"] < y


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


def stage2():
    """Rocks: the rock cards stay shut until the hammer under the open cards is found."""
    out = []
    # 1: stairs down from either side.
    cards = table(line(112, 215, 412, 455, 5), line(212, 215, 512, 455, 5), line(912, 215, 612, 455, 5),
                  line(812, 215, 512, 385, 4))
    mark(cards, above(220), rocks=True)
    mark(cards, near((287, 275)), id=HAMMER)
    out.append(dict(cards=cards, back=2))
    # 2: an arch over a smaller one, its keystones on the inner arch.
    cards = table(arc(512, 480, 400, 240, 180, 360, 11), arc(512, 480, 280, 160, 190, 350, 7, layer=2),
                  row(2, 512, 420, 110, layer=4))
    mark(cards, lambda c: c["layer"] <= 1 and c["y"] < 300, rocks=True)
    mark(cards, lambda c: c["layer"] >= 2 and abs(c["x"] - 512) < 1, id=HAMMER)
    out.append(dict(cards=cards, back=4))
    # 3: two islands, a stone at the heart of each, and the hammer on the shore between.
    cards = table(diamond(262, 215, 3, dy=62), diamond(762, 215, 3, dy=62), pyramid(512, 330, 2, layer=1))
    mark(cards, near((262, 339), (762, 339)), rocks=True)
    mark(cards, near((512, 330)), id=HAMMER)
    out.append(dict(cards=cards, back=1))
    # 4: two peaks with rocky tips and a gate between them.
    cards = table(pyramid(287, 220, 4), pyramid(737, 220, 4), row(2, 512, 460))
    mark(cards, near((287, 220), (737, 220)), rocks=True)
    mark(cards, near((337, 280)), id=HAMMER)
    out.append(dict(cards=cards, back=2))
    # 5: a ring of stones around a small peak.
    cards = table(ring(512, 360, 300, 140, 16), pyramid(512, 300, 3, layer=2))
    mark(cards, lambda c: c["layer"] < 2 and c["y"] < 300, rocks=True)
    mark(cards, near((462, 360)), id=HAMMER)
    out.append(dict(cards=cards, back=3))
    # 6: a wall of three courses, its top course of stone.
    cards = table(row(8, 512, 250), row(7, 512, 315), row(8, 512, 380))
    mark(cards, lambda c: c["y"] == 250 and c["x"] in (162, 262, 762, 862), rocks=True)
    mark(cards, near((512, 315)), id=HAMMER)
    out.append(dict(cards=cards, back=3))
    # 7: a peak upside down, hung between two posts.
    cards = table(vee(512, 215, 5), pile(112, 230, 4, dy=60), pile(912, 230, 4, dy=60), row(2, 512, 455, 200))
    mark(cards, lambda c: c["y"] == 215 and c["x"] in (312, 712), rocks=True)
    mark(cards, near((112, 230), (912, 230)), rocks=True)
    mark(cards, near((512, 335)), id=HAMMER)
    out.append(dict(cards=cards, back=0))
    # 8: three peaks on one broad base.
    cards = table(pyramid(212, 215, 3), pyramid(512, 215, 3), pyramid(812, 215, 3), row(9, 512, 395))
    mark(cards, above(240), rocks=True)
    mark(cards, near((462, 275)), id=HAMMER)
    out.append(dict(cards=cards, back=4))
    # 9: two peaks, a bridge between their shoulders and a road beneath.
    cards = table(pyramid(262, 215, 4), pyramid(762, 215, 4), row(3, 512, 290, layer=1), row(5, 512, 455))
    mark(cards, near((262, 215), (762, 215), (512, 290)), rocks=True)
    mark(cards, near((262, 335)), id=HAMMER)
    out.append(dict(cards=cards, back=5))
    # 10: the castle: two towers and a gatehouse, its battlements of stone.
    cards = table(pile(162, 215, 4, dy=75), pile(862, 215, 4, dy=75), row(5, 512, 225), row(4, 512, 290),
                  row(5, 512, 355), row(4, 512, 420, layer=1), row(2, 512, 480, 300, layer=1))
    mark(cards, lambda c: c["y"] == 225 or c["y"] == 215, rocks=True)
    mark(cards, near((562, 290)), id=HAMMER)
    out.append(dict(cards=cards, back=5))
    return out


def stage3():
    """Ice and snow: every card right of the last frozen card lies under snow until the ice is gone."""
    out = []
    # 1: a frozen brook at the foot of two peaks.
    cards = table(pyramid(287, 220, 4), pyramid(737, 220, 4), row(2, 512, 460))
    mark(cards, near((137, 400), (587, 400)), ice=True)
    out.append(dict(cards=cards, back=1))
    # 2: stepping stones across a frozen brook.
    cards = table(pile(112, 230, 4, dy=60), pile(312, 230, 4, dy=60), pile(512, 230, 4, dy=60),
                  pile(712, 230, 4, dy=60), pile(912, 230, 4, dy=60), row(4, 512, 470, 200))
    mark(cards, near((112, 350), (112, 410), (212, 470)), ice=True)
    out.append(dict(cards=cards, back=2))
    # 3: the frozen diagonal: stairs from the top left, iced at their feet.
    cards = table(line(112, 215, 412, 455, 5), line(262, 215, 562, 455, 5), line(412, 215, 712, 455, 5),
                  line(562, 215, 862, 455, 5))
    mark(cards, near((412, 455), (562, 455)), ice=True)
    out.append(dict(cards=cards, back=3))
    # 4: a ring with a peak inside, frozen at its foot.
    cards = table(ring(512, 360, 300, 140, 16), pyramid(512, 300, 3, layer=2))
    mark(cards, near((234.8, 413.6), (512, 500), (626.8, 489.3)), ice=True)
    out.append(dict(cards=cards, back=4))
    # 5: the name of the lake, its first letters: E L D, the D under snow until the feet of E and L thaw.
    cards = table(glyph("E", 112, 215, dx=70, dy=70, alternate=True), glyph("L", 392, 215, dx=70, dy=70, alternate=True),
                  glyph("D", 672, 215, dx=70, dy=70, alternate=True))
    mark(cards, near((252, 495), (532, 495)), ice=True)
    out.append(dict(cards=cards, back=5))
    # 6: a crescent moon with a frozen horn, and stars in the snow.
    cards = table(arc(600, 360, 400, 165, 95, 265, 9), arc(660, 360, 230, 100, 110, 250, 7, layer=2),
                  diamond(812, 240, 2, dy=60), row(3, 812, 455, 100))
    mark(cards, near((565.1, 524.4), (812, 455)), ice=True)
    out.append(dict(cards=cards, back=0))
    # 7: a peak upside down between frozen posts.
    cards = table(vee(512, 215, 5), pile(112, 230, 4, dy=60), pile(912, 230, 4, dy=60), row(2, 512, 455, 200))
    mark(cards, near((112, 410), (612, 455)), ice=True)
    out.append(dict(cards=cards, back=1))
    # 8: three peaks on one base, the middle one frozen.
    cards = table(pyramid(212, 215, 3), pyramid(512, 215, 3), pyramid(812, 215, 3), row(9, 512, 395))
    mark(cards, near((462, 335), (562, 335), (512, 395)), ice=True)
    out.append(dict(cards=cards, back=2))
    # 9: two islands in the ice, joined by a bridge.
    cards = table(diamond(262, 215, 3, dy=62), diamond(762, 215, 3, dy=62), row(4, 512, 320, layer=1),
                  row(4, 512, 450, 100))
    obstacles(cards, ice=2, line=720)
    out.append(dict(cards=cards, back=3))
    # 10: the frozen lake: two wide courses and a peak at either shore.
    cards = table(row(7, 512, 250), row(6, 512, 315), row(7, 512, 380), pyramid(162, 440, 2, layer=1),
                  pyramid(862, 440, 2, layer=1))
    obstacles(cards, ice=3, line=720)
    out.append(dict(cards=cards, back=4))
    return out


def stage4():
    """Columns: the bottom card of every pile hides coins, more the deeper the pile."""
    out = []
    # 1: a colonnade: five columns and the lintels across them.
    cards = table(*[pile(172 + 170 * k, 280, 4, dy=75) for k in range(5)], row(4, 512, 215, 170, layer=1))
    out.append(dict(cards=cards, back=5, coins=True))
    # 2: a stepped pyramid between two obelisks.
    cards = table(*[pile(257 + 85 * k, 470 - 60 * (h - 1), h, dy=60, layer=k % 2)
                    for k, h in enumerate((1, 2, 3, 4, 3, 2, 1))], pile(112, 290, 3, dy=70), pile(912, 290, 3, dy=70))
    out.append(dict(cards=cards, back=0, coins=True))
    # 3: a temple: six columns, their capitals and the altar steps.
    cards = table(*[pile(162 + 140 * k, 300, 3, dy=70) for k in range(6)], row(6, 512, 225, 140, layer=1),
                  row(2, 512, 490, 140, layer=1))
    out.append(dict(cards=cards, back=2, coins=True))
    # 4: reeds bent by the wind.
    cards = table(*[line(172 + 170 * k, 215, 247 + 170 * k, 465, 6) for k in range(4)], row(2, 512, 520, 500))
    out.append(dict(cards=cards, back=4, coins=True))
    # 5: five towers joined by their battlements.
    cards = table(*[pile(172 + 170 * k, 225, 5, dy=55) for k in range(5)], row(4, 512, 250, 170, layer=1))
    out.append(dict(cards=cards, back=1, coins=True))
    # 6: a crown of five columns with jewels between them.
    cards = table(*[pile(172 + 170 * k, 215 + 60 * abs(2 - k) % 120, h, dy=60) for k, h in enumerate((4, 4, 5, 4, 4))],
                  row(4, 512, 505, 170, layer=1))
    out.append(dict(cards=cards, back=3, coins=True))
    # 7: two islands of columns, a bridge of cards between them.
    cards = table(*[pile(132 + 85 * k, 230, 4, dy=60, layer=k % 2) for k in range(3)],
                  *[pile(722 + 85 * k, 230, 4, dy=60, layer=k % 2) for k in range(3)], row(3, 512, 300, layer=2),
                  row(2, 512, 420, layer=2))
    out.append(dict(cards=cards, back=5, coins=True))
    # 8: a zigzag wall of columns, every second one lying on its neighbours.
    cards = table(*[pile(172 + 85 * k, 225 + (60 if k % 2 else 0), 2 if k % 2 else 3, dy=60, layer=k % 2) for k in range(9)])
    out.append(dict(cards=cards, back=1, coins=True))
    # 9: the treasury: deep columns behind a counter.
    cards = table(*[pile(172 + 170 * k, 215, 4, dy=60) for k in range(5)], row(4, 512, 475, 170, layer=1),
                  row(2, 512, 250, 340, layer=1))
    out.append(dict(cards=cards, back=2, coins=True))
    # 10: the great hall: six columns under their lintels.
    cards = table(*[pile(137 + 150 * k, 280, 4, dy=60) for k in range(6)], row(5, 512, 215, 150, layer=1),
                  row(2, 512, 520, 300, layer=1))
    out.append(dict(cards=cards, back=0, coins=True))
    return out


def stage5():
    """Swords on the table: one or two wild cards lie somewhere in every deal, and a few cards show
    their faces while still covered."""
    out = []
    # 1: three peaks, a sword hidden in one of them.
    cards = table(pyramid(212, 230, 4, dx=96), pyramid(512, 230, 3), pyramid(812, 230, 4, dx=96),
                  row(3, 512, 470, 150))
    mark(cards, near((512, 230)), force=True)
    out.append(dict(cards=cards, back=3, swords=1))
    # 2: crossed blades over a hilt.
    blade = [c for c in line(862, 215, 162, 471, 9, layer=2, alternate=True) if abs(c["x"] - 512) > 1]
    cards = table(line(162, 215, 862, 471, 9, alternate=True), blade, pile(512, 420, 2, dy=50, layer=4), row(2, 512, 520, 260))
    mark(cards, near((162, 215), (862, 215)), force=True)
    out.append(dict(cards=cards, back=4, swords=1))
    # 3: a shield: a ring with a boss.
    cards = table(ring(512, 360, 300, 140, 16), pyramid(512, 300, 3, layer=2))
    mark(cards, near((512, 220)), force=True)
    out.append(dict(cards=cards, back=5, swords=2))
    # 4: the name of the lake goes on: M E.
    cards = table(glyph("M", 142, 225, dx=70), glyph("E", 612, 225, dx=70))
    out.append(dict(cards=cards, back=0, swords=1))
    # 5: a shield wall of four ranks.
    cards = table(row(8, 512, 240), row(7, 512, 295), row(8, 512, 350), row(7, 512, 405))
    mark(cards, lambda c: c["y"] == 240 and c["x"] in (162, 862), force=True)
    out.append(dict(cards=cards, back=1, swords=2))
    # 6: two diamonds and a pillar between them.
    cards = table(diamond(237, 215, 3, dy=70), diamond(787, 215, 3, dy=70), pile(512, 230, 4, dy=65),
                  row(2, 512, 500, 300, layer=1))
    mark(cards, near((237, 215), (787, 215)), force=True)
    out.append(dict(cards=cards, back=2, swords=1))
    # 7: a honeycomb.
    cards = table(row(4, 512, 215), row(5, 512, 275), row(6, 512, 335), row(5, 512, 395), row(4, 512, 455),
                  row(2, 512, 515, 500))
    mark(cards, near((362, 215), (662, 215)), force=True)
    out.append(dict(cards=cards, back=3, swords=2))
    # 8: the armoury: a great shield between two racks.
    cards = table(diamond(512, 205, 4, dy=52), pile(162, 230, 4, dy=60), pile(862, 230, 4, dy=60),
                  row(2, 512, 515, 500))
    mark(cards, near((512, 205)), force=True)
    out.append(dict(cards=cards, back=4, swords=2))
    # 9: a broad peak between two posts, a gate below.
    cards = table(pyramid(512, 215, 5), pile(112, 230, 3, dy=70), pile(912, 230, 3, dy=70), row(4, 512, 515, 100))
    mark(cards, lambda c: c["y"] == 215 or c["y"] == 275, force=True)
    out.append(dict(cards=cards, back=5, swords=2))
    # 10: two towers and a wall with swords set in it.
    cards = table(pile(112, 215, 5, dy=65), pile(912, 215, 5, dy=65), row(7, 512, 235), row(6, 512, 300),
                  row(7, 512, 365), row(4, 512, 450, 150, layer=1))
    mark(cards, lambda c: c["y"] == 235 and c["x"] in (212, 512, 812), force=True)
    out.append(dict(cards=cards, back=0, swords=2))
    return out


def stage6():
    """Stone and ice together."""
    out = []
    # 1: two peaks, a bridge between their shoulders and a frozen road beneath.
    cards = table(pyramid(262, 215, 4), pyramid(762, 215, 4), row(3, 512, 290, layer=1), row(5, 512, 455))
    obstacles(cards, rocks=3, ice=2, line=712)
    out.append(dict(cards=cards, back=0))
    # 2: a wall of four courses.
    cards = table(row(8, 512, 250), row(7, 512, 315), row(8, 512, 380), row(5, 512, 445))
    obstacles(cards, rocks=4, ice=2, line=712)
    out.append(dict(cards=cards, back=1))
    # 3: a ring with a peak inside, four stones at its corners.
    cards = table(ring(512, 360, 300, 140, 16), pyramid(512, 300, 3, layer=2), pile(112, 235, 2, dy=70),
                  pile(912, 235, 2, dy=70), pile(112, 420, 2, dy=70), pile(912, 420, 2, dy=70))
    obstacles(cards, rocks=4, ice=2, line=800)
    out.append(dict(cards=cards, back=2))
    # 4: three peaks on one base.
    cards = table(pyramid(212, 215, 3), pyramid(512, 215, 3), pyramid(812, 215, 3), row(9, 512, 395),
                  row(2, 512, 480, 400))
    obstacles(cards, rocks=3, ice=2, line=750)
    out.append(dict(cards=cards, back=3))
    # 5: a honeycomb between two posts.
    cards = table(row(4, 512, 215), row(5, 512, 275), row(6, 512, 335), row(5, 512, 395), row(4, 512, 455),
                  pile(112, 230, 3, dy=70), pile(912, 230, 3, dy=70))
    obstacles(cards, rocks=4, ice=2, line=700)
    out.append(dict(cards=cards, back=4))
    # 6: stairs down from the left, and a frozen landing.
    cards = table(line(112, 215, 412, 455, 5), line(262, 215, 562, 455, 5), line(412, 215, 712, 455, 5),
                  line(562, 215, 862, 455, 5), line(712, 215, 912, 375, 3), row(3, 262, 520, 100))
    obstacles(cards, rocks=4, ice=2, line=720)
    out.append(dict(cards=cards, back=5))
    # 7: the castle with its towers, battlements of stone and a frozen moat.
    cards = table(pile(162, 215, 4, dy=75), pile(862, 215, 4, dy=75), row(5, 512, 225), row(4, 512, 290),
                  row(5, 512, 355), row(4, 512, 420, layer=1), row(2, 512, 480, 300, layer=1), row(2, 512, 515, 100))
    obstacles(cards, rocks=5, ice=2, line=700)
    out.append(dict(cards=cards, back=0))
    # 8: two islands joined by a bridge, stones on the islands and ice on the shore.
    cards = table(diamond(262, 215, 3, dy=62), diamond(762, 215, 3, dy=62), row(4, 512, 320, layer=1),
                  row(4, 512, 450, 100), row(2, 512, 515, 500))
    obstacles(cards, rocks=4, ice=2, line=720)
    out.append(dict(cards=cards, back=1))
    # 9: a broad peak between two posts.
    cards = table(pyramid(512, 215, 5), pile(112, 230, 4, dy=70), pile(912, 230, 4, dy=70), row(6, 512, 515, 100))
    obstacles(cards, rocks=3, hammer_depth=2, ice=3, line=700)
    out.append(dict(cards=cards, back=2))
    # 10: the name of the lake, its end: R E, between two frozen posts.
    cards = table(glyph("R", 232, 215, dx=70, dy=70, alternate=True), glyph("E", 592, 215, dx=70, dy=70, alternate=True),
                  pile(112, 230, 4, dy=70), pile(902, 230, 4, dy=70))
    obstacles(cards, rocks=4, ice=3, line=700)
    out.append(dict(cards=cards, back=3))
    return out


def stage7():
    """Columns, ice and swords together."""
    out = []
    # 1: an aqueduct: five piers under their arches.
    cards = table(*[pile(172 + 170 * k, 275, 5, dy=60) for k in range(5)], row(4, 512, 215, 170, layer=1))
    obstacles(cards, ice=2, line=720)
    out.append(dict(cards=cards, back=4, coins=True, swords=1))
    # 2: three peaks standing on columns.
    cards = table(*[pile(172 + 170 * k, 330, 3, dy=65) for k in range(5)], pyramid(257, 215, 2, dx=170, layer=1),
                  pyramid(767, 215, 2, dx=170, layer=1), row(2, 512, 215, 100, layer=1))
    obstacles(cards, ice=2, line=760)
    out.append(dict(cards=cards, back=5, coins=True, swords=1))
    # 3: the forest in winter: nine trunks, every second one lying on its neighbours.
    cards = table(*[pile(172 + 85 * k, 215 + (0 if k % 2 else 60), 3, dy=60, layer=k % 2) for k in range(9)],
                  row(4, 512, 475, 170, layer=1))
    obstacles(cards, ice=3, line=720)
    out.append(dict(cards=cards, back=0, coins=True, swords=2))
    # 4: leaning columns, frozen at their feet.
    cards = table(*[line(112 + 150 * k, 215, 172 + 150 * k, 455, 5) for k in range(6)])
    obstacles(cards, ice=2, line=760)
    out.append(dict(cards=cards, back=1, coins=True, swords=1))
    # 5: a temple of five columns, capitals and a roof across them.
    cards = table(*[pile(172 + 170 * k, 310, 4, dy=60) for k in range(5)], row(5, 512, 250, 170, layer=1),
                  row(4, 512, 200, 170, layer=2))
    obstacles(cards, ice=2, line=700)
    out.append(dict(cards=cards, back=2, coins=True, swords=2))
    # 6: two islands of columns and a bridge.
    cards = table(*[pile(132 + 85 * k, 230, 4, dy=60, layer=k % 2) for k in range(3)],
                  *[pile(722 + 85 * k, 230, 4, dy=60, layer=k % 2) for k in range(3)], row(3, 512, 300, layer=2),
                  row(2, 512, 420, layer=2), row(3, 512, 500, 100, layer=3))
    obstacles(cards, ice=2, line=700)
    out.append(dict(cards=cards, back=3, coins=True, swords=2))
    # 7: a wall of columns in a zigzag, with a frozen ditch.
    cards = table(*[pile(172 + 85 * k, 215 + (60 if k % 2 else 0), 3, dy=60, layer=k % 2) for k in range(9)])
    obstacles(cards, ice=2, line=720)
    out.append(dict(cards=cards, back=4, coins=True, swords=1))
    # 8: a harbour: two piers, boats on the water and the quay below.
    cards = table(pile(112, 215, 5, dy=60), pile(912, 215, 5, dy=60), pyramid(312, 215, 2), pyramid(512, 215, 2),
                  pyramid(712, 215, 2), row(5, 512, 365, 100), row(6, 512, 455, 100))
    obstacles(cards, ice=2, line=760)
    out.append(dict(cards=cards, back=5, coins=True, swords=2))
    # 9: the vault: deep columns under a frozen counter.
    cards = table(*[pile(172 + 170 * k, 215, 5, dy=55) for k in range(5)], row(4, 512, 475, 170, layer=1),
                  row(4, 512, 215, 170, layer=1))
    obstacles(cards, ice=2, line=720)
    out.append(dict(cards=cards, back=0, coins=True, swords=2))
    # 10: the towers of the lake: five towers, the battlements between them and the gates below.
    cards = table(*[pile(172 + 170 * k, 225, 5, dy=55) for k in range(5)], row(4, 512, 250, 170, layer=1),
                  row(4, 512, 505, 170, layer=1))
    obstacles(cards, ice=3, line=720)
    out.append(dict(cards=cards, back=1, coins=True, swords=2))
    return out


def stage8():
    """Everything at once: stones, ice, columns with coins and swords, on the largest tables."""
    out = []
    # 1: two peaks, a bridge and a road.
    cards = table(pyramid(262, 215, 4), pyramid(762, 215, 4), row(3, 512, 290, layer=1), row(5, 512, 455),
                  pile(512, 470, 1), row(2, 512, 520, 700))
    obstacles(cards, rocks=3, ice=2, line=760)
    out.append(dict(cards=cards, back=2, coins=True, swords=1))
    # 2: the great wall.
    cards = table(row(8, 512, 240), row(7, 512, 300), row(8, 512, 360), row(7, 512, 420), row(2, 512, 500, 500))
    obstacles(cards, rocks=4, ice=2, line=760)
    out.append(dict(cards=cards, back=3, coins=True, swords=2))
    # 3: the aqueduct in winter: five piers under their arches.
    cards = table(*[pile(172 + 170 * k, 275, 5, dy=60) for k in range(5)], row(4, 512, 215, 170, layer=1),
                  row(2, 512, 215, 680, layer=1))
    obstacles(cards, rocks=3, hammer_depth=2, ice=2, line=760)
    out.append(dict(cards=cards, back=4, coins=True, swords=1))
    # 4: three peaks on one broad base.
    cards = table(pyramid(212, 215, 3), pyramid(512, 215, 3), pyramid(812, 215, 3), row(9, 512, 395),
                  row(4, 512, 480, 200))
    obstacles(cards, rocks=3, ice=2, line=760)
    out.append(dict(cards=cards, back=5, coins=True, swords=2))
    # 5: the castle.
    cards = table(pile(162, 215, 5, dy=60), pile(862, 215, 5, dy=60), row(5, 512, 225), row(4, 512, 290),
                  row(5, 512, 355), row(4, 512, 420, layer=1), row(2, 512, 480, 300, layer=1), row(2, 512, 515, 100))
    obstacles(cards, rocks=5, ice=2, line=760)
    out.append(dict(cards=cards, back=0, coins=True, swords=2))
    # 6: a honeycomb between two towers.
    cards = table(row(4, 512, 215), row(5, 512, 275), row(6, 512, 335), row(5, 512, 395), row(4, 512, 455),
                  pile(112, 215, 4, dy=65), pile(912, 215, 4, dy=65), row(2, 512, 520, 400))
    obstacles(cards, rocks=4, ice=2, line=760)
    out.append(dict(cards=cards, back=1, coins=True, swords=2))
    # 7: the whole name across the lake: E L D above, the shore below.
    cards = table(glyph("E", 112, 215, dx=70), glyph("L", 392, 215, dx=70), glyph("D", 672, 215, dx=70),
                  row(4, 512, 505, 200))
    obstacles(cards, rocks=3, ice=2, line=760)
    out.append(dict(cards=cards, back=2, coins=True, swords=2))
    # 8: the great peak between two towers.
    cards = table(pyramid(512, 215, 6, dy=55), pile(112, 215, 5, dy=60), pile(912, 215, 5, dy=60))
    obstacles(cards, rocks=4, ice=2, line=780)
    out.append(dict(cards=cards, back=3, coins=True, swords=2))
    # 9: stairs from both sides meeting at a frozen gate.
    cards = table(line(112, 215, 412, 455, 5), line(212, 215, 512, 455, 5), line(912, 215, 612, 455, 5),
                  line(812, 215, 512, 385, 4), line(312, 215, 462, 335, 3), line(712, 215, 612, 295, 2),
                  row(4, 512, 520, 200))
    obstacles(cards, rocks=4, ice=2, line=760)
    out.append(dict(cards=cards, back=4, coins=True, swords=2))
    # 10: Eldmere: the castle on the lake, the last table of the quest.
    cards = table(pile(112, 215, 4, dy=70), pile(912, 215, 4, dy=70), row(7, 512, 235), row(6, 512, 300),
                  row(7, 512, 365), row(6, 512, 430, layer=1))
    obstacles(cards, rocks=5, hammer_depth=2, ice=3, line=780)
    out.append(dict(cards=cards, back=5, coins=True, swords=2))
    return out


def all_levels():
    levels = []
    for stage, make in ((1, stage1), (2, stage2), (3, stage3), (4, stage4), (5, stage5), (6, stage6), (7, stage7), (8, stage8)):
        for number, plan in enumerate(make(), 1):
            plan["stage"] = stage
            plan.setdefault("level", number)
            plan.setdefault("sound", stage)
            levels.append(plan)
    return levels
