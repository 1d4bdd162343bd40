#include "form/collect_template.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>

namespace rekol {
namespace {

// Dialog 115, in dialog units of its font (MS Sans Serif 8 pt, 394 x 202).
constexpr ControlTemplate kCollectControls[] = {
    {ControlKind::PushButton, IDC_COLLECT_CLOSE, "&Close", 320, 184, 66, 14},
    {ControlKind::PushButton, IDC_COLLECT_PRINT, "&Imprimir", 219, 184, 66, 14},
    {ControlKind::PushButton, IDC_COLLECT_PRINT_SETUP, "&Configurar Impresora", 102, 184, 78, 14},
    {ControlKind::OwnerDrawnPanel, IDC_COLLECT_PANEL, "", 6, 4, 383, 173},
    {ControlKind::EtchedFrame, -1, "", 5, 3, 386, 178},
    {ControlKind::PushButton, IDC_COLLECT_PREVIOUS, "< < <", 5, 184, 26, 14},
    {ControlKind::PushButton, IDC_COLLECT_NEXT, "> > >", 40, 184, 26, 14},
};

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

const DialogTemplate kCollectDialogTemplate = {"MS Sans Serif", 8, 394, 202, kCollectControls};

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average width of the 52 Latin letters, rounded.
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
}

int DialogUnits::X(int units) const { return MulDiv(units, baseX_, 4); }

int DialogUnits::Y(int units) const { return MulDiv(units, baseY_, 8); }

QRect DialogUnits::Map(int x, int y, int w, int h) const
{
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + w) - left, Y(y + h) - top);
}

QFont DialogFont(const DialogTemplate& dialog)
{
    QFont font(QString::fromLatin1(dialog.fontFace));
    font.setPointSize(dialog.pointSize);
    return font;
}

std::map<int, QWidget*> BuildDialogControls(QWidget& dialog, const DialogTemplate& dialogTemplate, QWidget* panel)
{
    const DialogUnits units(dialog.font());
    dialog.setFixedSize(units.X(dialogTemplate.width), units.Y(dialogTemplate.height));
    std::map<int, QWidget*> controls;
    for (const ControlTemplate& c : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::PushButton:
            widget = new QPushButton(QString::fromUtf8(c.text), &dialog);
            break;
        case ControlKind::OwnerDrawnPanel:
            widget = panel;
            widget->setParent(&dialog);
            widget->setFocusPolicy(Qt::NoFocus);
            break;
        case ControlKind::EtchedFrame: {
            auto* frame = new QFrame(&dialog);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget = frame;
            break;
        }
        }
        widget->setGeometry(units.Map(c.x, c.y, c.w, c.h));
        // The platform stacks a template's first control on top.
        widget->lower();
        if (c.id != -1)
            controls[c.id] = widget;
    }
    return controls;
}

} // namespace rekol
