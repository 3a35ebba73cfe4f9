#!/usr/bin/env python3
"""Writes AnimalSpawns.dat and the competition start points of the eight towns.

The map knowledge below (the mainland's outline, town centres, districts and which animals live
in each district) is what a modder reads off the game's map, by eye: the places are approximate.
Locations of animals that a competition may be about (rarity 0) are laid on a hexagonal pattern
of sites spaced so that from almost anywhere outside towns one of them lies 250 to 650 m away;
each site is also a start point of its nearest town, so that a competition drawn there finds a
camp spot within 100 m (in the horizontal plane: a place has no height). Rarer animals are
scattered through the districts they live in.

The third value of a place is its radius: how far round it the animal roams and is put down, by
the animal's kind (RADIUS below): small game keeps to a small patch, large game ranges wide.

Usage: gen_animal_spawns.py OUT_DAT > start_points.txt   (Python 3 standard library only)
Exits 1 when a competition place has no camp spot within 100 m.
"""
import math
import random
import sys

# The same outline as the simulated game's land (sim/world/terrain.cpp).
MAINLAND = [(-6400, 2200), (-2500, 2800), (1500, 2800), (3400, 2300), (3600, 400), (3300, -1000),
            (2900, -1800), (1500, -2000), (600, -2100), (-1300, -3300), (-2200, -4200),
            (-5200, -4200), (-6400, -3900), (-6500, -1600)]

# Town records: centre used by the nearest-town search, and the town's extent on the map.
TOWNS = {  # name: (record centre, zone centre, zone radius, start points, given rows)
    "Valentine": ((-284.0, 788.0), (-283.0, 724.0), 180.0, 46,
                  [(-145.367, 256.394, 97.4866), (-661.155, 273.297, 90.8841)]),
    "Rhodes": ((1296.0, -1300.0), (1297.0, -1290.0), 170.0, 27, []),
    "Saint Denis": ((2600.0, -1250.0), (2556.0, -1217.0), 420.0, 7,
                    [(1833.76, -1070.07, 40.7458), (1749.88, -920.909, 40.036)]),
    "Blackwater": ((-805.0, -1300.0), (-813.0, -1324.0), 200.0, 21,
                   [(-999.56, -1740.29, 73.6095), (-2187.83, -1563.26, 150.772)]),
    "Armadillo": ((-3690.0, -2615.0), (-3660.0, -2611.0), 150.0, 25, []),
    "Tumbleweed": ((-5505.0, -2950.0), (-5497.0, -2944.0), 150.0, 21, []),
    "Annesburg": ((2930.0, 1320.0), (2930.0, 1340.0), 170.0, 27, []),
    "Strawberry": ((-1790.0, -410.0), (-1772.0, -394.0), 150.0, 31, []),
}
# The heights of the town records' centres (src/world/towns.cpp).
CENTRE_Z = {"Valentine": 118.3, "Rhodes": 77.0, "Saint Denis": 52.0, "Blackwater": 43.5,
            "Armadillo": -13.5, "Tumbleweed": -1.8, "Annesburg": 44.5, "Strawberry": 155.5}
# Valentine's grizzlies points, the first two given; all six only when the mountains are on.
GRIZZLIES_GIVEN = [(-1068.52, 2176.55, 356.601), (-967.042, 2181.84, 339.871)]
GRIZZLIES_COUNT = 6

DISTRICTS = [("Heartlands", -100, 500), ("Heartlands", 1000, 500), ("Cumberland", 450, 1300),
             ("Grizzlies East", 900, 2300), ("Grizzlies West", -1300, 2000),
             ("Roanoke", 2500, 1300), ("Scarlett Meadows", 1100, -900),
             ("Bluewater Marsh", 1900, -200), ("Bayou Nwa", 2300, -1000),
             ("Big Valley", -1800, 0), ("Tall Trees", -2300, -1100),
             ("Great Plains", -900, -1700), ("Hennigans Stead", -2600, -2700),
             ("Cholla Springs", -3700, -2300), ("Gaptooth Ridge", -5400, -2500),
             ("Rio Bravo", -4700, -3300), ("Diez Coronas", -3000, -3900),
             ("Perdido", -5600, -3800), ("Punta Orgullo", -4300, -4000)]

