#include "scope/goto_commands.h"

#include <cstdio>

#include "scope/celestron_angles.h"
#include "scope/lx200_texts.h"

namespace talvo {
namespace {

std::string HexAngle(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    return text;
}

char HighByte(std::uint16_t value) { return static_cast<char>(value >> 8); }
char LowByte(std::uint16_t value) { return static_cast<char>(value & 0xFF); }

GotoCommand Refused(GotoStatus status) {
    GotoCommand command;
    command.status = status;
    return command;
}

}  // namespace

GotoCommand EncodeCelestronHexGoto(int scopeModel, const GotoPosition& position) {
    if (!IsValidGotoPosition(position)) return Refused(GotoStatus::kBadPosition);
    CelestronAngles angles = ToCelestronAngles(position);
    GotoStep step;
    step.pauseBeforeMs = 5;
    step.bytes = "R" + HexAngle(angles.ra) + "," + HexAngle(angles.dec);
    step.pauseBeforeEachByteMs = scopeModel == kNexRemoteModel ? 10 : 5;
    return {GotoStatus::kOk, kCelestronHexMode, {step}};
}

GotoCommand EncodeCelestronBinaryGoto(const GotoPosition& position) {
    if (!IsValidGotoPosition(position)) return Refused(GotoStatus::kBadPosition);
    CelestronAngles angles = ToCelestronAngles(position);
    GotoStep handshake;
    handshake.bytes = "?";
    GotoStep slew;
    slew.pauseBeforeMs = 5;
    slew.bytes = {'R', HighByte(angles.ra), LowByte(angles.ra), HighByte(angles.dec), LowByte(angles.dec)};
    slew.pauseBeforeEachByteMs = 5;
    return {GotoStatus::kOk, kGotoMode, {handshake, slew}};
}

GotoCommand EncodeStarGuideGoto(const GotoPosition& position) {
    if (!IsValidGotoPosition(position)) return Refused(GotoStatus::kBadPosition);
    CelestronAngles angles = ToCelestronAngles(position);
    GotoStep slew;
    slew.pauseBeforeMs = 5;
    slew.bytes = {
        'R', HighByte(angles.ra), LowByte(angles.ra), '\0', HighByte(angles.dec), LowByte(angles.dec), '\0'};
    slew.pauseBeforeEachByteMs = 5;
    return {GotoStatus::kOk, kGotoMode, {slew}};
}

GotoCommand EncodeLx200Goto(int scopeModel, const GotoPosition& position) {
    if (!IsValidGotoPosition(position)) return Refused(GotoStatus::kBadPosition);
    const bool paced = scopeModel == kAutostarModel;
    const int perByte = paced ? 5 : 0;
    const int afterPosition = paced ? 50 : 0;
    GotoStep ra{0, Lx200RightAscension(position), 0, perByte, afterPosition};
    GotoStep dec{0, Lx200Declination(position), 0, perByte, afterPosition};
    GotoStep slew{0, "#:MS#", 0, perByte, 0};
    return {GotoStatus::kOk, kGotoMode, {ra, dec, slew}};
}

GotoCommand EncodeGoto(int scopeType, int scopeModel, const GotoPosition& position) {
    switch (scopeType) {
        case 1:
            return EncodeCelestronHexGoto(scopeModel, position);
        case 2:
            return EncodeCelestronBinaryGoto(position);
        case 3:
            return EncodeStarGuideGoto(position);
        case 4:
            return EncodeLx200Goto(scopeModel, position);
        case 5:
            return Refused(GotoStatus::kSkyChart);
        default:
            return Refused(GotoStatus::kNoSerialCommand);
    }
}

}  // namespace talvo
