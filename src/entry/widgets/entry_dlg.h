#pragma once

#include "entry/entry_logic.h"
#include "res/widgets/template_dialog.h"

#include <functional>

namespace rekol {

// The report entry dialog (template IDD_ENTRY): one publisher's report for
// one month. Every rule is EntryLogic's; this class forwards each event of
// the controls to it and then shows the state it leaves: texts, ticks,
// visibility, edit selections, the focus, and the end of the dialog.
//
// The keyboard follows the dialog manager the entry was designed for: Enter
// is the OK command wherever the focus is, except on another push button,
// which then runs its own command; Escape cancels; Tab and Shift+Tab go
// through the logic's tab order, which skips hidden controls.
class CEntryDlg : public CTemplateDialog {
    Q_OBJECT

public:
    CEntryDlg(GroupData& group, EntryOwner& owner, int recordIndex, QWidget* parent = nullptr);

    const EntryLogic& Logic() const { return logic_; }

    void reject() override;

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ConnectControls();
    // Runs one event of the logic and shows what it changed. Focus changes
    // the widgets make while this runs are the dialog's own, not the user's.
    void Forward(const std::function<void()>& handler);
    void Render();
    void RenderControl(const EntryControl& control);
    void ReportFocus(QWidget* widget);
    void ReportSelection(int id);
    int IdOf(const QObject* widget) const;

    EntryLogic logic_;
    int busy_ = 0;
    bool closing_ = false;
};

} // namespace rekol
