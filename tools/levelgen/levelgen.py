#!/usr/bin/env python3
# levelgen.py: lays out the quest's level files from the shapes in levels.py and writes them.
# Run from the repository root:
#   python3 tools/levelgen/levelgen.py                      writes every level in levels.py
#   python3 tools/levelgen/levelgen.py 3-04 5               writes stage 3 level 4 and all of stage 5
#   python3 tools/levelgen/levelgen.py --check              only checks the layouts, writes nothing
#   python3 tools/levelgen/levelgen.py --tune DIR 3-04      also finds the deck length that gives the
#                                                           level its aimed share of winnable deals,
#                                                           with DIR a copy of the built game
#                                                           whose data/magics.dat is this tree's
# Every layout is checked before it is written: cards inside the table area, no two cards that look
# as if they overlap without the game counting it, and a table that can be cleared at all (the
# hammer reachable before the rocks, the ice before the snow), whatever the ranks.
import argparse
import math
import os
import random
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import levels  # noqa: E402

CARD_W, CARD_H = 96, 140
REACH = 150  # the game tests overlap only for centres closer than this
MARGIN = 8  # an overlap thinner than this on either side is too close to call by eye
AREA = (58, 966, 195, 525)  # card centres stay inside x0, x1, y0, y1
HAMMER = 105
FLOORS = {1: 90, 2: 80, 3: 70, 4: 65, 5: 55, 6: 50, 7: 40, 8: 35}
LEVELS_DIR = "content/data/levels"
DECKS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "decks.txt")


def read_decks():
    """The deck length of every level, as the solver found it: lines of "STAGE-LEVEL LENGTH"."""
    decks = {}
    if os.path.exists(DECKS):
        with open(DECKS, encoding="utf-8") as f:
            for text in f:
                parts = text.split("#")[0].split()
                if len(parts) == 2:
                    decks[parts[0]] = int(parts[1])
    return decks


def write_decks(decks):
    with open(DECKS, "w", encoding="utf-8") as f:
        f.write("# Deck length per level (STAGE-LEVEL LENGTH), found by levelgen.py --tune.\n")
        for key in sorted(decks, key=lambda k: tuple(int(p) for p in k.split("-"))):
            f.write("%s %d\n" % (key, decks[key]))


def key_of(plan):
    return "%d-%02d" % (plan["stage"], plan["level"])


def level_path(stage, level):
    return os.path.join(LEVELS_DIR, "stage-%02d" % stage, "level-%02d.lvl" % level)


def overlaps(a, b):
    dx = abs(int(a["x"]) - int(b["x"]))
    dy = abs(int(a["y"]) - int(b["y"]))
    return dx < CARD_W and dy < CARD_H and math.hypot(dx, dy) < REACH


def layout_faults(cards):
    """What is wrong with a layout, as lines of text (none when it is sound)."""
    faults = []
    x0, x1, y0, y1 = AREA
    for i, c in enumerate(cards):
        if not (x0 <= c["x"] <= x1 and y0 <= c["y"] <= y1):
            faults.append("card %d at (%g, %g) lies outside the table" % (i + 1, c["x"], c["y"]))
    for i in range(len(cards)):
        for j in range(i + 1, len(cards)):
            a, b = cards[i], cards[j]
            dx = abs(int(a["x"]) - int(b["x"]))
            dy = abs(int(a["y"]) - int(b["y"]))
            if dx < CARD_W and dy < CARD_H:
                dist = math.hypot(dx, dy)
                if dist >= REACH - 2:
                    faults.append("cards %d and %d touch but lie %.0f px apart" % (i + 1, j + 1, dist))
                elif CARD_W - dx < MARGIN or CARD_H - dy < MARGIN:
                    faults.append("cards %d and %d barely touch" % (i + 1, j + 1))
                if dx < 4 and dy < 4:
                    faults.append("cards %d and %d lie on the same place" % (i + 1, j + 1))
    hammers = [i for i, c in enumerate(cards) if c.get("id") == HAMMER]
    rocks = [i for i, c in enumerate(cards) if c.get("rocks")]
    if rocks and not hammers:
        faults.append("rocks without the hammer")
    for h in hammers:
        above = [j for j in range(h + 1, len(cards)) if overlaps(cards[h], cards[j])]
        if not above:
            faults.append("the hammer lies free")
        if any(cards[j].get("rocks") for j in above):
            faults.append("the hammer lies under rocks")
    left = clearing_order(cards)
    if left:
        faults.append("the table cannot be cleared: cards %s stay" % ", ".join(str(i + 1) for i in left))
    return faults


