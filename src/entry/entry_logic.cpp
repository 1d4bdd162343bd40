#include "entry/entry_logic.h"
#include "data/code_page.h"
#include "data/report_period.h"
#include "entry/credit_rule.h"
#include "entry/decimal_text.h"
#include "res/string_table.h"

namespace rekol {
namespace {

struct ControlSeed {
    int id;
    EntryControlKind kind;
    bool visible;
    const char* text; // UTF-8; texts the logic sets later are empty here
};

// Template 107 as it starts: every control visible but check box 1050.
constexpr ControlSeed kTemplate[] = {
    {IdcOk, EntryControlKind::PushButton, true, "&OK"},
    {IdcCancel, EntryControlKind::PushButton, true, "&Cancelar"},
    {IdcNotes, EntryControlKind::PushButton, true, "&Notas"},
    {IdcMonthButton, EntryControlKind::PushButton, true, ""},
    {IdcPubs, EntryControlKind::Edit, true, ""},
    {IdcVideos, EntryControlKind::Edit, true, ""},
    {IdcHours, EntryControlKind::Edit, true, ""},
    {IdcReturnVisits, EntryControlKind::Edit, true, ""},
    {IdcStudies, EntryControlKind::Edit, true, ""},
    {IdcMonthName, EntryControlKind::Static, true, ""},
    {IdcLabelPubs, EntryControlKind::Static, true, ""},
    {IdcLabelVideos, EntryControlKind::Static, true, ""},
    {IdcLabelHours, EntryControlKind::Static, true, ""},
    {IdcLabelReturnVisits, EntryControlKind::Static, true, ""},
    {IdcLabelStudies, EntryControlKind::Static, true, ""},
    {IdcCredit, EntryControlKind::Static, true, ""},
    {IdcName, EntryControlKind::Static, true, ""},
    {IdcStatus, EntryControlKind::Static, true, ""},
    {IdcAppointment, EntryControlKind::Static, true, ""},
    {IdcMonthList, EntryControlKind::ListBox, true, ""},
    {IdcWarnings, EntryControlKind::Static, true, ""},
    {IdcMonthListOk, EntryControlKind::PushButton, true, "&OK"},
    {IdcNoteEdit, EntryControlKind::Edit, true, ""},
    {IdcGroup, EntryControlKind::Static, true, ""},
    {IdcAuxPioneer, EntryControlKind::CheckBox, false, "Precursor Auxiliar"},
    {IdcUnderOneHour, EntryControlKind::CheckBox, true, "<1h"},
    {IdcParticipated, EntryControlKind::CheckBox, true, "Participó en del ministerio"},
};

// The five number boxes with their labels.
constexpr int kBoxes[] = {IdcPubs, IdcVideos, IdcHours, IdcReturnVisits, IdcStudies};
constexpr int kLabels[] = {IdcLabelPubs, IdcLabelVideos, IdcLabelHours, IdcLabelReturnVisits, IdcLabelStudies};

} // namespace

EntryLogic::EntryLogic(GroupData& group, EntryOwner& owner, int index)
    : recordIndex(index)
    , group_(group)
    , owner_(owner)
{
    static_assert(std::size(kTemplate) == std::tuple_size_v<decltype(controls_)>);
    for (std::size_t k = 0; k < controls_.size(); ++k) {
        controls_[k].id = kTemplate[k].id;
        controls_[k].kind = kTemplate[k].kind;
        controls_[k].visible = kTemplate[k].visible;
        controls_[k].text = QString::fromUtf8(kTemplate[k].text);
    }
}

const EntryControl& EntryLogic::Control(int id) const
{
    for (const EntryControl& c : controls_)
        if (c.id == id)
            return c;
    static const EntryControl none = [] {
        EntryControl c;
        c.visible = false;
        return c;
    }();
    return none;
}

EntryControl& EntryLogic::Ctl(int id) { return const_cast<EntryControl&>(Control(id)); }

void EntryLogic::Show(int id, bool visible)
{
    if (Control(id).id != 0)
        Ctl(id).visible = visible;
}

void EntryLogic::SetText(int id, const QString& text)
{
    if (Control(id).id == 0)
        return;
    EntryControl& c = Ctl(id);
    c.text = text;
    // Setting an edit box's text puts the caret at its start.
    c.selectionStart = 0;
    c.selectionLength = 0;
}

void EntryLogic::Check(int id, bool checked)
{
    if (Control(id).id != 0)
        Ctl(id).checked = checked;
}

QString EntryLogic::ToolTip(int id) const
{
    return id == IdcParticipated ? LoadResString(IDS_PARTICIPATED_TIP) : QString();
}

StatusKind EntryLogic::MonthStatus(int m) const
{
    return static_cast<StatusKind>(recordCopy.StatusByte(m, entrySlot) & 3);
}

QString EntryLogic::MonthName(int m, bool withArticle) const { return GetMonthName(m, withArticle, group_.language); }

QString EntryLogic::DisplayName() const
{
    return DecodeAnsi(group_.GetDisplayName(recordIndex, false), group_.language);
}

void EntryLogic::Open()
{
    if (recordIndex < 1 || recordIndex > group_.publisherCount) {
        ended = true;
        return;
    }
    entryMonth = group_.reportMonth;
    entrySlot = group_.yearSlot;

    caption = DisplayName();
    SetText(IdcName, caption);

    EntryControl& list = Ctl(IdcMonthList);
    list.lines.clear();
    for (int k = 0; k < layout::MonthCount; ++k)
        list.lines.append(MonthName(k, false));
    list.currentRow = entryMonth;
    Show(IdcMonthList, false);
    Show(IdcMonthListOk, false);
    Show(IdcNoteEdit, false);

    recordCopy = group_.Record(recordIndex);
    const int m = entryMonth;
    // The whole byte: any set bit offers the hours box.
    pioneerFlag = recordCopy.StatusByte(m, entrySlot);
    participated = (recordCopy.Cell(layout::StudyWord, m, entrySlot) & layout::ParticipatedBit) ? 1 : 0;
    ApplyVisibility();

    Ctl(IdcMonthButton).variableFont = true;
    SetText(IdcMonthButton, LoadResString(IDS_LATE_MONTH_BUTTON));

    LoadMonth();
    focus = IdcParticipated;
}

void EntryLogic::ApplyVisibility()
{
    for (int id : kBoxes)
        Show(id, false);
    for (int id : kLabels)
        Show(id, false);
    Show(IdcLabelHours, participated != 0 && pioneerFlag != 0);
    Show(IdcHours, participated != 0 && pioneerFlag != 0);
    Show(IdcLabelStudies, participated != 0);
    Show(IdcStudies, participated != 0);
    Show(IdcUnderOneHour, false);
    Show(IdcParticipated, true);
}

void EntryLogic::LoadMonth()
{
    const int m = entryMonth;
    const int s = entrySlot;
    for (int k = 0; k < 5; ++k) {
        Ctl(kLabels[k]).variableFont = true;
        SetText(kLabels[k], LoadResString(IDS_ENTRY_LABEL_FIRST + k));
    }
    SetText(IdcMonthName, MonthName(m, false));

    pubsValue = recordCopy.Cell(layout::Pubs, m, s);
    videosValue = recordCopy.Cell(layout::Videos, m, s);
    hoursValue = recordCopy.Cell(layout::Hours, m, s);
    returnVisitsValue = recordCopy.Cell(layout::ReturnVisits, m, s);
    const std::uint16_t word = recordCopy.Cell(layout::StudyWord, m, s);
    studiesValue = word & layout::StudiesMask;
    participated = (word & layout::ParticipatedBit) ? 1 : 0;
    Check(IdcParticipated, participated != 0);

    credit = MonthStatus(m) == StatusRegularPioneer
                 ? static_cast<std::uint8_t>(recordCopy.Cell(layout::CreditHours, m, s) & 0xFF)
                 : 0;

    QByteArray text;
    noteNumber = group_.FindNote(recordIndex, m, s, &text, false);
    note = DecodeAnsi(text, group_.language);
    // Blanks around the note are not part of it.
    qsizetype begin = 0;
    qsizetype end = note.size();
    auto blank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (begin < end && blank(note[begin]))
        ++begin;
    while (end > begin && blank(note[end - 1]))
        --end;
    note = note.mid(begin, end - begin);

    ApplyCreditRule(hoursValue);

    SetText(IdcVideos, QString::number(videosValue));
    SetText(IdcPubs, QString::number(pubsValue));
    SetText(IdcReturnVisits, QString::number(returnVisitsValue));
    SetText(IdcStudies, QString::number(studiesValue));
    Check(IdcUnderOneHour, false);
    Check(IdcParticipated, participated != 0);
    SetText(IdcHours, QString::number(hoursValue));

    SyncParticipation();
    ShowStatusLabels();
    ShowWarnings();
}

void EntryLogic::SyncParticipation()
{
    const QString t = Control(IdcHours).text;
    if (t.size() > 1 || DecimalValue(t) != 0) {
        Check(IdcParticipated, true);
        participated = 1;
    }
}

void EntryLogic::ShowStatusLabels()
{
    const StatusKind st = MonthStatus(entryMonth);
    static constexpr int kStatusText[] = {0, IDS_STATUS_AUX, IDS_STATUS_REGULAR, IDS_STATUS_SPECIAL};
    SetText(IdcStatus, st == StatusPublisher ? QString() : LoadResString(kStatusText[st]));
    if (st == StatusPublisher || st == StatusAuxPioneer) {
        Check(IdcAuxPioneer, st == StatusAuxPioneer);
        Show(IdcAuxPioneer, true);
        Show(IdcStatus, false);
    } else {
        Show(IdcAuxPioneer, false);
        Show(IdcStatus, true);
    }
    const int a = recordCopy.bytes[layout::Appointment] & 3;
    SetText(IdcAppointment, a == 0 ? QString() : LoadResString(IDS_APPOINTMENT_FIRST + a));
    const auto groupNumber = static_cast<std::int8_t>(recordCopy.bytes[layout::GroupNumber]);
    SetText(IdcGroup, LoadResString(IDS_GROUP) + QStringLiteral(" %1").arg(groupNumber));
    Show(IdcCredit, st == StatusRegularPioneer);
}

void EntryLogic::ShowWarnings()
{
    const int m = entryMonth;
    const int r = group_.reportMonth;
    const int h = hoursValue;
    notCounted = 0;
    isLate = m != r ? 1 : 0;
    Ctl(IdcWarnings).variableFont = true;

    QString w;
    auto append = [&w](const QString& text) { w += QLatin1Char('\n') + text; };
    if (h != 0)
        w = FormatMessage(LoadResString(IDS_WARN_TABULATED), MonthName(m, true), DisplayName());
    if (MonthStatus(r) == StatusSpecialPioneer || MonthStatus(m) == StatusSpecialPioneer) {
        append(LoadResString(IDS_WARN_SPECIAL));
        notCounted = 1;
    } else {
        const QString reportMonthName = MonthName(r, true);
        if (monthListMode == 0 && isLate == 1) {
            if (h != 0 && !group_.IsLateFlagSet(recordIndex, m)) {
                append(FormatMessage(LoadResString(IDS_WARN_NOT_COUNTED), reportMonthName));
                notCounted = 1;
            } else {
                append(FormatMessage(LoadResString(IDS_WARN_COUNTED), reportMonthName));
            }
        }
        if (h != 0 && isLate == 0)
            append(FormatMessage(LoadResString(IDS_WARN_COUNTED), reportMonthName));
    }
    SetText(IdcWarnings, w);
}

void EntryLogic::ApplyCreditRule(int h)
{
    const CreditResult r = ComputeCredit(MonthStatus(entryMonth), h, credit, note);
    credit = r.credit;
    note = r.note;
    creditText = r.creditText;
    if (r.show)
        SetText(IdcCredit, creditText);
}

void EntryLogic::ClickParticipated()
{
    if (ended || !IsShown(IdcParticipated))
        return;
    Check(IdcParticipated, !IsChecked(IdcParticipated));
    ParticipatedChanged();
}

void EntryLogic::ClickAuxPioneer()
{
    if (ended || !IsShown(IdcAuxPioneer))
        return;
    Check(IdcAuxPioneer, !IsChecked(IdcAuxPioneer));
    pioneerFlag = IsChecked(IdcAuxPioneer) ? 1 : 0;
    ApplyVisibility();
    SyncParticipation();
    ParticipatedChanged();
}

void EntryLogic::ParticipatedChanged()
{
    participated = IsChecked(IdcParticipated) ? 1 : 0;
    Show(IdcLabelHours, pioneerFlag != 0 && participated != 0);
    Show(IdcHours, pioneerFlag != 0 && participated != 0);
    Show(IdcLabelStudies, participated == 1);
    Show(IdcStudies, participated == 1);
    if (participated == 0) {
        SetText(IdcHours, QStringLiteral("0"));
        SetText(IdcStudies, QStringLiteral("0"));
        hoursValue = 0;
        studiesValue = 0;
    }
    enterState = 0;
}

} // namespace rekol
