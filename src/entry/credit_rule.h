#pragma once

#include "data/layout.h"

#include <QString>

#include <cstdint>

namespace rekol {

// What the credit-hours rule gives back: the credit, the note (which the rule
// may fill when it is empty), the text for the credit display and whether the
// display is to be updated at all.
struct CreditResult {
    std::uint8_t credit = 0;
    QString note;
    QString creditText;
    bool show = false;
};

// A regular pioneer's credit hours for a month with hours `h`: the leading
// digits of the note, capped so that hours plus credit stay within 55 ('*' at
// positions 1..4 allows up to 40 whatever the hours, '!' among the first six
// characters lifts every cap but 255). Any other status changes nothing.
CreditResult ComputeCredit(StatusKind status, int h, std::uint8_t credit, const QString& note);

} // namespace rekol
