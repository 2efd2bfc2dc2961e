// What a GoTo writes to the telescope's serial port, for each protocol family, as data: the
// mode string to open the port with and the writes with their pauses. Nothing here touches a
// port; the exchange that plays these steps checks that every one-byte write reports 1 byte.
#pragma once

#include <string>
#include <vector>

#include "scope/goto_position.h"

namespace talvo {

// Port modes of the families.
inline constexpr const char* kCelestronHexMode = "baud=9600 parity=N data=8 stop=2";  // type 1
inline constexpr const char* kGotoMode = "baud=9600 parity=N data=8 stop=1";          // types 2 to 4

// One run of bytes, written one byte at a time, in this order: pauseBeforeMs; then for each
// byte pauseBeforeEachByteMs, the byte, pauseAfterEachByteMs; then pauseAfterMs.
struct GotoStep {
    int pauseBeforeMs = 0;
    std::string bytes;
    int pauseBeforeEachByteMs = 0;
    int pauseAfterEachByteMs = 0;
    int pauseAfterMs = 0;

    bool operator==(const GotoStep&) const = default;
};

enum class GotoStatus {
    kOk,               // mode and steps are set
    kSkyChart,         // type 5: the sky-chart program drives the telescope; nothing is written
    kNoSerialCommand,  // type 0 or an unknown type: no telescope to send to
    kBadPosition,      // a field of the position out of range (IsValidGotoPosition)
};

struct GotoCommand {
    GotoStatus status = GotoStatus::kNoSerialCommand;
    std::string mode;
    std::vector<GotoStep> steps;
};

// Model codes that change the pauses.
inline constexpr int kNexRemoteModel = 109;  // type 1 over the remote-control program: 10 ms pauses
inline constexpr int kAutostarModel = 402;   // type 4 with the Autostar handbox: paced writes

// Type 1: "R", the right ascension and declination angles (ToCelestronAngles) as four upper-case
// hex digits each, separated by ",", no terminator: "R1A2B,3C4D" (10 bytes). Written after a
// 5 ms pause, one byte at a time with 10 ms before each byte for model 109, 5 ms for the others.
GotoCommand EncodeCelestronHexGoto(int scopeModel, const GotoPosition& position);

// Type 2: the handshake "?", then after 5 ms "R" ra-hi ra-lo dec-hi dec-lo as raw bytes
// (5 bytes), 5 ms before each byte.
GotoCommand EncodeCelestronBinaryGoto(const GotoPosition& position);

// Type 3: after 5 ms, "R" ra-hi ra-lo 0x00 dec-hi dec-lo 0x00 as raw bytes (7 bytes), 5 ms before
// each byte. The hand box needs a key pressed before the next GoTo.
GotoCommand EncodeStarGuideGoto(const GotoPosition& position);

// Type 4: Lx200RightAscension, Lx200Declination, then "#:MS#" (slew). Model 402 pauses 5 ms after
// each byte and a further 50 ms after each of the two position strings; other models do not wait.
GotoCommand EncodeLx200Goto(int scopeModel, const GotoPosition& position);

// The command of the family `scopeType` (1 to 4), or the status that says why there is none.
GotoCommand EncodeGoto(int scopeType, int scopeModel, const GotoPosition& position);

}  // namespace talvo
