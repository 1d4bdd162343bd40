#include "res/widgets/template_dialog.h"
#include "res/widgets/app_icon.h"
#include "res/widgets/dialog_font.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include <stdexcept>

namespace rekol {
namespace {

const DialogTemplate& TemplateOrThrow(int id)
{
    const DialogTemplate* t = FindDialogTemplate(id);
    if (!t)
        throw std::invalid_argument("unknown dialog template");
    return *t;
}

Qt::WindowFlags WindowFlagsFor(const DialogTemplate& t)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (t.style & DialogCaption)
        flags |= Qt::WindowTitleHint;
    if (t.style & DialogSysMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    return flags;
}

// Breaks `text` at blanks into lines no wider than `width`, as a multi-line
// button text wraps.
QString WrapWords(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines.append(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines.join(QLatin1Char('\n'));
}

QWidget* MakeStatic(const ControlTemplate& c, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(c.text), parent);
    label->setTextFormat(Qt::PlainText);
    // Static texts wrap at word boundaries and start at their top edge.
    label->setWordWrap(true);
    label->setAlignment(((c.style & AlignCentre) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QWidget* MakeCheckBox(const ControlTemplate& c, QWidget* parent, const QRect& rect)
{
    auto* box = new QCheckBox(parent);
    QString text = QString::fromUtf8(c.text);
    if (c.style & TextLeft)
        box->setLayoutDirection(Qt::RightToLeft);
    if (c.style & Multiline) {
        // Room left beside the box itself.
        const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                              box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
        text = WrapWords(text, QFontMetrics(parent->font()), rect.width() - indicator);
    }
    box->setText(text);
    return box;
}

QWidget* MakeListBox(const ControlTemplate& c, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    // Lines are inserted in the order the code chooses; the template's sort
    // style is not applied.
    list->setSortingEnabled(false);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy((c.style & VScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!(c.style & Border))
        list->setFrameShape(QFrame::NoFrame);
    return list;
}

QWidget* MakeFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

} // namespace

CTemplateDialog::CTemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent)
    , template_(&TemplateOrThrow(templateId))
{
    setWindowFlags(WindowFlagsFor(*template_));
    if (*template_->caption)
        setWindowTitle(QString::fromUtf8(template_->caption));
    setFont(DialogFont(*template_));
    baseUnits_ = MeasureBaseUnits(font());
    setFixedSize(MapDialogRect(QRect(0, 0, template_->width, template_->height), baseUnits_).size());

    std::vector<QWidget*> backdrops;
    for (const ControlTemplate& control : template_->controls) {
        QWidget* widget = CreateControl(control);
        widget->setFocusPolicy(IsTabStop(control) ? Qt::StrongFocus : Qt::NoFocus);
        if (control.hidden)
            widget->setVisible(false);
        if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::EtchedFrame)
            backdrops.push_back(widget);
        if (control.id != IDC_STATIC)
            items_[control.id] = widget;
    }
    // Group boxes and frames only draw around other controls: keep them
    // underneath and let clicks pass through them.
    for (QWidget* backdrop : backdrops) {
        backdrop->lower();
        backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

QWidget* CTemplateDialog::CreateControl(const ControlTemplate& c)
{
    const QRect rect = MapDialogRect(QRect(c.x, c.y, c.w, c.h), baseUnits_);
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::Icon: {
        auto* icon = new QLabel(this);
        icon->setPixmap(AppIcon().pixmap(32, 32));
        // An icon control takes the size of the icon.
        widget = icon;
        widget->setGeometry(QRect(rect.topLeft(), QSize(32, 32)));
        return widget;
    }
    case ControlKind::Static:
        widget = MakeStatic(c, this);
        break;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(QString::fromUtf8(c.text), this);
        button->setAutoDefault(true);
        button->setDefault(c.kind == ControlKind::DefPushButton);
        widget = button;
        break;
    }
    case ControlKind::ListBox:
        widget = MakeListBox(c, this);
        break;
    case ControlKind::AutoCheckBox:
        widget = MakeCheckBox(c, this, rect);
        break;
    case ControlKind::GroupBox:
        widget = new QGroupBox(QString::fromUtf8(c.text), this);
        break;
    case ControlKind::EtchedFrame:
        widget = MakeFrame(this);
        break;
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setFrame((c.style & Border) != 0);
        widget = edit;
        break;
    }
    case ControlKind::OwnerDrawButton:
        widget = new QWidget(this);
        break;
    }
    widget->setGeometry(rect);
    return widget;
}

QWidget* CTemplateDialog::GetDlgItem(int id) const
{
    const auto it = items_.find(id);
    return it == items_.end() ? nullptr : it->second;
}

QPushButton* CTemplateDialog::Button(int id) const { return Item<QPushButton>(id); }

void CTemplateDialog::SetDlgItemText(int id, const QString& text)
{
    QWidget* w = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
}

QString CTemplateDialog::GetDlgItemText(int id) const
{
    QWidget* w = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    return {};
}

void CTemplateDialog::ShowItem(int id, bool show)
{
    if (QWidget* w = GetDlgItem(id))
        w->setVisible(show);
}

void CTemplateDialog::ReplaceItem(int id, QWidget* widget)
{
    QWidget* old = GetDlgItem(id);
    if (!old || !widget)
        return;
    widget->setParent(this);
    widget->setGeometry(old->geometry());
    widget->setFocusPolicy(old->focusPolicy());
    widget->stackUnder(old);
    if (old->focusPolicy() != Qt::NoFocus)
        QWidget::setTabOrder(old, widget);
    widget->setVisible(!old->isHidden());
    items_[id] = widget;
    delete old;
}

} // namespace rekol
