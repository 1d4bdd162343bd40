#pragma once

class QDialog;

namespace rekol {

// Ends `dialog` (without its own closing work) as soon as it has been
// painted once: for measuring how long start-up takes.
void CloseAfterFirstPaint(QDialog& dialog);

} // namespace rekol
