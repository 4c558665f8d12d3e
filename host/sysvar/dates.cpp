#include "host/sysvar/dates.h"

#include <chrono>
#include <ctime>

namespace vma::host {
namespace {

// The Julian day number of a Gregorian calendar date (the day that starts at its noon).
long julianDayNumber(int year, int month, int day) {
    long a = (14 - month) / 12;
    long y = year + 4800 - a;
    long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

} // namespace

CalendarTime localNow() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,       local.tm_hour,
            local.tm_min,         local.tm_sec,     static_cast<int>(ms)};
}

double calendarNumber(const CalendarTime& t) {
    double date = t.year * 10000.0 + t.month * 100.0 + t.day;
    double time = t.hour * 10000.0 + t.minute * 100.0 + t.second;
    return date + time / 1e6 + t.millisecond / 1e9;
}

double julianDate(const CalendarTime& t) {
    double seconds = t.hour * 3600.0 + t.minute * 60.0 + t.second;
    return static_cast<double>(julianDayNumber(t.year, t.month, t.day)) + seconds / 86400.0;
}

} // namespace vma::host
