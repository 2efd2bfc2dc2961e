// The main window's fields as talvo-cli prints them, for an object chosen on the command line or
// read from a telescope.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "forms/form1.h"
#include "session/session_state.h"

namespace talvo {

using CliFields = std::vector<std::pair<std::string, std::string>>;  // name, text (code page 1252)

// The fields the window shows: the clock and the site always; the position, and rise, transit
// and set, with an object; the names (a body's figures) for the Sun, the Moon and the planets.
CliFields ShownFields(const Form1& form, const CurrentObject& object);

// One line "Field: text" a field.
void PrintFields(const CliFields& fields, std::ostream& out);

// One object on one line: the texts of the fields, then the raw numbers.
void PrintFieldsJson(const CliFields& fields, const SessionState& state, std::ostream& out);

// The window's fields for the current object, as lines or as one JSON object.
void PrintObject(const Form1& form, const SessionState& state, bool json, std::ostream& out);

}  // namespace talvo
