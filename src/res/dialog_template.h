#pragma once

#include <span>

// The layouts of the program's dialogs, kept as data. Geometry is in dialog
// units: a horizontal unit is a quarter of the dialog font's average
// character width, a vertical unit an eighth of its height.
namespace rekol {

enum DialogId : int {
    IDD_ABOUTBOX = 100,
    IDD_REKOL_DIALOG = 102,
    IDD_ENTRY = 107,
    IDD_COLLECT = 115,
};

// Ids shared by every dialog: the OK (default) and Cancel buttons. Controls
// the code never addresses carry IDC_STATIC.
enum CommonControlId : int {
    IDC_STATIC = -1,
    IDOK = 1,
    IDCANCEL = 2,
};

enum class ControlKind {
    Icon,            // the application icon
    Static,          // a text
    PushButton,
    DefPushButton,   // the button Enter presses
    ListBox,
    AutoCheckBox,
    GroupBox,
    EtchedFrame,
    Edit,
    OwnerDrawButton, // a panel the dialog paints itself
};

enum ControlStyle : unsigned {
    StyleNone = 0,
    AlignCentre = 1u << 0,      // static: text centred
    NoPrefix = 1u << 1,         // static: '&' shown as is
    TextLeft = 1u << 2,         // check box: text left of the box
    CentreBoth = 1u << 3,       // check box: text centred both ways
    Multiline = 1u << 4,        // check box: text wraps
    VScroll = 1u << 5,          // list box: vertical scroll bar
    Border = 1u << 6,
    Notify = 1u << 7,           // list box: reports selection and double click
    Sort = 1u << 8,             // list box: sorted style (never applied, see the builder)
    NoIntegralHeight = 1u << 9, // list box: height as given
    AutoHScroll = 1u << 10,     // edit: scrolls horizontally while typing
    NoTabStop = 1u << 11,
    Flat = 1u << 12,
};

enum DialogStyle : unsigned {
    DialogCaption = 1u << 0,
    DialogSysMenu = 1u << 1,
    DialogModalFrame = 1u << 2,
    DialogAppWindow = 1u << 3, // shown in the task bar
    DialogVisible = 1u << 4,
};

struct ControlTemplate {
    ControlKind kind;
    int id;
    const char* text; // UTF-8
    int x, y, w, h;
    unsigned style;
    bool hidden; // created invisible; only the code shows it
};

struct DialogTemplate {
    int id;
    const char* caption; // UTF-8; empty when set at run time
    const char* fontFace;
    int pointSize;
    int width, height;
    unsigned style;
    std::span<const ControlTemplate> controls;
};

// The template of dialog `id`, or nullptr for an unknown id.
const DialogTemplate* FindDialogTemplate(int id);

// Static texts, group boxes, frames and the owner-drawn panel are skipped by
// the Tab key; every other control is a tab stop.
bool IsTabStop(const ControlTemplate& control);

} // namespace rekol
