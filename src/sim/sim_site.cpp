#include "sim/sim_site.h"

#include <chrono>
#include <cmath>

namespace talvo::sim {

SimMoment SiteMoment(const SimSite& site, bool local) {
    using namespace std::chrono;
    std::int64_t seconds =
        site.utcSeconds ? site.utcSeconds()
                        : duration_cast<std::chrono::seconds>(system_clock::now().time_since_epoch()).count();
    if (local) seconds -= std::llround(site.utcOffsetHours * 3600.0);
    const std::int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const std::int64_t ofDay = seconds - days * 86400;
    const year_month_day date{sys_days{std::chrono::days{days}}};
    SimMoment moment;
    moment.year = static_cast<int>(date.year());
    moment.month = static_cast<int>(static_cast<unsigned>(date.month()));
    moment.day = static_cast<int>(static_cast<unsigned>(date.day()));
    moment.hour = static_cast<int>(ofDay / 3600);
    moment.minute = static_cast<int>(ofDay / 60 % 60);
    moment.second = static_cast<int>(ofDay % 60);
    return moment;
}

}  // namespace talvo::sim