NEW_AUSTIN = ["Hennigans Stead", "Cholla Springs", "Gaptooth Ridge", "Rio Bravo", "Diez Coronas",
              "Perdido", "Punta Orgullo"]
# model: (rarity, texture, districts it lives in)
ANIMALS = [
    ("a_c_alligator_01", 1, "animal_alligator", ["Bayou Nwa", "Bluewater Marsh"]),
    ("a_c_bear_01", 2, "animal_bear", ["Roanoke", "Big Valley", "Grizzlies West",
                                       "Grizzlies East", "Cumberland", "Tall Trees"]),
    ("a_c_buck_01", 0, "animal_buck", ["Big Valley", "Cumberland", "Roanoke", "Tall Trees",
                                       "Scarlett Meadows", "Heartlands"]),
    ("a_c_cougar_01", 2, "animal_cougar", ["Big Valley", "Tall Trees", "Gaptooth Ridge",
                                           "Rio Bravo", "Cumberland"]),
    ("a_c_bull_01", 1, "animal_bull", ["Heartlands", "Hennigans Stead", "Scarlett Meadows"]),
    ("a_c_moose_01", 1, "animal_moose", ["Roanoke", "Grizzlies West", "Grizzlies East"]),
    ("a_c_panther_01", 3, "animal_panther", ["Bayou Nwa", "Tall Trees"]),
    ("a_c_boar_01", 0, "animal_boar", ["Bayou Nwa", "Bluewater Marsh", "Scarlett Meadows"]),
    ("a_c_coyote_01", 0, "animal_coyote", ["Heartlands", "Great Plains", "Scarlett Meadows",
                                           "Big Valley"] + NEW_AUSTIN),
    ("a_c_duck_01", 0, "animal_duck", ["Bayou Nwa", "Bluewater Marsh"]),
    ("a_c_goosecanada_01", 0, "animal_goose_canada", ["Bluewater Marsh", "Heartlands"]),
    ("a_c_pronghorn_01", 0, "animal_pronghorn", ["Heartlands", "Great Plains", "Hennigans Stead",
                                                 "Cholla Springs"]),
    ("a_c_rabbit_01", 0, "animal_rabbit", ["Heartlands", "Great Plains", "Hennigans Stead",
                                           "Cholla Springs", "Rio Bravo", "Scarlett Meadows",
                                           "Big Valley", "Cumberland", "Roanoke", "Tall Trees",
                                           "Perdido"]),
    ("a_c_bighornram_01", 0, "animal_bighorn_ram", ["Grizzlies East", "Grizzlies West",
                                                    "Gaptooth Ridge"]),
]
# Metres an animal of that kind roams round its place (at least 50).
RADIUS = {
    "a_c_rabbit_01": 50, "a_c_duck_01": 50, "a_c_goosecanada_01": 60, "a_c_boar_01": 80,
    "a_c_coyote_01": 100, "a_c_buck_01": 120, "a_c_pronghorn_01": 120, "a_c_bighornram_01": 120,
    "a_c_panther_01": 130, "a_c_cougar_01": 150, "a_c_alligator_01": 150, "a_c_bull_01": 150,
    "a_c_bear_01": 200, "a_c_moose_01": 200,
}
CAMP_REACH = 100.0

# Lakes and rivers: waterfowl live on their shores whatever the district.
WATERS = [(-300, -750, 500), (-2300, 650, 300), (1700, 1300, 300), (-1200, 2150, 250),
          (700, -300, 350)]

SPACING = 560.0
CLUSTER = 70.0  # how far a site's locations lie from its start point


