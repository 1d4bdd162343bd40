#include "entry/credit_rule.h"
#include "res/string_table.h"

#include <algorithm>

namespace rekol {
namespace {

constexpr int HoursCap = 55;  // hours plus credit hours
constexpr int MarkedCap = 40; // credit marked with '*'
constexpr int MaxCredit = 255;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

CreditResult ComputeCredit(StatusKind status, int h, std::uint8_t credit, const QString& note)
{
    CreditResult r;
    r.credit = credit;
    r.note = note;
    if (status != StatusRegularPioneer)
        return r;

    // Every hours value beyond the caps gives the same result; bounding it
    // keeps the sums below from overflowing.
    h = std::clamp(h, -1000, 1000);
    int c = credit;
    if (h > HoursCap - 1)
        c = 0;
    if (c != 0 && HoursCap - h < c)
        c = HoursCap - h;
    if (c != 0 && r.note.isEmpty())
        r.note = QStringLiteral("%1 +").arg(c) + LoadResString(IDS_HOURS);

    qsizetype digits = 0;
    while (digits < r.note.size() && IsDigit(r.note[digits]))
        ++digits;
    if (digits > 0) {
        const int v = r.note.left(std::min<qsizetype>(digits, 3)).toInt();
        c = std::min(v, MaxCredit);
    }

    const qsizetype bang = r.note.indexOf(u'!');
    if (bang == -1 || bang > 5) {
        const qsizetype star = r.note.indexOf(u'*');
        const int e = (star >= 1 && star <= 4) ? std::min(c, MarkedCap) : 0;
        if (h > HoursCap - 1)
            c = e;
        if (e + h > HoursCap - 1)
            c = e;
        if (c != 0 && e != 0 && e + h <= HoursCap - 1 && c + h > HoursCap - 1)
            c = HoursCap - h;
        if (e == 0 && c != 0 && HoursCap - h < c)
            c = HoursCap - h;
    }

    r.credit = static_cast<std::uint8_t>(c);
    if (c != 0)
        r.creditText = QStringLiteral("( + %1 ").arg(c) + LoadResString(IDS_HOURS) + QStringLiteral(" )");
    r.show = true;
    return r;
}

} // namespace rekol
