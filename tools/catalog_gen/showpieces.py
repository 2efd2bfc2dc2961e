"""Best of the Sky: the showpieces of a small telescope, in the order they are offered, and the
planet lines.

The first pass ("&^") offers the planets, then FIRST_PASS: every Messier object and the finest
objects beyond it, the best double stars and two carbon stars, the most striking first. The
second pass ("^^") offers SECOND_PASS. Objects are named by any of their identifiers; a name that
no object carries stops the generator. Stars named here as doubles are marked "Dbl" whatever
their catalogue pair says.
"""
from .names import compressed

# (planet number, name, minimum altitude in degrees, minimum apparent diameter in arcseconds)
PLANETS = (
    (1, "Mercury", 5, 5),
    (2, "Venus", 5, 10),
    (4, "Mars", 15, 6),
    (5, "Jupiter", 15, 30),
    (6, "Saturn", 15, 14),
    (7, "Uranus", 20, 3),
    (8, "Neptune", 20, 2),
)

FIRST_PASS = """
M42 M31 M45 M13 Albireo M57 Mizar NGC869 NGC884 M27 M8 M22 M11 M44 M51 M81 M82 M1 M17 Almach
M20 M16 M3 M5 M92 M15 M104 M33 Castor M35 M37 M36 M38 M41 M46 M47 M6 M7 M4 Eps1Lyr Algieba
NGC7009 NGC6543 NGC7662 NGC2392 NGC3242 NGC253 NGC5139 NGC104 NGC4565 NGC7293 YCVn RLep
M2 M10 M12 M14 M9 M19 M28 M30 M53 M54 M55 M56 M62 M68 M69 M70 M71 M72 M75 M79 M80 M107
M63 M64 M65 M66 M94 M95 M96 M97 M101 M106 M108 M109 M110 M32 M43 M49 M58 M59 M60 M61 M84
M85 M86 M87 M88 M89 M90 M91 M98 M99 M100 M105 M74 M76 M77 M78 M83 M18 M21 M23 M24 M25 M26
M29 M34 M39 M40 M48 M50 M52 M67 M73 M93 M103 CorCaroli BetMon DelCep SigOri Rasalgethi Izar
EtaCas 61Cyg Alp1Cen Acrab Porrima NGC457 NGC7789 NGC663 NGC6960 NGC6992 NGC3372 NGC4755
NGC5128 NGC2070 NGC6826 NGC2244 NGC752 NGC2362 NGC6231 NGC3532 NGC2516 NGC6397 NGC6752
"""

SECOND_PASS = """
NGC7331 NGC2403 NGC4631 NGC4656 NGC3628 NGC4449 NGC4490 NGC5907 NGC4244 NGC2903 NGC3115 NGC3521
NGC5866 NGC6946 NGC4038 NGC4559 NGC4725 NGC5195 NGC185 NGC147 NGC247 NGC55 NGC300 NGC1300
NGC1365 NGC1316 NGC1097 NGC2841 NGC2683 NGC2976 NGC3077 NGC3184 NGC4567 NGC4945 NGC5005 NGC6822
NGC891 NGC4361 NGC6210 NGC6572 NGC6818 NGC6369 NGC7027 NGC1535 NGC2438 NGC2440 NGC40 NGC246
NGC1514 NGC3132 NGC3918 NGC6302 NGC6781 IC418 IC3568 NGC6891 NGC129 NGC188 NGC225 NGC436 NGC559
NGC654 NGC1027 NGC1245 NGC1502 NGC1647 NGC1981 NGC2169 NGC2264 NGC2281 NGC2360 NGC2451 NGC2477
NGC2506 NGC2539 NGC6633 NGC6819 NGC6871 NGC6910 NGC6940 IC4665 IC4756 IC2391 IC2602 NGC3766
NGC2419 NGC6229 NGC6934 NGC7006 NGC6712 NGC288 NGC362 NGC1851 NGC4833 NGC6541 NGC7000 NGC1499
NGC2024 NGC1977 IC434 NGC2261 NGC6888 NGC7635 NGC281 IC1396 IC1805 IC1848 IC405 IC5146 NGC1333
NGC1435 NGC2359 NGC7023 NGC2237 Mesarthim IotCnc Zet2Aqr Nu1Dra 70Oph Gam2Del Alnitak Rigel
Antares XiBoo DelBoo Pi1Boo Zet2CrB Sheliak Zet1Lyr 31Cyg Psi1Dra Mu1Cyg 24Com Polaris IotCas
BetCep XiCep RhoHer 95Her DelGem AlpPsc ZetPsc The1Ser 54Leo XCnc UHya WOri TXPsc UUAur VAql
"""

# Stars that the passes above name as doubles.
SHOWPIECE_DOUBLES = """
Albireo Mizar Almach Castor Eps1Lyr Algieba CorCaroli BetMon DelCep SigOri Rasalgethi Izar
EtaCas 61Cyg Alp1Cen Acrab Porrima Mesarthim IotCnc Zet2Aqr Nu1Dra 70Oph Gam2Del Alnitak Rigel
Antares XiBoo DelBoo Pi1Boo Zet2CrB Sheliak Zet1Lyr 31Cyg Psi1Dra Mu1Cyg 24Com Polaris IotCas
BetCep XiCep RhoHer 95Her DelGem AlpPsc ZetPsc The1Ser 54Leo
"""


def names(block):
    return [compressed(word) for word in block.split()]


def resolve(block, index):
    """The entries named in `block`, in order; `index` maps compressed identifiers to entries."""
    missing = [name for name in names(block) if name not in index]
    if missing:
        raise ValueError(f"showpieces that no object carries: {' '.join(missing)}")
    return [index[name] for name in names(block)]
