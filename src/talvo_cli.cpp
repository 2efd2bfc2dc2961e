// talvo-cli: the program's computations from a terminal or a script, without a window.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_app.h"
#include "platform/clock.h"
#include "platform/time_zone.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    talvo::platform::SystemClock clock;
    talvo::platform::SystemTimeZone zone;
    return talvo::RunCli(args, clock, zone, std::cout, std::cerr);
}
