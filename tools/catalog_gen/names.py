"""Name texts: plain ASCII, at most 12 characters, and their compressed form (what a search
compares: upper case, no spaces)."""
import re
import unicodedata

WIDTH = 12
MARKED_WIDTH = 10  # name 1 of a Best-of object leaves columns 11-12 to the marker

# Word abbreviations tried, in order, before a long name is cut at a word boundary.
ABBREVIATIONS = (
    ("Nebula", "Neb."), ("Galaxy", "Gal."), ("Cluster", "Cl."), ("Australis", "Aus."),
    ("Borealis", "Bor."), ("Globular", "Glob."), ("Planetary", "Pl."), ("Association", "Assoc."),
)


def ascii_text(text):
    """Diacritics dropped, typographic quotes made plain, "&" and "^" (the Best-of markers)
    replaced: a name must hold neither."""
    text = text.replace("\u2019", "'").replace("\u2018", "'").replace("&", "+").replace("^", "")
    folded = unicodedata.normalize("NFKD", text)
    return "".join(ch for ch in folded if ord(ch) < 128 and not unicodedata.combining(ch)).strip()


def compressed(name):
    """The name as a search sees it: upper case, no spaces, no Best-of markers."""
    return name.upper().replace(" ", "").replace("&", "").replace("^", "")


def shorten(name, width=WIDTH):
    """A name that fits `width` columns: unchanged when it fits; otherwise with common words
    abbreviated, then without a leading "The"/"Great", then with its last word cut to three
    letters ("Omega Cen"), then cut after its last whole word; a single long word is cut. Returns "" for an empty name."""
    name = re.sub(r"\s+", " ", ascii_text(name))
    if len(name) <= width:
        return name
    for word, short in ABBREVIATIONS:
        name = re.sub(rf"\b{word}\b", short, name)
        if len(name) <= width:
            return name
    for lead in ("The ", "Great "):
        if name.startswith(lead) and len(name) - len(lead) <= width:
            return name[len(lead):]
    words = name.split(" ")
    if len(words) > 1 and len(words[-1]) > 3:
        short = " ".join(words[:-1] + [words[-1][:3]])
        if len(short) <= width:
            return short
    cut = name[:width + 1].rsplit(" ", 1)[0].rstrip(" ,.-+")
    if 4 <= len(cut) <= width:
        return cut
    return name[:width]
