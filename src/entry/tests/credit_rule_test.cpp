#include "entry/credit_rule.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace rekol;

namespace {

struct CreditCase {
    const char* name;
    int hours;
    int creditIn;
    const char* noteIn;
    int creditOut;
    const char* noteOut;
    const char* text;
};

const CreditCase kCases[] = {
    {"plain", 30, 0, "20", 20, "20", "( + 20 Horas )"},
    {"capped at 55", 50, 0, "20", 5, "20", "( + 5 Horas )"},
    {"hours fill the cap", 55, 0, "20", 0, "20", ""},
    {"hours above the cap", 54, 0, "20", 1, "20", "( + 1 Horas )"},
    {"star keeps up to 40", 50, 0, "20*", 20, "20*", "( + 20 Horas )"},
    {"star caps at 40", 50, 0, "60*", 40, "60*", "( + 40 Horas )"},
    {"star and room under 55", 10, 0, "60*", 45, "60*", "( + 45 Horas )"},
    {"star with hours past the cap", 60, 0, "30*", 30, "30*", "( + 30 Horas )"},
    {"star at position 4 counts", 50, 0, "2000*", 40, "2000*", "( + 40 Horas )"},
    {"star at position 5 does not count", 50, 0, "20000*", 5, "20000*", "( + 5 Horas )"},
    {"bang lifts the caps", 50, 0, "20!", 20, "20!", "( + 20 Horas )"},
    {"bang past position 5 does not count", 50, 20, "Ayuda 20!", 5, "Ayuda 20!", "( + 5 Horas )"},
    {"star at position 0 does not count", 30, 12, "*20", 12, "*20", "( + 12 Horas )"},
    {"three digits at most", 0, 0, "1234", 55, "1234", "( + 55 Horas )"},
    {"bang keeps 255 at most", 80, 0, "999!", 255, "999!", "( + 255 Horas )"},
    {"empty note receives the credit", 20, 10, "", 10, "10 +Horas", "( + 10 Horas )"},
    {"empty note, credit capped first", 50, 10, "", 5, "5 +Horas", "( + 5 Horas )"},
    {"no credit leaves the note empty", 20, 0, "", 0, "", ""},
    {"note without digits keeps the credit", 20, 7, "escuela", 7, "escuela", "( + 7 Horas )"},
    {"leading zeros", 10, 0, "007", 7, "007", "( + 7 Horas )"},
    {"huge hours", 2000000000, 30, "30*", 30, "30*", "( + 30 Horas )"},
};

class CreditRuleTest : public ::testing::TestWithParam<CreditCase> {};

} // namespace

TEST_P(CreditRuleTest, RegularPioneer)
{
    const CreditCase& c = GetParam();
    const CreditResult r =
        ComputeCredit(StatusRegularPioneer, c.hours, static_cast<std::uint8_t>(c.creditIn), QString::fromUtf8(c.noteIn));
    EXPECT_EQ(r.credit, c.creditOut);
    EXPECT_EQ(r.note, QString::fromUtf8(c.noteOut));
    EXPECT_EQ(r.creditText, QString::fromUtf8(c.text));
    EXPECT_TRUE(r.show);
}

INSTANTIATE_TEST_SUITE_P(Examples, CreditRuleTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CreditCase>& param) {
                             std::string name;
                             for (const char* p = param.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(CreditRule, OtherStatusesChangeNothing)
{
    for (StatusKind status : {StatusPublisher, StatusAuxPioneer, StatusSpecialPioneer}) {
        const CreditResult r = ComputeCredit(status, 30, 12, QString());
        EXPECT_FALSE(r.show);
        EXPECT_EQ(r.credit, 12);
        EXPECT_EQ(r.note, QString());
        EXPECT_EQ(r.creditText, QString());
    }
}
