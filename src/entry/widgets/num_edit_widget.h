#pragma once

#include <QLineEdit>

namespace rekol {

// The number boxes 139..143 of the report entry. Typed characters and the
// left and right arrow keys are not processed here: they go to the entry
// logic (its character filter and KeyNav), which sets the box's text and
// selection. Every other key is the line edit's own.
class CNumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumEdit(QWidget* parent = nullptr);

signals:
    void charTyped(QChar c);
    void arrowKey(bool right);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace rekol
