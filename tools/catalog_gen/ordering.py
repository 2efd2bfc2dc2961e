"""The order of a catalog's lines. A search stops at the first line that matches, so the object
an observer most likely means must come first.

Each entry has a preference (a sort key: showpieces first, then by brightness, ...). On top of
it one rule holds for every identifier: a line whose identifier is exactly what a search typed
comes before the lines where that text is only the start of a longer identifier. "M1" must find
M1 before M13 and M101, "NGC 1" NGC 1 before M1 (NGC 1952), "HR 24" HR 24 before Sirius
(HR 2491). Such a line is pulled forward to just before the first line that needs it, so the
preferred order is otherwise kept.
"""
import heapq

from .names import compressed


def identifier_keys(entry):
    return {compressed(name) for name in entry.ids if name}


def must_precede(entries):
    """Pairs (i, j): entry i carries an identifier that is a proper prefix of one of entry j's."""
    owners = {}
    for index, entry in enumerate(entries):
        for key in identifier_keys(entry):
            owners.setdefault(key, []).append(index)
    pairs = set()
    for j, entry in enumerate(entries):
        for key in identifier_keys(entry):
            for length in range(1, len(key)):
                for i in owners.get(key[:length], ()):
                    if i != j:
                        pairs.add((i, j))
    return sorted(pairs)


def order(entries, preference):
    """The entries in catalog order: by `preference` (a key function), each line pulled before
    the lines that extend its identifiers. A cycle of such needs (none in the shipped data) is
    broken by preference."""
    base = [(preference(entry), index) for index, entry in enumerate(entries)]
    pairs = must_precede(entries)
    effective = list(base)
    changed = True
    while changed:
        changed = False
        for i, j in pairs:
            if effective[j] < effective[i]:
                effective[i] = effective[j]
                changed = True
    after = [[] for _ in entries]
    waiting = [0] * len(entries)
    for i, j in pairs:
        after[i].append(j)
        waiting[j] += 1
    ready = [(effective[i], base[i], i) for i in range(len(entries)) if waiting[i] == 0]
    heapq.heapify(ready)
    done, result = [False] * len(entries), []
    while len(result) < len(entries):
        if not ready:
            rest = min((effective[i], base[i], i) for i in range(len(entries)) if not done[i])
            heapq.heappush(ready, rest)
            waiting[rest[2]] = 0
        _, _, i = heapq.heappop(ready)
        if done[i]:
            continue
        done[i] = True
        result.append(entries[i])
        for j in after[i]:
            waiting[j] -= 1
            if waiting[j] == 0 and not done[j]:
                heapq.heappush(ready, (effective[j], base[j], j))
    return result
