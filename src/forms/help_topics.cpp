#include "forms/help_topics.h"

#include <array>

namespace talvo {

namespace {

constexpr std::array<HelpTopic, 55> kTopics{{
    {"Add (button)",
     "The Add button beside the object's name adds the current object to the current catalog. TALVO asks "
     "you to confirm, then writes a catalog line with the object's names, position and magnitude, the "
     "position converted to the epoch of that catalog. To start a catalog of your own, choose \"Create New "
     "Catalog\" in the catalog window (c Catalog): the file is created when the first object is added."},
    {"Altitude",
     "The altitude is the object's height above the horizon in degrees and minutes of arc: 0\xB0 on the "
     "horizon, 90\xB0 straight overhead, negative below the horizon. TALVO shows the apparent altitude, "
     "where you see the object, with atmospheric refraction included. It is recomputed a little more than "
     "once a second. To plan a night, \"r Trace Object\" tabulates the object's altitude and azimuth "
     "over the coming hours: give the number of hours (1-24) and the interval in minutes (1-60), and "
     "TALVO writes the table to traces.txt in its folder and opens it. The clock returns to where it "
     "was afterwards."},
    {"A.U.",
     "The astronomical unit (A.U. or AU) is the mean distance between the Earth and the Sun, about 149.6 "
     "million km (93 million miles); light crosses it in about 8 1/3 minutes. TALVO gives the distances of "
     "the Sun and the planets from the Earth in AU, and the Moon's distance in kilometres."},
    {"Asteroids",
     "Asteroids (minor planets) orbit the Sun and move against the stars from night to night, so no fixed "
     "catalog can hold their positions. An asteroid's positions come from a transient catalog, a file of "
     "its positions at successive times. Choose one with \"a Get Comet / Asteroid\": the main window then "
     "shows its position for the present moment and its angular distance from the Sun. See also Near-Earth "
     "Object and Transient Catalog."},
    {"Auxiliary Catalogs",
     "Besides the default catalog FULL.TLV, smaller catalogs of one kind of object are installed beside "
     "TALVO: MESSIER.TLV, BRIGHT.TLV (bright stars), DOUBLES.TLV, GALAXIES.TLV, GLOBULAR.TLV, "
     "OPENCLUS.TLV, NEBULAE.TLV, PLANNEB.TLV (planetary nebulae) and QUASARS.TLV. Choose one, or a "
     "catalog of your own, with \"c Catalog\"; its name is shown in the main window. A catalog's first "
     "line tells TALVO what kinds of object it holds, which decides the choices of the Search Wizard. "
     "Best of the Sky works only with the default catalog."},
    {"Azimuth",
     "The azimuth is the object's compass direction, measured along the horizon from north (0\xB0) through "
     "east (90\xB0), south (180\xB0) and west (270\xB0). While the object is above the horizon TALVO adds "
     "the compass point, for example (NNE) or (SW). With the altitude it tells you where to point an "
     "altazimuth mount."},
    {"Best of the Sky (button)",
     "\"b Best of the Sky\" suggests the finest sights for a small telescope that are well placed right "
     "now: first the showpieces of the default catalog, then a second list of fine objects. Objects are "
     "offered from 20\xB0 above the horizon; one that never climbs high at your latitude is offered once it "
     "reaches half its greatest height, and planets are included when they are high and large enough. Step "
     "through the suggestions with \"n Next Suggestion\" and back with \"p Previous\". The button works "
     "only with the default catalog FULL.TLV."},
    {"Catalog",
     "A catalog is a text file (extension .TLV) with one object per line: up to five names, the right "
     "ascension and declination with their epoch, and the magnitude. The default catalog FULL.TLV, "
     "installed with the program, holds more than 20,000 stars and deep-sky objects. \"c Catalog\" chooses "
     "another catalog in any folder, returns to the default one, or creates a new catalog of your own. The "
     "current catalog's name is shown at the top of the main window. When TALVO is installed for the whole "
     "computer, its own catalogs cannot be changed: adding an object to one of them first copies it to your "
     "folder ~/.local/share/talvo (or $XDG_DATA_HOME/talvo), and that copy is used from then on."},
    {"Catalog Search (Simple)",
     "\"/ Simple Search\" asks for a name and finds the first object of the current catalog that carries "
     "it, for example M31, crab, Mizar, NGC 7009, Gam Per, IC 434, 61 Cyg or HR 2491. Blanks and upper or "
     "lower case do not matter, and what you type matches every name that begins with it: M3 finds M3, "
     "M31, M33 and so on. The object is shown whether or not it is above the horizon. This version sets "
     "no default magnitude limit yet, so no object is skipped for being faint. \"n Next Match\" finds the "
     "next one."},
    {"Catalog Search (Wizard)",
     "\"w Search Wizard\" builds a search from a few choices. Pick a kind of object (open clusters, "
     "nebulae, galaxies, globular clusters, planetary nebulae, quasars, 'Best of Sky' doubles, any double, "
     "carbon stars, or one star by its Greek letter or number), then optionally one of the constellations "
     "that are above the horizon now, and change or erase the minimum and maximum altitude and the "
     "faintest magnitude. \"Search\" runs the search; \"n Next Match\" walks through what it found. The "
     "choices depend on the current catalog; with a catalog the wizard cannot use, type the names and "
     "limits into its boxes yourself (the detailed search). Listing the constellations clears the "
     "object shown until the search finds one."},
    {"Clipboard",
     "Double-click one of the object's names in the main window to copy that name to the clipboard. You "
     "can then paste it into another program, for example a planetarium program or a web search. This "
     "works for objects from a catalog."},
    {"Color",
     "The main window shows yellow text on deep red, which keeps your eyes adapted to the dark. Click the "
     "title TALVO at the top of the main window to switch to the second colour scheme, dark text on white "
     "for daytime use, and click it again to return to red; TALVO asks first. The scheme is saved with the "
     "other options in your home location file. While night vision is on the scheme cannot be changed, and "
     "with the white scheme the Night Vision box is hidden."},
    {"COM port",
     "A COM port is a serial port through which TALVO talks to a GoTo telescope or a GPS receiver; a "
     "USB-to-serial adapter provides one. Choose the ports in \"x Options\": \"Select COM Port for "
     "Telescope\" and \"Select COM Port for GPS\" try COM1 to COM64 and list those that can be opened, "
     "with their device and, when Linux knows it, what they are; click one to use it. On Linux, COM n is the "
     "device named by the environment variable TALVO_COM<n> when it is set; otherwise COM1 to COM16 are "
     "/dev/ttyUSB0 to /dev/ttyUSB15, COM17 to COM32 /dev/ttyACM0 to /dev/ttyACM15 and COM33 to COM64 "
     "/dev/ttyS0 to /dev/ttyS31. Your user account needs permission to use the device (usually membership "
     "of the group dialout)."},
    {"Comets",
     "Comets travel on long orbits around the Sun and move against the stars, so their positions come "
     "from transient catalogs: files of positions, one line per hour. Choose one with \"a Get Comet / "
     "Asteroid\"; an object whose type begins with \"Comet\" is shown as a comet. A designation such as "
     "C/2023 A3 is stored under a file name with \"-\" in "
     "place of \"/\". A comet's brightness is hard to predict, so take its magnitude as a guide only."},
    {"Date",
     "The date shown is the local date at your site: month-day-year for sites in the United States, "
     "day-month-year elsewhere. \"d Date\" sets another date (month, day, and a year from 1980 to 2199), "
     "for example to plan a session; TALVO then works in fictitious time, in which the set moment stands "
     "still until you change it. Cancel at the month question, or \"Back to Real Time\", returns to the "
     "computer's clock."},
    {"Daylight Savings Time",
     "TALVO takes the difference between local time and UTC, daylight saving time included, from the "
     "computer's time-zone setting, and reads it again whenever it returns to real time. The three letters "
     "after the time name the zone, for example EDT while daylight saving time is in force and EST "
     "otherwise. Keep the computer's time zone set for your site and TALVO follows the change between "
     "summer and winter time by itself."},
    {"Distance",
     "For the Sun and the planets TALVO shows the distance from the Earth in astronomical units (AU). For "
     "the Moon it shows the distance from your site in kilometres, which varies between about 356,000 and "
     "407,000 km; the Moon's size field also compares its apparent size with its average. Stars and "
     "deep-sky objects show no distance."},
    {"Elongation",
     "Elongation is the angle between an object and the Sun as seen from the Earth. For the Moon and the "
     "planets TALVO measures it along the ecliptic and adds \"Morning\" when the object is west of the Sun "
     "(seen before sunrise) or \"Evening\" when it is east of the Sun (seen after sunset). For a comet or "
     "asteroid it is the angular distance from the Sun. An object at a small elongation is lost in the "
     "Sun's glare."},
    {"Epoch of Object's Position",
     "Precession slowly changes celestial coordinates, so every position refers to an epoch, the year for "
     "which it is right; most catalogs use 2000. TALVO converts each position from its epoch to the epoch "
     "of date (the current year, or the next year from July on). In real time TALVO works in the fixed "
     "epoch of a GoTo telescope instead when the \"Use Epoch\" option of \"x Options\" is checked (2000 "
     "unless you click its label to choose another year from 1900 to 2200). "
     "The epoch used is shown in front of the right ascension in the main window."},
    {"Geocentric Positions",
     "A geocentric position is the direction of an object as it would be seen from the centre of the "
     "Earth. TALVO computes the Sun and the planets geocentrically: they are so far away that the "
     "difference from your own site does not matter. The Moon is near enough for the difference to reach "
     "about a degree, so TALVO computes it for your site; see Topocentric position."},
    {"GOTO (button)",
     "\"g GoTo\" sends your GoTo telescope to the current object, using the telescope type and COM port "
     "chosen in \"x Options\". The button shows while TALVO runs in real time and the object is at least "
     "1\xB0 above the horizon; the coordinates sent are those shown, in the epoch the telescope expects. "
     "Before a GoTo to the Sun TALVO asks whether a proper solar filter is in place: never look at the Sun "
     "without one. A Meade-family telescope that refuses the slew (an object below its horizon or limits) "
     "says why in the status line. A telescope that cannot be reached gives \"UNABLE TO OPEN COM\" and "
     "the port, with the reason on the next line: the device does not exist, you may not use it (join the "
     "group that owns it, usually dialout, then log in again), or another program holds it."},
    {"GOTO Scope Type",
     "Choose your telescope in \"x Options\" from a list, then OK; the number at the start of each entry "
     "is its type: 0 no GoTo telescope, 1 to 4 the command families of the supported GoTo controllers "
     "(the list names the models of each), and 5 a telescope driven by the sky-chart program, to which "
     "TALVO hands the GoTo. The main window shows the type and the COM ports chosen (\"Scope= 4, Com 3\"). "
     "For telescopes that do not allow for precession TALVO sets the \"Use J2000\" option."},
    {"GPS Device",
     "A hand-held GPS receiver that sends NMEA 0183 data at 4800 baud through a COM port will give TALVO "
     "your latitude and longitude, and the time. Loading them (its port chosen in \"x Options\", then \"l "
     "Load\" and \"Load From GPS Device\" in real time, with \"Load Time From GPS or Scope\" to set the "
     "computer's clock too) comes in a later version of TALVO. For now type your site with \"@ Latitude\" "
     "and \"# Longitude\"."},
    {"GPS Telescope",
     "A GoTo telescope that knows its site and time, for example one with a built-in GPS receiver, will "
     "hand them to TALVO through \"l Load\", and a telescope of type 4 will be given TALVO's site, date "
     "and time with \"Upload Location and Time to Scope\" in \"x Options\". Both come in a later version "
     "of TALVO. For now type your site with \"@ Latitude\" and \"# Longitude\"."},
    {"IC (Index Catalog) Object",
     "The Index Catalogue (IC), published in 1895 and 1908 as supplements to the NGC, lists more than "
     "5,000 further star clusters, nebulae and galaxies, many of them faint. Search for one by its "
     "number, for example IC 434 or IC 2391; blanks do not matter. Many IC objects are beyond a small "
     "telescope; this version sets no default magnitude limit, so searches find even the faintest."},
    {"Latitude",
     "Latitude is your site's angle north (N) or south (S) of the equator, in degrees and minutes. Set it "
     "with \"@ Latitude\": whole degrees from 0 to 89, minutes with decimals if you like, and North or "
     "South. Taking it from a GPS receiver or a GPS telescope is not in this version yet; keep it in a "
     "home location file with \"v Save\" and load that with \"l Load\" after each start. A minute of "
     "latitude is about 1.85 km, so a value "
     "read from a map is good enough."},
    {"Load (button)",
     "\"l Load\" opens the Load window, which lists the home location files (names ending in .HOM) in "
     "TALVO's folder. Select one and press \"Load the selected file\": its latitude, longitude, colours "
     "and telescope options take effect and its name shows in the main window. Keep one file for each site "
     "you observe from. Taking the site (and the time) from a GPS receiver or a GPS telescope is not in "
     "this version yet; TALVO does not read a home location file when it starts either, so load yours "
     "after starting."},
    {"Longitude",
     "Longitude is your site's angle east (E) or west (W) of the meridian of Greenwich, in degrees and "
     "minutes. TALVO, like many telescope controllers, counts west longitudes as positive, so sites in "
     "the Americas have positive longitudes and most of Europe, Asia and Australia negative ones. Set it "
     "with \"# Longitude\" (whole degrees from 0 to 179, minutes with decimals, East or West) after each "
     "start; taking it from a GPS receiver or a GPS telescope is not in this version yet."},
    {"Magnitude",
     "Magnitude measures brightness: the smaller the number, the brighter the object, and one magnitude is "
     "a factor of about 2.5. The brightest stars are near 0, the faintest seen by eye from a dark site "
     "about 6. A deep-sky object's light is spread over its area, so it looks fainter than a star of the "
     "same magnitude. \"Mag = Unspecified\" means that the catalog gives none."},
    {"Magnitude Limit (default)",
     "The default magnitude limit is the faintest magnitude searches look for. It is set from the "
     "telescope size and the sky conditions chosen in \"x Options\": from magnitude 9 for a telescope of "
     "3.5 inches (90 mm) to 16 for 17 or 18 inches under a rural sky, 1.5 magnitudes less under a "
     "suburban sky and 3 less under an urban sky. An unspecified size, and 20 inches or more, set no "
     "limit, so searches find objects however faint they are."},
    {"Messier Object",
     "The Messier catalogue lists 110 bright star clusters, nebulae and galaxies, compiled in the 18th "
     "century by the French astronomer Charles Messier; most of them are fine sights in a small telescope. "
     "Search for one by its number, for example M31 or M 42. M1 typed with a blank after it finds M1 alone; "
     "without the blank it also finds M13, M15 and the others whose names begin with M1."},
    {"Near-Earth Object",
     "A near-Earth object is an asteroid passing close to the Earth, within about 0.10 AU; it can cross "
     "the sky quickly. Its transient catalog holds minute-by-minute positions covering 24 hours. "
     "Tick \"Near-Earth Object\" in the \"a Get Comet / Asteroid\" window to name one even in a set "
     "moment; TALVO takes the position for the present minute every 10 seconds and recomputes its rise and "
     "set times as often."},
    {"Next Match (button)",
     "\"n Next Match\" finds the next object that matches the last search, reading on in the catalog from "
     "the last match; the button shows the number of the match it will bring. After Best of the Sky it "
     "reads \"Next Suggestion\". When the catalog holds no further match TALVO says so and stays on the "
     "last match. After \"p Previous\" the matches already found come back at once."},
    {"Night Vision",
     "Eyes adapted to the dark lose their sensitivity in seconds under bright light, but deep red light "
     "does little harm. Tick the \"Night Vision\" box and every TALVO window turns deep red with dark "
     "text: the main window, the other windows, and their message boxes, lists, menus, tooltips and scroll "
     "bars; untick it for the day colours. Only TALVO's own windows change: Linux has no colour table "
     "for the whole screen that a program could borrow, so the desktop, its panels and other programs keep "
     "their colours. Dim the screen and close or cover other bright windows as well."},
    {"NGC Object",
     "The New General Catalogue (NGC), published in 1888, lists 7,840 star clusters, nebulae and galaxies "
     "and is the most used list of deep-sky objects. Search for one by its number, for example NGC 7009 or "
     "NGC7009; blanks and case do not matter. Many NGC objects also have a Messier number or a common "
     "name, and TALVO shows up to five names for each object."},
    {"Observing Log",
     "\"o Observing Log\" keeps your observing notes in the file TALVOLOG.TXT in TALVO's folder. Type a "
     "note and press OK; TALVO asks for the next one until you leave the line empty. Each note follows a "
     "line naming the current object with its altitude, magnitude (or the size, distance and phase of a "
     "solar-system body), date and time, and the first note of a session follows a heading giving the "
     "date, time, site and telescope type. Notes are added to the end of the file, never replacing "
     "earlier ones."},
    {"Planet (scroll)",
     "The solar-system list of the main window holds 0 Sun, 1 Mercury, 2 Venus, 3 Moon, 4 Mars, 5 "
     "Jupiter, 6 Saturn, 7 Uranus, 8 Neptune and 9 Pluto (a dwarf planet). Click a row, or press its "
     "digit, to make that body the current object. TALVO then shows its position, distance, apparent "
     "size, elongation and constellation, and the Moon's phase, all kept up to date."},
    {"Precession",
     "The Earth's axis slowly swings round like a spinning top's, once in about 26,000 years, so the "
     "celestial equator and pole move among the stars and star positions drift by nearly a degree and a "
     "half per century. TALVO corrects each catalog position for precession, from its epoch to the epoch "
     "it presents positions in. Some GoTo telescopes do this themselves and others expect positions of "
     "2000; the \"Use J2000\" option of \"x Options\" tells TALVO which."},
    {"Previous Match (button)",
     "\"p Previous\" goes back to the match found before the current one; press it again to walk further "
     "back through the matches of the search. \"n Next Match\" then walks forward through the same "
     "matches before it reads on in the catalog."},
    {"Real-Time Operation",
     "TALVO works in real time from the computer's clock: a little more than once a second it reads the "
     "clock and recomputes the times and the object's position; rise, transit and set times are "
     "recomputed every minute. When you set a date or time with \"d Date\" or \"t Time\", TALVO switches "
     "to fictitious time, in which the set moment stands still until you change it. \"Back to Real Time\" "
     "returns to the clock. GoTo and loading an object's position from the telescope work only in real "
     "time; loading the site from a GPS receiver comes in a later version and will too."},
    {"Refraction (atmospheric)",
     "The air bends the light of a celestial object so that it appears higher than it is: by about half a "
     "degree at the horizon, about 5 minutes of arc at 10\xB0 and about 1 minute of arc at 45\xB0. TALVO's "
     "altitudes include this, so they show where you see the object. Rise and set times allow for it too, "
     "and for the Sun and the Moon also for their size, so that they refer to the upper edge."},
    {"Save (button)",
     "\"v Save\" saves your latitude, longitude, colours and telescope options in a home location file in "
     "TALVO's folder. TALVO offers the name of the file in use; type another name to keep a file for each "
     "observing site (\".HOM\" is put on the name). When the file cannot be written, the one already "
     "there stays as it was and TALVO says why."},
    {"Save Matches (button)",
     "\"m Save Matches\" runs the current search through the rest of the catalog, writes every match to "
     "the file MATCHES.TXT in TALVO's folder and makes the last match the current object. TALVO then says "
     "how many matches were written and offers to show the list; afterwards the button reads \"m View "
     "Matches\". Each new search starts the file afresh."},
    {"Scripts",
     "Running a script given on TALVO's command line, to automate repetitive tasks or pre-programmed "
     "operations, comes in a later version of TALVO; this version takes no script. For unattended "
     "searches use talvo-cli find, which is installed with the program. The guide, TALVO-Guide.html, "
     "describes "
     "both."},
    {"Sidereal Time",
     "Local sidereal time is the right ascension that is crossing your meridian now: an object transits, "
     "standing highest in the sky, when the sidereal time equals its right ascension. Sidereal time gains "
     "about 4 minutes a day on ordinary time, which is why each star rises about 4 minutes earlier every "
     "night. TALVO shows it below the local time, for your longitude."},
    {"Size",
     "Size is the apparent diameter of a solar-system body: for the Sun and the Moon in minutes of arc "
     "('), for the planets in seconds of arc (\"). For the Moon TALVO also compares the size with its "
     "average, for example 1.08x avg when the Moon is near. Best of the Sky offers a planet only when it "
     "looks large enough to be worth a view."},
    {"SkyChart",
     "\"s SkyChart\" starts the free sky-chart program Skychart, installed separately, with a chart "
     "centred on the current object for the date, time and site TALVO shows and a field of view suited to "
     "the object: 70 degrees for the Sun, the Moon and the bright planets, down to 5 degrees for the "
     "faintest objects. TALVO looks for the program \"skychart\" in the folder named by the environment "
     "variable TALVO_SKYCHART_DIR, or else on the PATH, and tries its older version \"ciel\" when "
     "\"skychart\" cannot be started; the hint at start-up says when it was not found. Telescope type 5 "
     "uses the same program to drive the telescope: its GoTo opens the chart on the object."},
    {"Star Names",
     "Stars carry many names, and the default catalog gives each star up to five: a proper name such as "
     "Mizar or Vega; the Greek letter and constellation in three-letter abbreviations, such as Alp Lyr or "
     "Gam Per; a Flamsteed number such as 61 Cyg; the Bright Star Catalogue number such as HR 2491; and "
     "other catalogue numbers. Search for any of them. Where a Greek letter carries a number, a wildcard "
     "finds them all: Alp* Lib finds Alp1 Lib and Alp2 Lib."},
    {"Time",
     "The time shown is the local time at your site, from the computer's clock, followed by the letters "
     "of the time zone. \"t Time\" sets another time (hour, minute and second), for example to see where "
     "an object will stand later tonight; TALVO then works in fictitious time, in which the set moment "
     "stands still. Cancel at the hour question, or \"Back to Real Time\", returns to the computer's "
     "clock."},
    {"Time Zone",
     "TALVO uses the computer's time-zone setting to turn local time into Universal Time. Like many "
     "telescope controllers it counts the UTC offset west positive: the offset is the number of hours "
     "added to local time to give UTC, so US Eastern Standard Time is 5 and Central European Time -1. "
     "Daylight saving time is included, and the zone's letters follow the time. Set the computer's time "
     "zone for the place you observe from."},
    {"Topocentric position",
     "A topocentric position is the direction of an object as seen from your own place on the Earth's "
     "surface rather than from the Earth's centre. Only the Moon is near enough for the difference to "
     "matter: it can reach about a degree, twice the Moon's width. TALVO computes the Moon for your site, "
     "marked \"Topocentric R.A.\", so that it is where your telescope should point."},
    {"Transient Catalog",
     "A transient catalog holds the positions of one comet or asteroid: each line is its position at one "
     "moment, named by the UTC date and time it belongs to, one line per hour, or per minute for a "
     "near-Earth object. The files are kept in the folder TransientCats in TALVO's folder. Choose one with "
     "\"a Get Comet / Asteroid\": TALVO takes the line for the present moment and moves on as time passes "
     "(every 10 minutes). One whose positions begin in an earlier year is offered for deletion. A transient "
     "catalog cannot be searched by name. TALVO makes one itself, without a network, from the object's "
     "orbital elements: save them once as the Minor Planet Center's one-line formats give them (comets: "
     "perihelion date in columns 15-29, q 31-39, e 42-49, argument of perihelion 52-59, node 62-69, "
     "inclination 72-79, H and K 92-100, name 103 on; minor planets: H 9-13, G 15-19, packed epoch 21-25, "
     "mean anomaly 27-35, argument of perihelion 38-46, node 49-57, inclination 60-68, e 71-79, a 93-103, "
     "name 167 on), then click \"Make a Transient Catalog from orbital elements\" in that window and give "
     "the file: 60 days of hourly positions from today, or, with \"Near-Earth Object\" ticked, a day of "
     "positions a minute apart. talvo-cli make-transient does the same from a terminal."},
    {"Transit",
     "An object transits when it crosses your meridian, the north-south line through the point overhead; "
     "it then stands highest in the sky and is usually seen best. TALVO shows the next transit (or the "
     "last, when it was less than 12 hours ago) with the altitude the object reaches then. \"Always Up\" "
     "marks an object that never sets at your latitude, \"Never Rises\" one that never comes above your "
     "horizon."},
    {"UTC (GMT)",
     "Coordinated Universal Time (UTC), formerly Greenwich Mean Time (GMT), is the time of the meridian of "
     "Greenwich and the common clock of astronomers. TALVO shows it below the local time: UTC is local "
     "time plus the UTC offset (west positive). A \"+\" after it means that in UTC it is already the next "
     "day, a \"-\" that it is still the previous day."},
    {"Wild Card Character",
     "In a search name the character \"*\" stands for any group of characters: Alp* Lib finds Alp1 Lib "
     "and Alp2 Lib, and *Nebula finds names that contain Nebula, such as Crab Nebula. Without a wildcard "
     "what you type matches every name that begins with it; a blank typed at the end asks for the whole "
     "name, so M1 followed by a blank finds M1 but not M13. Blanks inside a name and upper or lower case "
     "never matter."},
}};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

}  // namespace talvo
