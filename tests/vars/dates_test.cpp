// The clock as CDATE and DATE give it, checked against the examples of
// AutoCAD's reference; and that the variables read the clock now.
#include "host/sysvar/access.h"
#include "host/sysvar/dates.h"
#include "vars/vars_support.h"

#include <cmath>

using namespace vma::host;

namespace {

TEST(Dates, CalendarNumberPacksDateAndTime) {
    EXPECT_NEAR(calendarNumber({2018, 9, 27, 9, 25, 0, 0}), 20180927.0925, 1e-8);
    EXPECT_NEAR(calendarNumber({2026, 12, 6, 23, 59, 58, 500}), 20261206.2359585, 1e-8);
}

TEST(Dates, JulianDateCountsDaysAndTheFractionSinceMidnight) {
    EXPECT_DOUBLE_EQ(julianDate({1998, 1, 1, 12, 0, 0, 0}), 2450815.5);
    EXPECT_NEAR(julianDate({1999, 12, 31, 21, 58, 35, 0}), 2451544.91568287, 1e-8);
    EXPECT_DOUBLE_EQ(julianDate({2000, 3, 1, 0, 0, 0, 0}) - julianDate({2000, 2, 28, 0, 0, 0, 0}),
                     2.0); // a leap year
    EXPECT_DOUBLE_EQ(julianDate({1900, 3, 1, 0, 0, 0, 0}) - julianDate({1900, 2, 28, 0, 0, 0, 0}),
                     1.0); // not one
}

class DateVariables : public vma::test::FreshSession {};

TEST_F(DateVariables, ReadTheClock) {
    auto& session = Session::get();
    double before = calendarNumber(localNow());
    double cdate = getSysvar(session, "CDATE")->real;
    double after = calendarNumber(localNow());
    EXPECT_LE(before, cdate + 1e-6);
    EXPECT_LE(cdate, after + 1e-6);
    double date = getSysvar(session, "DATE")->real;
    EXPECT_NEAR(date, julianDate(localNow()), 2.0 / 86400);
}

} // namespace
