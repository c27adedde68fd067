#!/usr/bin/env python3
"""Writes the bundled demonstration seasons (samples/Edato13.txt, Edato14.txt).

The results are invented: each team of 1a Division gets exactly the wins,
draws and losses of its real final table of that season (so the final points
are the real ones), and the two meetings of BARÇA and R.MAD keep their real
scores; every other score, the calendar and the whole 2a Division are made up
from a fixed random seed. The files are in the program's own layout.
"""
import random
import sys

FIRST = {
    "13": [  # name, wins, draws, losses of 2012/13
        ("BARÇA", 32, 4, 2), ("R.MAD", 26, 7, 5), ("ATLÉT", 23, 7, 8), ("R.SOC", 18, 12, 8),
        ("VALEN", 19, 8, 11), ("MÁLAG", 16, 9, 13), ("BETIS", 16, 8, 14), ("RAYO ", 16, 5, 17),
        ("SEVIL", 14, 8, 16), ("GETAF", 13, 8, 17), ("LEVAN", 12, 10, 16), ("ATHLE", 12, 9, 17),
        ("ESPAN", 11, 11, 16), ("VALLA", 11, 10, 17), ("GRANA", 11, 9, 18), ("OSASU", 10, 9, 19),
        ("CELTA", 10, 7, 21), ("MALLO", 9, 9, 20), ("DEPOR", 8, 11, 19), ("ZARAG", 9, 7, 22)],
    "14": [  # 2013/14
        ("ATLÉT", 28, 6, 4), ("BARÇA", 27, 6, 5), ("R.MAD", 27, 6, 5), ("ATHLE", 20, 10, 8),
        ("SEVIL", 18, 9, 11), ("VILLA", 17, 8, 13), ("R.SOC", 16, 11, 11), ("VALEN", 13, 10, 15),
        ("CELTA", 14, 7, 17), ("LEVAN", 12, 12, 14), ("MÁLAG", 12, 9, 17), ("RAYO ", 13, 4, 21),
        ("GETAF", 11, 9, 18), ("ESPAN", 11, 9, 18), ("GRANA", 12, 5, 21), ("ELCHE", 9, 13, 16),
        ("ALMER", 11, 7, 20), ("OSASU", 10, 9, 19), ("VALLA", 7, 15, 16), ("BETIS", 6, 7, 25)],
}
# Real scores of the two meetings: (home, away, home goals, away goals).
CLASICO = {
    "13": [("BARÇA", "R.MAD", 2, 2), ("R.MAD", "BARÇA", 2, 1)],
    "14": [("BARÇA", "R.MAD", 2, 1), ("R.MAD", "BARÇA", 3, 4)],
}
SECOND = {
    "13": ["ELCHE", "VILLA", "ALMER", "GIRON", "ALCOR", "LPALM", "PONFE", "BARÇB", "SPORT", "HÉRCU",
           "MIRAN", "MADRB", "NUMAN", "LUGO ", "CÓRDO", "RECRE", "MURCI", "GUADA", "SABAD", "XEREZ",
           "RACIN", "HUESC"],
    "14": ["EIBAR", "DEPOR", "LPALM", "CÓRDO", "SPORT", "MURCI", "RECRE", "GIRON", "ALCOR", "PONFE",
           "ZARAG", "BARÇB", "LUGO ", "MALLO", "NUMAN", "SABAD", "MIRAN", "TENER", "JAÉN ", "MADRB",
           "ALAVÉ", "HÉRCU"],
}