def clearing_order(cards):
    """Clears the table by its obstacles alone; returns the cards that can never leave."""
    on = set(range(len(cards)))
    ice_cards = [c["x"] for c in cards if c.get("ice")]
    line = max(ice_cards) if ice_cards else 1500
    snow = {i for i, c in enumerate(cards) if c["x"] > line and not c.get("rocks") and not c.get("ice")}
    above = {i: [j for j in range(i + 1, len(cards)) if overlaps(cards[i], cards[j])] for i in on}
    progress = True
    while progress and on:
        progress = False
        rocks_open = not any(cards[i].get("id") == HAMMER for i in on)
        ice_left = any(cards[i].get("ice") for i in on)
        for i in sorted(on):
            if any(j in on for j in above[i]):
                continue
            c = cards[i]
            if c.get("rocks") and not rocks_open:
                continue
            if i in snow and ice_left:
                continue
            on.discard(i)
            progress = True
    return sorted(on)


def rank_of(card_id):
    return (card_id - 1) % 13 + 1


def deal_ids(plan):
    """The identities of the file: table cards and deck drawn from one pack, the rest left out."""
    rng = random.Random(plan["stage"] * 1000 + plan["level"] * 10 + plan.get("variant", 0))
    pack = list(range(1, 53))
    rng.shuffle(pack)
    cards = plan["cards"]
    swords = plan.get("swords", 0)
    normals = sum(1 for c in cards if c.get("id") != HAMMER)
    table = pack[:normals]
    rest = pack[normals:]
    deck = rest[: plan["deck"]]
    ids = []
    k = 0
    for c in cards:
        if c.get("id") == HAMMER:
            ids.append(HAMMER)
        else:
            ids.append(table[k])
            k += 1
    # Swords take the places of the first table cards of distinct ranks; the quest's table shuffle
    # then carries them anywhere.
    ranks_done = set()
    for i, card_id in enumerate(ids):
        if swords == 0:
            break
        if card_id == HAMMER:
            continue
        r = rank_of(card_id)
        if r in ranks_done:
            continue
        ranks_done.add(r)
        ids[i] = 200 + (14 if r == 1 else r)
        swords -= 1
    return ids, deck


def level_text(plan):
    ids, deck = deal_ids(plan)
    cards = plan["cards"]
    out = []
    w = out.append
    w("level {")
    w("")
    w("\tdata {")
    w("\t\tdeckDim = 460, 685")
    w("\t\tnumerRewersu = %d" % plan["back"])
    w("\t\tbackground = 1")
    w("\t\tscore = 0")
    w("\t\tsoundId = %d" % plan["sound"])
    w("\t\tdriveN = 0")
    w("\t\tdriveMN = 1")
    w("\t\tallCardsCount = 0")
    w("\t\tallColumnsCount = 0")
    w("\t\tnewRecord = 0")
    w("\t\tpomWaterX = 0")
    w("\t\tlongestDrive = 0")
    w("\t}")
    w("")
    w("\tspecs {")
    w("\t\tutrudnienie1 = 0")
    w("\t\tutrudnienie2 = 0")
    w("\t}")
    w("")
    w("\tdeck {")
    w("\t\ti = %d" % len(deck))
    for k, d in enumerate(deck, 1):
        w("\t\tdeckCard%d = %d" % (k, d))
    w("\t}")
    w("")
    w("\tcards {")
    w("\t\ti = %d" % len(cards))
    for k, (c, card_id) in enumerate(zip(cards, ids), 1):
        w("\t\tcard%d {" % k)
        w("\t\t\tid = %d" % card_id)
        w("\t\t\tdim = %s, %s" % (num(c["x"]), num(c["y"])))
        w("\t\t\tforceSide = %d" % (1 if c.get("force") else 0))
        w("\t\t\tutrudnienie1 = %d" % (1 if c.get("rocks") else 0))
        w("\t\t\tutrudnienie2 = %d" % (1 if c.get("ice") else 0))
        w("\t\t\tutrudnienie3 = 0")
        w("\t\t}")
        w("")
    w("\t}")
    w("")
    w("\tspot {")
    w("\t\ti = 0")
    w("\t}")
    coins = coins_of(cards) if plan.get("coins") else None
    if coins:
        w("")
        w("\tresources {")
        w("\t\ti = %d" % len(coins))
        for k, (kind, amount) in enumerate(coins, 1):
            w("\t\tres%d {" % k)
            w("\t\t\tid = %d" % kind)
            w("\t\t\tammount = %d" % amount)
            w("\t\t}")
        w("\t}")
    w("")
    w("}")
    return "\n".join(out) + "\n"


def coins_of(cards):
    """A coin under every column card, the richer the more cards lie on it: (type, amount) per
    column card in stacking order."""
    n = len(cards)
    over = {i: [j for j in range(i + 1, n) if overlaps(cards[i], cards[j])] for i in range(n)}
    coins = []
    for i in range(n):
        if any(overlaps(cards[i], cards[j]) for j in range(i)):
            continue
        pile, todo = set(), list(over[i])
        while todo:
            j = todo.pop()
            if j not in pile:
                pile.add(j)
                todo += over[j]
        amount = 10 + 5 * len(pile)
        kind = 4 if len(pile) >= 8 else 1 + len(coins) % 3
        coins.append((kind, min(amount, 80)))
    return coins


def num(v):
    v = round(v, 1)
    return str(int(v)) if v == int(v) else str(v)


