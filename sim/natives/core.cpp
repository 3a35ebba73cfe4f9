// Player, time, randomness and hashes.
#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/hash.h"

namespace sim {

namespace {

// The simulated game's calendar: clock A counts game seconds from 1 January 1899, 00:00, with
// the Gregorian calendar's month lengths (1900 is no leap year).
constexpr int32_t kBaseYear = 1899;

struct CalendarDate {
    int32_t year = kBaseYear;
    int32_t month = 0;  // from 0, as the game counts months
    int32_t day = 1;    // from 1
};

bool leapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

CalendarDate dateOfClock(uint32_t seconds) {
    constexpr int32_t kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    auto days = static_cast<int32_t>(seconds / 86400u);
    CalendarDate date;
    for (;;) {
        const int32_t yearDays = leapYear(date.year) ? 366 : 365;
        if (days < yearDays) break;
        days -= yearDays;
        ++date.year;
    }
    for (;;) {
        const int32_t monthDays =
            kMonthDays[date.month] + (date.month == 1 && leapYear(date.year) ? 1 : 0);
        if (days < monthDays) break;
        days -= monthDays;
        ++date.month;
    }
    date.day = days + 1;
    return date;
}

}  // namespace

void registerCoreNatives(Game& game) {
    NativeTable& t = game.natives();
    t.add(0x096275889B8E0EE0, "PLAYER_PED_ID", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.world().player.ped); });
    t.add(0x4F67E8ECA7D3F667, "GET_GAME_TIMER", 0, Result::Int32,
          [&game](NativeCall& c) { c.retU32(game.timer()); });
    // Clock A: game seconds since the start of the game's calendar.
    t.add(0x78FD8BE812E436B2, "_GET_SECONDS_SINCE_BASE_YEAR", 0, Result::Int32,
          [&game](NativeCall& c) { c.retU32(game.clockA()); });
    t.add(0xE136DCA28C4A48BA, "GET_CLOCK_YEAR", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(dateOfClock(game.clockA()).year); });
    t.add(0x2D44E8FC79EAB1AC, "GET_CLOCK_MONTH", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(dateOfClock(game.clockA()).month); });
    t.add(0xDF2FD796C54480A5, "GET_CLOCK_DAY_OF_MONTH", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(dateOfClock(game.clockA()).day); });
    t.add(0xE4CB8D126501EC52, "GET_MILLISECONDS_PER_GAME_MINUTE", 0, Result::Int32,
          [](NativeCall& c) { c.ret(static_cast<int32_t>(Game::kMsPerGameMinute)); });
    t.add(0xD53343AA4FB7DD28, "GET_RANDOM_INT_IN_RANGE", 2, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.random().intInRange(c.i32(0), c.i32(1))); });
    t.add(0xE29F927A961F8AAA, "GET_RANDOM_FLOAT_IN_RANGE", 2, Result::Float,
          [&game](NativeCall& c) { c.retFloat(game.random().floatInRange(c.f32(0), c.f32(1))); });
    t.add(0xFD340785ADF8CFB7, "GET_HASH_KEY", 1, Result::Int32, [](NativeCall& c) {
        const char* name = c.str(0);
        c.retU32(name ? gameHash(name) : 0);
    });
    // The script's timer A, in milliseconds of game timer.
    t.add(0x83666F9FB8FEBD4B, "TIMERA", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.scriptTimer()); });
    t.add(0xC1B1E9A034A63A62, "SETTIMERA", 1, Result::Void,
          [&game](NativeCall& c) { game.setScriptTimer(c.i32(0)); });
}

}  // namespace sim
