// The two ways AutoCAD gives the clock: CDATE as a calendar number
// YYYYMMDD.HHMMSSmmm and DATE as a Julian day number with the fraction of the
// day since midnight (both in local time).
#pragma once

namespace vma::host {

struct CalendarTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

CalendarTime localNow();
double calendarNumber(const CalendarTime& t);
// Whole seconds, as AutoCAD 2017 and later give DATE.
double julianDate(const CalendarTime& t);

} // namespace vma::host
