#pragma once

#include <QString>

#include <optional>

namespace rekol {

// The leading decimal digits of `text` as a number, 0 when it has none
// ("1.5" gives 1); values too large for an int give the largest int.
int DecimalValue(const QString& text);

// `text` as an unsigned decimal number the way the dialog's value exchange
// reads a box: blanks around the digits are allowed, anything else (an empty
// text, a sign, a full stop, a number beyond 32 bits) is not.
std::optional<unsigned> ParseUnsigned(const QString& text);

} // namespace rekol
