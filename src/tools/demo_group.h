#pragma once

#include "data/builder/group_builder.h"

#include <QDate>

namespace rekol {

// A fictitious group of 25 publishers for the month before `today`, with
// every service status and appointment, phones of several lengths, a few
// notes, some reports already entered and one late report. Reports are
// entered in both year slots so that they show whatever the year.
GroupBuilder MakeDemoGroup(QDate today);

} // namespace rekol
