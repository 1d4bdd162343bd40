#include "entry/widgets/entry_dlg.h"
#include "entry/widgets/num_edit_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace rekol {
namespace {

constexpr int kNumberBoxes[] = {IdcPubs, IdcVideos, IdcHours, IdcReturnVisits, IdcStudies};

// The platform's stock variable-pitch font: the desktop's proportional UI
// font.
QFont VariableFont() { return QFontDatabase::systemFont(QFontDatabase::GeneralFont); }

bool IsEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CEntryDlg::CEntryDlg(GroupData& group, EntryOwner& owner, int recordIndex, QWidget* parent)
    : CTemplateDialog(IDD_ENTRY, parent)
    , logic_(group, owner, recordIndex)
{
    for (int id : kNumberBoxes)
        ReplaceItem(id, new CNumEdit(this));
    for (const ControlTemplate& control : Template().controls) {
        if (control.id == IDC_STATIC)
            continue;
        QWidget* widget = GetDlgItem(control.id);
        widget->installEventFilter(this);
        widget->setToolTip(logic_.ToolTip(control.id));
    }
    ConnectControls();
    Forward([this] { logic_.Open(); });
}

void CEntryDlg::ConnectControls()
{
    auto onClick = [this](int id, auto command) {
        connect(Button(id), &QPushButton::clicked, this, [this, command] { Forward([this, command] { (logic_.*command)(); }); });
    };
    onClick(IdcOk, &EntryLogic::OnEnter);
    onClick(IdcNotes, &EntryLogic::OpenNoteEditor);
    onClick(IdcMonthButton, &EntryLogic::OpenMonthList);
    onClick(IdcMonthListOk, &EntryLogic::CloseMonthList);
    connect(Button(IdcCancel), &QPushButton::clicked, this, &CEntryDlg::reject);

    connect(Item<QCheckBox>(IdcParticipated), &QCheckBox::clicked, this,
            [this] { Forward([this] { logic_.ClickParticipated(); }); });
    connect(Item<QCheckBox>(IdcAuxPioneer), &QCheckBox::clicked, this,
            [this] { Forward([this] { logic_.ClickAuxPioneer(); }); });

    for (int id : kNumberBoxes) {
        auto* box = Item<CNumEdit>(id);
        connect(box, &CNumEdit::charTyped, this, [this, id](QChar c) { Forward([this, id, c] { logic_.TypeChar(id, c); }); });
        connect(box, &CNumEdit::arrowKey, this, [this](bool right) { Forward([this, right] { logic_.KeyNav(right); }); });
    }
    for (int id : {IdcPubs, IdcVideos, IdcHours, IdcReturnVisits, IdcStudies, IdcNoteEdit}) {
        auto* edit = Item<QLineEdit>(id);
        // What the box's own processing does (the note being typed, the
        // Delete key, pasting, the mouse) is handed back to the logic.
        connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
            Forward([this, id, text] {
                logic_.SetEditText(id, text);
                ReportSelection(id);
            });
        });
        connect(edit, &QLineEdit::cursorPositionChanged, this, [this, id] {
            if (busy_ == 0)
                ReportSelection(id);
        });
        connect(edit, &QLineEdit::selectionChanged, this, [this, id] {
            if (busy_ == 0)
                ReportSelection(id);
        });
    }

    auto* months = Item<QListWidget>(IdcMonthList);
    connect(months, &QListWidget::currentRowChanged, this,
            [this](int row) { Forward([this, row] { logic_.SelectMonth(row); }); });
    connect(months, &QListWidget::itemDoubleClicked, this, [this] { Forward([this] { logic_.CloseMonthList(); }); });
}

void CEntryDlg::Forward(const std::function<void()>& handler)
{
    if (busy_ != 0 || closing_)
        return;
    ++busy_;
    handler();
    Render();
    --busy_;
}

