// The questions that make a point of the sky the current object: its right ascension and
// declination, or its altitude and azimuth (or the position a telescope gave), then its further
// names and its magnitude.
#pragma once

#include <optional>
#include <string>

#include "forms/dialog_services.h"
#include "scope/goto_position.h"
#include "session/session_state.h"

namespace talvo {

enum class ObjectEntryMode { RaDec, AltAz, Telescope };

// What the questions gathered, before anything of the session changes.
struct EnteredObject {
    double raHours = 0.0;
    double decDegrees = 0.0;
    double epoch = 2000.0;
    std::string name3, name4, name5;
    std::string magnitudeText = "99";
};

// A typed number: blanks around it allowed, "," taken as the decimal point; nothing for any other
// text (a typing slip must not read as 0).
std::optional<double> NumberAnswer(const std::string& text);

// Asks the position questions of `mode` (none in telescope mode, where `telescope` and its epoch
// `telescopeEpoch` are the position), then the names and the magnitude. Nothing when an empty
// answer or Cancel abandoned the entry; a number out of range asks again. The clock's time scales
// must be current (altitude and azimuth are taken for the present moment and site).
std::optional<EnteredObject> AskObjectEntry(const SessionState& state, DialogServices& dialogs,
                                            ObjectEntryMode mode, const GotoPosition& telescope,
                                            double telescopeEpoch);

// Makes the entered object current: not a body, named `name1` and `name2` (each cut to 12
// characters) and the further names, its position precessed from its epoch to the one shown.
void MakeEnteredObjectCurrent(SessionState& state, const EnteredObject& entered, const std::string& name1,
                              const std::string& name2);

}  // namespace talvo
