#pragma once

#include <QChar>

namespace rekol {

// What the number boxes (CNumEdit) do with a typed character.
enum class NumEditAction {
    Pass, // a digit, backspace or full stop: the box's normal processing
    Zero, // a space: the box is set to "0", all selected
    Drop, // anything else, the clipboard keys (control characters) included
};

NumEditAction NumEditFilter(QChar c);

} // namespace rekol