void CEntryDlg::Render()
{
    setWindowTitle(logic_.caption);
    for (const ControlTemplate& control : Template().controls)
        if (control.id != IDC_STATIC)
            RenderControl(logic_.Control(control.id));
    if (logic_.ended) {
        closing_ = true;
        done(logic_.stored ? Accepted : Rejected);
        return;
    }
    QWidget* target = GetDlgItem(logic_.focus);
    if (target && (focusWidget() != target || !target->hasFocus()))
        target->setFocus(Qt::OtherFocusReason);
}

void CEntryDlg::RenderControl(const EntryControl& c)
{
    QWidget* widget = GetDlgItem(c.id);
    if (!widget)
        return;
    if (widget->isHidden() == c.visible)
        widget->setVisible(c.visible);
    if (c.variableFont && widget->font() != VariableFont())
        widget->setFont(VariableFont());
    switch (c.kind) {
    case EntryControlKind::Static:
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->text() != c.text)
            label->setText(c.text);
        break;
    case EntryControlKind::PushButton:
        if (auto* button = qobject_cast<QPushButton*>(widget); button && button->text() != c.text)
            button->setText(c.text);
        break;
    case EntryControlKind::CheckBox:
        // The check boxes' texts are the template's, wrapped to fit.
        if (auto* box = qobject_cast<QCheckBox*>(widget); box && box->isChecked() != c.checked)
            box->setChecked(c.checked);
        break;
    case EntryControlKind::Edit:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != c.text)
                edit->setText(c.text);
            if (c.selectionLength > 0) {
                if (edit->selectionStart() != c.selectionStart || edit->selectionLength() != c.selectionLength)
                    edit->setSelection(c.selectionStart, c.selectionLength);
            } else if (edit->hasSelectedText() || edit->cursorPosition() != c.selectionStart) {
                edit->setCursorPosition(c.selectionStart);
            }
        }
        break;
    case EntryControlKind::ListBox:
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            const QSignalBlocker quiet(list);
            QStringList lines;
            for (int row = 0; row < list->count(); ++row)
                lines << list->item(row)->text();
            if (lines != c.lines) {
                list->clear();
                list->addItems(c.lines);
            }
            if (list->currentRow() != c.currentRow)
                list->setCurrentRow(c.currentRow);
        }
        break;
    }
}

void CEntryDlg::ReportSelection(int id)
{
    const auto* edit = Item<QLineEdit>(id);
    if (edit->hasSelectedText())
        logic_.SetSelection(id, edit->selectionStart(), edit->selectionLength());
    else
        logic_.SetSelection(id, edit->cursorPosition(), 0);
}

int CEntryDlg::IdOf(const QObject* widget) const
{
    for (const ControlTemplate& control : Template().controls)
        if (control.id != IDC_STATIC && GetDlgItem(control.id) == widget)
            return control.id;
    return 0;
}

void CEntryDlg::ReportFocus(QWidget* widget)
{
    const int id = IdOf(widget);
    if (id != 0 && id != logic_.focus)
        Forward([this, id] { logic_.SetFocus(id); });
}

bool CEntryDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterKey(event)) {
        // Every control's Enter goes to the logic, a focused push button's
        // included: it knows which command that button issues.
        Forward([this] { logic_.PressEnter(); });
        return true;
    }
    if (event->type() == QEvent::FocusIn && busy_ == 0 && !closing_)
        ReportFocus(static_cast<QWidget*>(watched));
    return CTemplateDialog::eventFilter(watched, event);
}

void CEntryDlg::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event)) {
        Forward([this] { logic_.PressEnter(); });
        return;
    }
    CTemplateDialog::keyPressEvent(event);
}

bool CEntryDlg::focusNextPrevChild(bool next)
{
    // Hiding the focused control moves the focus on by itself; the logic
    // then says where it goes.
    if (busy_ != 0 || closing_)
        return CTemplateDialog::focusNextPrevChild(next);
    Forward([this, next] { logic_.Tab(next); });
    return true;
}

void CEntryDlg::reject()
{
    if (closing_) {
        CTemplateDialog::reject();
        return;
    }
    Forward([this] { logic_.Cancel(); });
}

} // namespace rekol