def calendar(n, rng):
    """First round of a double round-robin by the circle method: list of jornadas of (home, away)."""
    teams = list(range(1, n + 1))
    rng.shuffle(teams)
    rounds = []
    for r in range(n - 1):
        pairs = []
        for i in range(n // 2):
            a, b = teams[i], teams[n - 1 - i]
            pairs.append((a, b) if (r + i) % 2 == 0 else (b, a))
        rounds.append(pairs)
        teams = [teams[0]] + [teams[-1]] + teams[1:-1]
    return rounds


def fit_outcomes(table, fixed, rng):
    """Outcome 'H', 'D' or 'A' of every ordered pairing so that each team's W/D/L is its target:
    draws are spread first, then every other match is given a winner by a max-flow."""
    n = len(table)
    for attempt in range(200):
        out = dict(fixed)
        wins = [t[1] for t in table]
        draws = [t[2] for t in table]
        for (h, a), o in fixed.items():
            if o == "D":
                draws[h] -= 1
                draws[a] -= 1
            elif o == "H":
                wins[h] -= 1
            else:
                wins[a] -= 1
        free = [(h, a) for h in range(n) for a in range(n) if h != a and (h, a) not in fixed]
        rng.shuffle(free)
        ok = True
        # Draws: the teams with most draws still to place go first.
        for _ in range(sum(draws) // 2):
            need = sorted((t for t in range(n) if draws[t] > 0), key=lambda t: -draws[t] + rng.random())
            if not need:
                break
            t = need[0]
            partners = [p for p in free if t in p and draws[p[0] if p[1] == t else p[1]] > 0]
            if not partners:
                ok = False
                break
            p = max(partners, key=lambda p: draws[p[0] if p[1] == t else p[1]] + rng.random())
            out[p] = "D"
            free.remove(p)
            draws[p[0]] -= 1
            draws[p[1]] -= 1
        if not ok or any(draws):
            continue
        # Winners: source -> match (1) -> either team -> sink (its wins).
        winner = assign_winners(free, wins, n)
        if winner is None:
            continue
        for p, w in winner.items():
            out[p] = "H" if w == p[0] else "A"
        return out
    sys.exit("no fit")


def assign_winners(matches, wins, n):
    m = len(matches)
    size = m + n + 2
    source, sink = m + n, m + n + 1
    cap = [dict() for _ in range(size)]

    def edge(u, v, c):
        cap[u][v] = cap[u].get(v, 0) + c
        cap[v].setdefault(u, 0)

    for i, (h, a) in enumerate(matches):
        edge(source, i, 1)
        edge(i, m + h, 1)
        edge(i, m + a, 1)
    for t in range(n):
        if wins[t] < 0:
            return None
        edge(m + t, sink, wins[t])
    flow = 0
    while True:
        parent = {source: None}
        queue = [source]
        for u in queue:
            for v, c in cap[u].items():
                if c > 0 and v not in parent:
                    parent[v] = u
                    queue.append(v)
            if sink in parent:
                break
        if sink not in parent:
            break
        v = sink
        while parent[v] is not None:
            u = parent[v]
            cap[u][v] -= 1
            cap[v][u] += 1
            v = u
        flow += 1
    if flow != m:
        return None
    return {matches[i]: (matches[i][0] if cap[m + matches[i][0]].get(i, 0) > 0 else matches[i][1])
            for i in range(m)}


def score(outcome, rng):
    if outcome == "D":
        g = rng.choice([0, 0, 1, 1, 1, 2, 2, 3])
        return g, g
    win = rng.choice([1, 1, 2, 2, 2, 3, 3, 4, 5])
    lose = rng.randrange(0, win)
    return (win, lose) if outcome == "H" else (lose, win)


def random_outcomes(n, rng):
    return {(h, a): rng.choices("HDA", weights=[46, 28, 26])[0] for h in range(n) for a in range(n) if h != a}


def division_cells(n, outcomes, rounds, fixed_scores, rng):
    played_in = {}
    for j, pairs in enumerate(rounds, start=1):
        for h, a in pairs:
            played_in[(h - 1, a - 1)] = j
            played_in[(a - 1, h - 1)] = j + n - 1
    cells = ["...."] * 484
    for (h, a), o in outcomes.items():
        hg, ag = fixed_scores.get((h, a)) or score(o, rng)
        cells[h * 22 + a] = "%02d%d%d" % (played_in[(h, a)], hg, ag)
    return cells


def calendar_text(rounds):
    return "".join("%02d%02d" % p for pairs in rounds for p in pairs).ljust(924)


def season(digits):
    rng = random.Random(int(digits) * 7919)
    table = FIRST[digits]
    names = [t[0] for t in table]
    fixed_out, fixed_scores = {}, {}
    for home, away, hg, ag in CLASICO[digits]:
        key = (names.index(home), names.index(away))
        fixed_scores[key] = (hg, ag)
        fixed_out[key] = "H" if hg > ag else "D" if hg == ag else "A"
    first_rounds = calendar(20, rng)
    first = division_cells(20, fit_outcomes(table, fixed_out, rng), first_rounds, fixed_scores, rng)
    second_rounds = calendar(22, rng)
    second = division_cells(22, random_outcomes(22, rng), second_rounds, {}, rng)
    records = first + second
    records += names + ["     "] * 2 + SECOND[digits]
    records += ["3842", "2022"] + ["...."] * 22
    assert len(records) == 1036
    lines = ['"%s"' % r for r in records]
    lines.append('"%s","%s"' % (calendar_text(first_rounds), calendar_text(second_rounds)))
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "samples"
    for digits in ("13", "14"):
        with open("%s/Edato%s.txt" % (folder, digits), "wb") as f:
            f.write(season(digits))
