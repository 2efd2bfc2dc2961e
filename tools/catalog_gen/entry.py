"""One object of a catalog before it becomes a line: its identifiers in order of preference,
its type name, its constellation, its position and magnitude, and its Best-of marker.

Five names per line: names 1-3 (or 1-4 when the object has no type name) are identifiers,
name 4 is the type name the search wizard looks for, name 5 the constellation's 12-character
name. Identifiers that do not fit are dropped, least preferred first.
"""
from dataclasses import dataclass, field
from decimal import Decimal
from typing import List, Optional

from .line_format import format_line
from .names import MARKED_WIDTH, WIDTH


@dataclass
class Entry:
    key: str                      # the object's main designation: "M42", "NGC 7009", "HR 2491"
    kind: str                     # galaxy, open, globular, planetary, nebula, star, quasar, other, invalid
    ids: List[str]                # identifiers, most wanted first, each at most 12 characters
    type_name: Optional[str]      # "Galaxy", "Open Cluster", "Dbl Cyg", "CarbonStar", ...
    constellation: str            # "UrsaMajor", "CanesVenatic", ...
    ra: Decimal                   # hours, J2000
    dec: Decimal                  # degrees, J2000
    magnitude: Optional[Decimal]  # None: unknown (written as 99)
    marker: str = ""              # "&^" first Best-of pass, "^^" second, "" none
    messier: Optional[int] = None
    tags: set = field(default_factory=set)  # "double", "carbon", "open": what else the object is
    common: List[str] = field(default_factory=list)  # the common names among the identifiers

    def names(self):
        """The five names of the line, name 1 carrying the Best-of marker when there is one."""
        room = 4 if self.type_name is None else 3
        ids = unique(self.ids)
        if self.marker:
            short = [name for name in ids if len(name) <= MARKED_WIDTH]
            if not short:
                raise ValueError(f"{self.key}: no name fits beside the Best-of marker")
            ids.remove(short[0])
            ids.insert(0, short[0])
        ids = ids[:room]
        if any(len(name) > WIDTH for name in ids):
            raise ValueError(f"{self.key}: name longer than {WIDTH} characters in {ids}")
        names = ids + [""] * (room - len(ids))
        if self.type_name is not None:
            names.append(self.type_name)
        names.append(self.constellation)
        if self.marker:
            names[0] = names[0].ljust(MARKED_WIDTH) + self.marker
        return names

    def line(self, flag=" ", marked=True):
        entry = self if marked else Entry(**{**self.__dict__, "marker": ""})
        return format_line(entry.names(), self.ra, self.dec, self.magnitude, flag)


def unique(names):
    """The names without blanks and without repeats (compared without spaces and case)."""
    seen, result = set(), []
    for name in names:
        key = name.replace(" ", "").upper()
        if name and key not in seen:
            seen.add(key)
            result.append(name)
    return result
