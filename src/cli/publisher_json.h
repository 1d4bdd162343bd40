#pragma once

#include "data/group_data.h"

#include <QJsonObject>

namespace rekol::cli {

// Publisher i as `show` prints it, for month m and the group's year slot.
// Only reads the group (the note is looked up, never allocated).
QJsonObject PublisherJson(GroupData& group, int i, int m);

} // namespace rekol::cli
