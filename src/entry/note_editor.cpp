#include "data/code_page.h"
#include "entry/decimal_text.h"
#include "entry/entry_logic.h"
#include "res/string_table.h"

#include <algorithm>
#include <cstring>

namespace rekol {
namespace {

const char* const kNoteNotStorable =
    "No se puede guardar la nota: el carácter \"%1\" no existe en el juego de caracteres del archivo.";

// The first character of `text` that the code page of `language` cannot
// hold, empty when there is none.
QString FirstUnstorable(const QString& text, const QString& language)
{
    for (qsizetype k = 0; k < text.size(); ++k) {
        const qsizetype n = text[k].isHighSurrogate() && k + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(k, n);
        if (!EncodeAnsi(c, language))
            return c;
        k += n - 1;
    }
    return {};
}

bool IsBlank(QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

} // namespace

void EntryLogic::OpenNoteEditor()
{
    if (ended || !IsShown(IdcNotes))
        return;
    enterState = 1;
    Show(IdcMonthButton, false);
    Show(IdcNoteEdit, true);
    SetText(IdcNoteEdit, note);
    SetFocus(IdcNoteEdit);
}

void EntryLogic::CloseNoteEditor()
{
    if (ended || !IsShown(IdcNoteEdit))
        return;
    const QString s = Control(IdcNoteEdit).text;
    // A character the file cannot hold is refused rather than replaced: the
    // editor stays open so that the note can be mended.
    if (const QString bad = FirstUnstorable(s.left(layout::NoteTextMax), group_.language); !bad.isEmpty()) {
        group_.Show(FormatMessage(QString::fromUtf8(kNoteNotStorable), bad), MessageButtons::Ok, MessageIcon::Warning);
        enterState = 1;
        SetFocus(IdcNoteEdit);
        return;
    }
    Show(IdcNoteEdit, false);
    Show(IdcMonthButton, true);
    if (s != note)
        changed = 1;
    note = s.left(layout::NoteTextMax);
    const bool written = StoreNote(recordIndex, entryMonth, entrySlot, noteNumber, note);
    recordCopy.SetCell(layout::NoteIndex, entryMonth, entrySlot, static_cast<std::uint16_t>(written ? noteNumber : 0));
    if (std::all_of(s.begin(), s.end(), IsBlank))
        credit = 0;
    ApplyCreditRule(DecimalValue(Control(IdcHours).text));
    OnEnter();
}

bool EntryLogic::StoreNote(int i, int m, int s, int k, const QString& text)
{
    PublisherRecord& record = group_.Record(i);
    if (text.isEmpty() || text[0] == u' ') {
        record.SetCell(layout::NoteIndex, m, s, 0);
        return false;
    }
    // The entry handed out for the month is rewritten in place, also when the
    // table is full; only a fresh entry past the table's end is refused.
    if (group_.noteCount == 0 || k < 1 || k > group_.noteCount)
        return false;
    const std::optional<QByteArray> bytes = EncodeAnsi(text, group_.language);
    if (!bytes)
        return false;
    NoteEntry& entry = group_.Note(k);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(bytes->size()), entry.size() - 1);
    std::memcpy(entry.data(), bytes->constData(), n);
    entry[n] = 0;
    entry[layout::NoteTextMax] = 0;
    if (k == group_.noteCount) {
        // The last entry in use is where a fresh note lies: link it and count
        // one entry more, as the files in circulation are written.
        record.SetCell(layout::NoteIndex, m, s, static_cast<std::uint16_t>(k));
        if (group_.noteCount < layout::MaxNotes) {
            ++group_.noteCount;
            group_.EnsureNoteCapacity(group_.noteCount);
        }
    }
    return true;
}

} // namespace rekol
