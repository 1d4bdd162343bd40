#include "data/group_data.h"
#include "data/report_period.h"
#include "testing/recording_sink.h"

#include <gtest/gtest.h>

using namespace rekol;

TEST(ReportPeriod, DerivedFromTheDate)
{
    struct Case {
        QDate today;
        int reportMonth;
        int yearSlot;
    };
    const Case cases[] = {
        {QDate(2024, 1, 1), 11, 1},  {QDate(2024, 1, 31), 11, 1}, {QDate(2024, 3, 15), 1, 0},
        {QDate(2025, 2, 1), 0, 1},   {QDate(2026, 12, 11), 10, 0}, {QDate(2027, 1, 5), 11, 0},
    };
    for (const Case& c : cases) {
        test::RecordingSink sink;
        GroupData g(sink);
        g.DeriveReportPeriod(c.today);
        EXPECT_EQ(g.reportMonth, c.reportMonth) << c.today.toString().toStdString();
        EXPECT_EQ(g.startMonth, c.reportMonth);
        EXPECT_EQ(g.yearSlot, c.yearSlot) << c.today.toString().toStdString();
    }
}

TEST(ReportPeriod, MonthNamesAndTheFrenchArticle)
{
    EXPECT_EQ(GetMonthName(0, false, "esp"), QString("Enero"));
    EXPECT_EQ(GetMonthName(11, true, "esp"), QString("Diciembre"));
    EXPECT_EQ(GetMonthName(3, false, "french"), QString("Abril"));
    EXPECT_EQ(GetMonthName(3, true, "french"), QString("de Abril")); // capital A takes "de "
    EXPECT_EQ(WithMonthArticle(QString::fromUtf8("août"), "french"), QString::fromUtf8("d'août"));
    EXPECT_EQ(WithMonthArticle("avril", "french"), QString("d'avril"));
    EXPECT_EQ(WithMonthArticle("octobre", "french"), QString("d'octobre"));
    EXPECT_EQ(WithMonthArticle("mai", "french"), QString("de mai"));
    EXPECT_EQ(WithMonthArticle("avril", "French"), QString("avril"));
}
