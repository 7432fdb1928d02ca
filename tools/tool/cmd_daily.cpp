// brindlewick-tool daily ID [--date YYYY-MM-DD]: the deal of the day's number.
#include <ctime>
#include <iostream>

#include "core/new_game.h"
#include "core/rules.h"
#include "tool.h"

namespace bw::tool {
namespace {

int Run(Game& /*game*/, const Args& args) {
    if (args.size() != 1 && !(args.size() == 3 && args[1] == "--date"))
        return UsageError("usage: daily ID [--date YYYY-MM-DD]");
    long id = 0;
    if (!ParseGamesInteger(args[0], id) || id < 0 || id > 9999 || args[0][0] == ' ')
        return UsageError("bad game id '" + args[0] + "'");
    CalendarDate date{};
    if (args.size() == 3) {
        const auto parsed = ParseCalendarDate(args[2]);
        if (!parsed) return UsageError("bad date '" + args[2] + "': YYYY-MM-DD, a calendar date");
        date = *parsed;
    } else {
        // The player's local date, as the program takes it.
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        date = {local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                static_cast<unsigned>(local.tm_mday)};
    }
    std::cout << *DailyDealNumber(static_cast<int>(id), date.year, date.month, date.day) << "\n";
    return 0;
}

const Register kDaily{
    {"daily", "daily ID [--date YYYY-MM-DD]  the deal of the day's number (local date)", Run}};

}  // namespace
}  // namespace bw::tool