def column_count(cards):
    return sum(1 for i, c in enumerate(cards) if not any(overlaps(c, cards[j]) for j in range(i)))


def share(game_dir, path, deals=200):
    """The share of winnable deals of a level over `deals` seeds from 1 (in per cent), how many
    of the first hundred can be cleared, and how many the solver could not decide."""
    run = subprocess.run(
        ["./eldmere", "--solve", os.path.abspath(path), "--seed", "1", "--deals", str(deals)],
        cwd=game_dir,
        capture_output=True,
        text=True,
        check=False,
    )
    if run.stderr.strip():
        print(run.stderr.strip(), file=sys.stderr)
    unknown = run.stdout.count("winnable unknown")
    m = re.search(r"deals (\d+) winnable (\d+) share", run.stdout)
    if not m:
        raise SystemExit("no summary from the solver for " + path)
    wins = int(m.group(2))
    first = sum(
        1
        for text in run.stdout.splitlines()
        if " winnable yes " in text and int(re.search(r"seed (\d+)", text).group(1)) <= 100
    )
    return 100.0 * wins / deals, first, unknown


def aim_of(plan):
    floor = FLOORS[plan["stage"]]
    # The first level of a stage lies well above the floor, the last close to it.
    return plan.get("aim", min(floor + 18 - (plan["level"] - 1), 97))


def tune(game_dir, plan):
    """Finds the deck length whose share lies closest to the level's aim without falling under
    its floor (over 200 deals, and over the first 100)."""
    floor = FLOORS[plan["stage"]]
    aim = aim_of(plan)
    normals = sum(1 for c in plan["cards"] if c.get("id") != HAMMER)
    lo, hi = 8, 52 - normals
    path = level_path(plan["stage"], plan["level"])
    tried = {}

    def measure(d, deals=200):
        if (d, deals) not in tried:
            plan["deck"] = d
            write(plan)
            tried[(d, deals)] = share(game_dir, path, deals)
            print("   deck %d over %d deals: %.1f %% (first 100: %d), unknown %d" % ((d, deals) + tried[(d, deals)]))
        return tried[(d, deals)]

    # The share grows with the deck: halve the range towards the aim over a few deals, then look
    # closely around the length found.
    while lo < hi:
        mid = (lo + hi) // 2
        if measure(mid, 60)[0] < aim:
            lo = mid + 1
        else:
            hi = mid
    def fits(d):
        s, first, _ = measure(d)
        return s >= floor + 3 and first >= floor + 2

    # The first length that fits and lies near the aim is taken; else its neighbours are tried.
    best = None
    for d in (lo, lo + 1, lo - 1, lo + 2):
        if 8 <= d <= 52 - normals and fits(d):
            if best is None or abs(tried[(d, 200)][0] - aim) < abs(tried[(best, 200)][0] - aim):
                best = d
            if abs(tried[(best, 200)][0] - aim) <= 6:
                break
    if best is None:
        best = 52 - normals
        print("   UNDER THE FLOOR even with the longest deck")
    plan["deck"] = best
    write(plan)
    return best, measure(best)


def write(plan):
    path = level_path(plan["stage"], plan["level"])
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(level_text(plan))


def wanted(plan, picks):
    if not picks:
        return True
    for p in picks:
        if "-" in p:
            s, l = p.split("-")
            if int(s) == plan["stage"] and int(l) == plan["level"]:
                return True
        elif int(p) == plan["stage"]:
            return True
    return False


def main():
    ap = argparse.ArgumentParser(description="Lays out the quest's level files.")
    ap.add_argument("picks", nargs="*", help="STAGE or STAGE-LEVEL (all when none)")
    ap.add_argument("--check", action="store_true", help="check the layouts, write nothing")
    ap.add_argument("--tune", metavar="GAME_DIR", help="find each deck length with the solver")
    args = ap.parse_args()
    bad = 0
    decks = read_decks()
    for plan in levels.all_levels():
        plan["deck"] = decks.get(key_of(plan), plan.get("deck", 24))
        if not wanted(plan, args.picks):
            continue
        name = "stage %d level %d" % (plan["stage"], plan["level"])
        faults = layout_faults(plan["cards"])
        for f in faults:
            print("%s: %s" % (name, f))
        if faults:
            bad += 1
            continue
        info = "%d cards, %d columns, deck %d" % (len(plan["cards"]), column_count(plan["cards"]), plan["deck"])
        if args.check:
            print("%s: %s" % (name, info))
            continue
        if args.tune:
            print("%s: %d cards, aim %d %%" % (name, len(plan["cards"]), aim_of(plan)))
            d, (s, first, unknown) = tune(args.tune, plan)
            # Read again: another tuning run may have written other levels meanwhile.
            decks = read_decks()
            decks[key_of(plan)] = d
            write_decks(decks)
            print("%s: deck %d gives %.1f %% (first 100: %d), unknown %d" % (name, d, s, first, unknown))
        else:
            write(plan)
            print("%s: %s" % (name, info))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
