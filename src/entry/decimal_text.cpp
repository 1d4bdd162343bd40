#include "entry/decimal_text.h"

#include <climits>

namespace rekol {
namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

int DecimalValue(const QString& text)
{
    long long value = 0;
    for (QChar c : text) {
        if (!IsDigit(c))
            break;
        value = value * 10 + (c.unicode() - u'0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

std::optional<unsigned> ParseUnsigned(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;
    unsigned long long value = 0;
    for (qsizetype k = begin; k < end; ++k) {
        if (!IsDigit(text[k]))
            return std::nullopt;
        value = value * 10 + (text[k].unicode() - u'0');
        if (value > UINT_MAX)
            return std::nullopt;
    }
    return static_cast<unsigned>(value);
}

} // namespace rekol
