#include "res/dialog_template.h"

namespace rekol {
namespace {

using K = ControlKind;

constexpr unsigned kListStyle = VScroll | Border | Notify | Sort | NoIntegralHeight;
constexpr unsigned kEditStyle = AutoHScroll | Border;

constexpr ControlTemplate kAbout[] = {
    {K::Icon, IDC_STATIC, "", 11, 11, 20, 20, StyleNone, false},
    {K::Static, IDC_STATIC, "Rekol Version 5a", 40, 10, 91, 8, NoPrefix, false},
    {K::Static, IDC_STATIC, "Copyright © 2025", 40, 24, 70, 8, StyleNone, false},
    {K::DefPushButton, IDOK, "OK", 145, 15, 30, 14, StyleNone, false},
    {K::Static, IDC_STATIC, "Consultas: el secretario de su congregación", 10, 41, 167, 8, StyleNone, false},
};

constexpr ControlTemplate kMain[] = {
    {K::DefPushButton, IDOK, "OK", 138, 135, 171, 14, StyleNone, false},
    {K::PushButton, IDCANCEL, "Salirse de la aplicación", 228, 177, 82, 13, StyleNone, false},
    {K::ListBox, 138, "", 10, 10, 118, 139, kListStyle, false},
    {K::AutoCheckBox, 162, "Limite Lista a 'Sin Informe'", 148, 107, 154, 10, StyleNone, false},
    {K::GroupBox, IDC_STATIC, " Último publicador registrado ", 10, 162, 118, 29, StyleNone, false},
    {K::Static, 133, "", 18, 175, 103, 9, AlignCentre, false},
    {K::PushButton, 3, "Descargar Listado del Secretario", 138, 10, 171, 13, StyleNone, false},
    {K::PushButton, 4, "Enviar informes al Secretario", 138, 46, 171, 13, StyleNone, false},
    {K::Static, 1000, "", 148, 92, 152, 8, StyleNone, false},
    {K::Static, 1001, "", 148, 75, 152, 8, StyleNone, false},
    {K::Static, 1002, "", 182, 159, 82, 8, AlignCentre, false},
    {K::PushButton, 1003, "Marcar", 138, 156, 37, 13, StyleNone, true},
    {K::PushButton, 1004, "> > >", 272, 156, 37, 13, StyleNone, true},
    {K::PushButton, 1005, "Ayuda", 137, 177, 84, 13, StyleNone, false},
    {K::EtchedFrame, IDC_STATIC, "", 138, 64, 172, 61, StyleNone, false},
    {K::PushButton, 5, "Ver o Imprimir Lista para Recoger", 138, 28, 171, 13, StyleNone, false},
    {K::PushButton, 1006, "", 137, 195, 173, 13, StyleNone, true},
    {K::PushButton, 1007, "Vista previa del correo electrónico", 9, 195, 118, 13, StyleNone, true},
};

constexpr ControlTemplate kEntry[] = {
    {K::AutoCheckBox, 1126, "Participó en del ministerio", 16, 54, 53, 16, TextLeft | CentreBoth | Multiline, false},
    {K::Edit, 139, "", 14, 55, 26, 12, kEditStyle, false},
    {K::Edit, 140, "", 45, 55, 26, 12, kEditStyle, false},
    {K::Edit, 141, "", 76, 55, 26, 12, kEditStyle, false},
    {K::Edit, 142, "", 106, 55, 26, 12, kEditStyle, false},
    {K::Edit, 143, "", 137, 55, 26, 12, kEditStyle, false},
    {K::DefPushButton, IDOK, "&OK", 212, 81, 54, 14, StyleNone, false},
    {K::PushButton, IDCANCEL, "&Cancelar", 212, 57, 54, 14, StyleNone, false},
    {K::GroupBox, IDC_STATIC, "", 10, 30, 157, 44, StyleNone, false},
    {K::Static, 146, "", 151, 6, 51, 9, AlignCentre, false},
    {K::Static, 147, "", 14, 42, 25, 10, AlignCentre, false},
    {K::Static, 148, "", 45, 42, 25, 10, AlignCentre, false},
    {K::Static, 149, "", 76, 42, 25, 10, AlignCentre, false},
    {K::Static, 150, "", 106, 42, 25, 10, AlignCentre, false},
    {K::Static, 151, "", 137, 42, 25, 10, AlignCentre, false},
    {K::EtchedFrame, IDC_STATIC, "", 150, 3, 54, 15, StyleNone, false},
    {K::Static, 154, "", 17, 7, 120, 8, StyleNone, false},
    {K::EtchedFrame, IDC_STATIC, "", 10, 3, 133, 15, StyleNone, false},
    {K::Static, 155, "", 128, 22, 74, 8, StyleNone, false},
    {K::Static, 156, "", 10, 22, 109, 8, StyleNone, false},
    {K::ListBox, 158, "", 212, 3, 54, 99, Border | Notify | NoIntegralHeight, false},
    {K::PushButton, 129, "", 10, 81, 118, 14, StyleNone, false},
    {K::GroupBox, IDC_STATIC, "", 10, 101, 256, 41, StyleNone, false},
    {K::Static, 159, "", 15, 110, 245, 28, StyleNone, false},
    {K::PushButton, 160, "&OK", 65, 81, 50, 14, StyleNone, false},
    {K::PushButton, 3, "&Notas", 212, 34, 54, 14, StyleNone, false},
    {K::Edit, 163, "", 22, 82, 116, 13, kEditStyle, false},
    {K::Static, 270, "", 214, 6, 46, 10, AlignCentre, false},
    {K::Static, 152, "", 143, 83, 56, 9, AlignCentre, false},
    {K::AutoCheckBox, 1050, "Precursor Auxiliar", 124, 22, 84, 10, StyleNone, true},
    {K::AutoCheckBox, 1125, "<1h", 172, 56, 32, 10, StyleNone, false},
};

constexpr ControlTemplate kCollect[] = {
    {K::PushButton, IDCANCEL, "&Close", 320, 184, 66, 14, StyleNone, false},
    {K::PushButton, 3, "&Imprimir", 219, 184, 66, 14, StyleNone, false},
    {K::PushButton, 129, "&Configurar Impresora", 102, 184, 78, 14, StyleNone, false},
    {K::OwnerDrawButton, 130, "", 6, 4, 383, 173, Flat | NoTabStop, false},
    {K::EtchedFrame, IDC_STATIC, "", 5, 3, 386, 178, StyleNone, false},
    {K::PushButton, 1004, "< < <", 5, 184, 26, 14, StyleNone, false},
    {K::PushButton, 1005, "> > >", 40, 184, 26, 14, StyleNone, false},
};

constexpr unsigned kChildDialog = DialogVisible | DialogCaption | DialogModalFrame;

constexpr DialogTemplate kTemplates[] = {
    {IDD_ABOUTBOX, "Acerca de Rekol", "MS Sans Serif", 10, 184, 58, DialogCaption | DialogModalFrame, kAbout},
    {IDD_REKOL_DIALOG, "Informes del Servicio del Campo", "MS Sans Serif", 10, 320, 213,
     DialogVisible | DialogCaption | DialogSysMenu | DialogModalFrame | DialogAppWindow, kMain},
    {IDD_ENTRY, "", "MS Sans Serif", 10, 275, 146, kChildDialog, kEntry},
    {IDD_COLLECT, "", "MS Sans Serif", 8, 394, 202, kChildDialog, kCollect},
};

} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate& t : kTemplates) {
        if (t.id == id)
            return &t;
    }
    return nullptr;
}

bool IsTabStop(const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::Static:
    case ControlKind::Icon:
    case ControlKind::GroupBox:
    case ControlKind::EtchedFrame:
    case ControlKind::OwnerDrawButton:
        return false;
    default:
        return (control.style & NoTabStop) == 0;
    }
}

} // namespace rekol
