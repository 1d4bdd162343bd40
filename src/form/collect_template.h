#pragma once

#include <QFont>
#include <QRect>

#include <map>
#include <span>

class QWidget;

// The layout of dialog 115, the collection-form preview, as template data in
// dialog units, and the small builder that places its controls.
namespace rekol {

enum class ControlKind { PushButton, OwnerDrawnPanel, EtchedFrame };

struct ControlTemplate {
    ControlKind kind;
    int id; // -1 for controls the code never addresses
    const char* text;
    int x, y, w, h;
};

struct DialogTemplate {
    const char* fontFace;
    int pointSize;
    int width, height;
    std::span<const ControlTemplate> controls;
};

// Control ids of dialog 115.
enum CollectControlId : int {
    IDC_COLLECT_CLOSE = 2,
    IDC_COLLECT_PRINT = 3,
    IDC_COLLECT_PRINT_SETUP = 129,
    IDC_COLLECT_PANEL = 130,
    IDC_COLLECT_PREVIOUS = 1004,
    IDC_COLLECT_NEXT = 1005,
};

extern const DialogTemplate kCollectDialogTemplate;

// Converts dialog units to pixels of a dialog font: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth
// of its height, each rounded as the platform rounds.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    QRect Map(int x, int y, int w, int h) const;
    int X(int units) const;
    int Y(int units) const;

private:
    int baseX_;
    int baseY_;
};

// The template's font.
QFont DialogFont(const DialogTemplate& dialog);

// Creates the template's controls on `dialog`, sized for its font, in
// template order (which is the tab order; the first control lies on top);
// `panel` stands for the owner-drawn control. Returns the controls by id.
std::map<int, QWidget*> BuildDialogControls(QWidget& dialog, const DialogTemplate& dialogTemplate, QWidget* panel);

} // namespace rekol
