#pragma once

#include "res/dialog_template.h"
#include "res/dialog_units.h"

#include <QDialog>

#include <map>

class QPushButton;

namespace rekol {

// A dialog realised from one of the program's templates: its caption, font,
// size and controls are those of the template, positions converted from
// dialog units with the dialog font's base units. Controls are addressed by
// their template ids; those with IDC_STATIC exist but cannot be addressed.
class CTemplateDialog : public QDialog {
    Q_OBJECT

public:
    explicit CTemplateDialog(int templateId, QWidget* parent = nullptr);

    // The control with `id`, or nullptr.
    QWidget* GetDlgItem(int id) const;
    template <class T>
    T* Item(int id) const
    {
        return qobject_cast<T*>(GetDlgItem(id));
    }
    QPushButton* Button(int id) const;

    // Text of a static text, button, check box, group box or edit control.
    void SetDlgItemText(int id, const QString& text);
    QString GetDlgItemText(int id) const;
    void ShowItem(int id, bool show);

    // Puts `widget` in the place of control `id` (position, size, stacking,
    // tab order, visibility); the template's control is deleted. For the
    // owner-drawn panel, which the dialog paints with a widget of its own.
    void ReplaceItem(int id, QWidget* widget);

    const DialogTemplate& Template() const { return *template_; }
    const DialogBaseUnits& BaseUnits() const { return baseUnits_; }

private:
    QWidget* CreateControl(const ControlTemplate& control);

    const DialogTemplate* template_;
    DialogBaseUnits baseUnits_;
    std::map<int, QWidget*> items_;
};

} // namespace rekol