def on_mainland(x, y):
    inside = False
    n = len(MAINLAND)
    j = n - 1
    for i in range(n):
        xi, yi = MAINLAND[i]
        xj, yj = MAINLAND[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def district(x, y):
    if not on_mainland(x, y):
        return None
    return min(DISTRICTS, key=lambda d: math.hypot(x - d[1], y - d[2]))[0]


def ground(x, y):
    base = 60.0 + 0.04 * (y + 1000.0)
    hills = 25.0 * math.sin(x / 640.0) * math.cos(y / 510.0)
    rolls = 6.0 * math.sin((x - y) / 137.0)
    return base + hills + rolls


def nearest_town(x, y):
    # As the plug-in searches: straight from the town record's centre, height and all, to the
    # place, which has none.
    return min(TOWNS, key=lambda t: math.sqrt((x - TOWNS[t][0][0]) ** 2 +
                                              (y - TOWNS[t][0][1]) ** 2 + CENTRE_Z[t] ** 2))


def in_town(x, y, margin=0.0):
    return any(math.hypot(x - t[1][0], y - t[1][1]) <= t[2] + margin for t in TOWNS.values())


def lives_at(animal, x, y):
    d = district(x, y)
    if d is None:
        return False
    if animal[0] in ("a_c_duck_01", "a_c_goosecanada_01"):
        if any(math.hypot(x - wx, y - wy) <= r for wx, wy, r in WATERS):
            return True
    return d in animal[3]


def lattice(spacing, offset=(0.0, 0.0)):
    points = []
    row = 0
    y = -4300.0 + offset[1]
    while y <= 3400.0:
        x = -7000.0 + offset[0] + (spacing / 2 if row % 2 else 0.0)
        while x <= 3600.0:
            # A steady wobble off the pattern, so that sites do not sit on round numbers.
            jx = x + 45.0 * math.sin(x * 0.0137 + y * 0.0071)
            jy = y + 45.0 * math.cos(x * 0.0093 - y * 0.0119)
            if on_mainland(jx, jy) and not in_town(jx, jy, 120.0) and district(jx, jy):
                points.append((jx, jy))
            x += spacing
        y += spacing * math.sqrt(3) / 2
        row += 1
    return points


def spread(chosen, candidates, count):
    """Adds up to count candidates, each time the one farthest from every chosen site."""
    added = []
    pool = list(candidates)
    while pool and len(added) < count:
        best = max(pool, key=lambda p: min((math.hypot(p[0] - c[0], p[1] - c[1])
                                            for c in chosen + added), default=1e9))
        added.append(best)
        pool.remove(best)
    return added


def main():
    rng = random.Random(1899)
    out = sys.argv[1]
    sites = {t: [] for t in TOWNS}
    for t, (_, _, _, _, given) in TOWNS.items():
        for g in given:
            if nearest_town(g[0], g[1]) == t:
                sites[t].append((g[0], g[1]))
    sites["Valentine"] += [(g[0], g[1]) for g in GRIZZLIES_GIVEN]
    # The grizzlies' own sites (only these may lie in the grizzlies' districts).
    grizzlies = lambda p: district(*p) in ("Grizzlies West", "Grizzlies East") and \
        nearest_town(*p) == "Valentine"

    base = lattice(SPACING)
    dense = lattice(SPACING, (SPACING / 2, SPACING * math.sqrt(3) / 6))
    points = {}
    for t, record in TOWNS.items():
        fixed = len(record[4])
        budget = record[3] - fixed - (GRIZZLIES_COUNT if t == "Valentine" else 0)
        own = [p for p in base if nearest_town(*p) == t]
        extra = [p for p in dense if nearest_town(*p) == t]
        if t == "Valentine":
            g_cand = [p for p in own + extra if grizzlies(p)]
            g_sites = spread(sites[t], g_cand, GRIZZLIES_COUNT - len(GRIZZLIES_GIVEN))
            own = [p for p in own if not grizzlies(p)]
            extra = [p for p in extra if not grizzlies(p)]
        chosen = spread(sites[t], own, budget)
        if len(chosen) < budget:
            chosen += spread(sites[t] + chosen, extra, budget - len(chosen))
        if len(chosen) < budget:
            fine = [p for p in lattice(SPACING / 3, (31.0, 17.0))
                    if nearest_town(*p) == t and not grizzlies(p)]
            chosen += spread(sites[t] + chosen, fine, budget - len(chosen))
        if t == "Valentine":
            sites[t] = sites[t][:2] + chosen + sites[t][2:] + g_sites
        else:
            sites[t] += chosen
        given = record[4]
        rows = [g for g in given]
        free = [p for p in sites[t] if all(math.hypot(p[0] - g[0], p[1] - g[1]) > 1 for g in
                                           given + GRIZZLIES_GIVEN)]
        rows_free = [(round(p[0], 2), round(p[1], 2), round(ground(*p), 2)) for p in free]
        if t == "Valentine":
            normal = rows + rows_free[:len(rows_free) - (GRIZZLIES_COUNT - 2)]
            gr = GRIZZLIES_GIVEN + rows_free[len(rows_free) - (GRIZZLIES_COUNT - 2):]
            points[t] = (normal, gr)
        else:
            points[t] = (rows + rows_free, [])

    # Locations: every site hosts each competition animal that lives there.
    locations = {a[0]: [] for a in ANIMALS}
    for t, (normal, gr) in points.items():
        for p in normal + gr:
            if nearest_town(p[0], p[1]) != t:
                continue
            for a in ANIMALS:
                if a[1] != 0:
                    continue
                for _ in range(20):
                    ang = rng.uniform(0, 2 * math.pi)
                    r = rng.uniform(15.0, CLUSTER)
                    x, y = p[0] + r * math.cos(ang), p[1] + r * math.sin(ang)
                    if lives_at(a, x, y) and nearest_town(x, y) == t and not in_town(x, y, 60):
                        locations[a[0]].append((x, y))
                        break
    # Rarer animals: scattered through their districts, away from towns.
    for a in ANIMALS:
        if a[1] == 0:
            continue
        cand = [p for p in lattice(SPACING * 1.3, (97.0, 53.0)) if lives_at(a, *p)]
        rng.shuffle(cand)
        locations[a[0]] += cand[:18]

    with open(out, "w", newline="\n") as f:
        f.write("format_version=1\n")
        for model, rarity, texture, _ in ANIMALS:
            locs = locations[model]
            f.write("%s.count=%d\n" % (model, len(locs)))
            for i, (x, y) in enumerate(locs):
                f.write("%s.%d=%.2f,%.2f,%d\n" % (model, i, x, y, RADIUS[model]))
            f.write("%s.rarity_level=%d\n" % (model, rarity))
            f.write("%s.texture=%s\n" % (model, texture))

    for t, (normal, gr) in points.items():
        print("%s %d + %d" % (t, len(normal), len(gr)))
        for p in normal:
            print("  {%sf, %sf, %sf}," % tuple(repr(float(v)) for v in p))
        print("  grizzlies:")
        for p in gr:
            print("  {%sf, %sf, %sf}," % tuple(repr(float(v)) for v in p))
    zero = [p for a in ANIMALS if a[1] == 0 for p in locations[a[0]]]
    far = [p for p in zero
           if min(math.hypot(p[0] - s[0], p[1] - s[1]) for s in sum(points[nearest_town(*p)], []))
           > CAMP_REACH]
    for p in far:
        print("no camp spot within %d m of %.2f,%.2f" % (CAMP_REACH, p[0], p[1]), file=sys.stderr)
    total = covered = 0
    grid = [(x, y) for x in range(-7000, 3601, 100) for y in range(-4300, 3401, 100)]
    for p in grid:
        if not on_mainland(*p) or in_town(*p):
            continue
        total += 1
        if any(250.0 < math.hypot(p[0] - q[0], p[1] - q[1]) <= 650.0 for q in zero):
            covered += 1
    print("coverage: %.1f%% of %d points" % (100.0 * covered / total, total), file=sys.stderr)
    print("locations:", sum(len(v) for v in locations.values()),
          {m: len(v) for m, v in locations.items()}, file=sys.stderr)
    if far:
        sys.exit(1)


if __name__ == "__main__":
    main()
