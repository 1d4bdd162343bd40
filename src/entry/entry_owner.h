#pragma once

#include <QString>

namespace rekol {

// The window that opens the report entry (the main window): told which
// publisher's report was stored last and asked to refresh its status lines.
class EntryOwner {
public:
    virtual ~EntryOwner() = default;
    virtual void SetLastRegistered(const QString& name) = 0;
    virtual void UpdateStatus() = 0;
};

} // namespace rekol
