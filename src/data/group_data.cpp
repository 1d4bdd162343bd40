#include "data/group_data.h"

namespace rekol {

GroupData::GroupData(MessageSink& messages)
    : messages_(&messages)
{
}

MessageAnswer GroupData::Show(const QString& text, MessageButtons buttons, MessageIcon icon) const
{
    return messages_->ShowMessage(text, buttons, icon);
}

QByteArray GroupData::SecretaryEmail() const
{
    if (records.empty())
        return {};
    return records[0].Text(layout::HeaderSecretaryEmail);
}

void GroupData::EnsureNoteCapacity(int count)
{
    if (count > 0 && notes.size() < static_cast<std::size_t>(count))
        notes.resize(static_cast<std::size_t>(count), NoteEntry{});
}

} // namespace rekol
