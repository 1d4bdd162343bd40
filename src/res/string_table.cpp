#include "res/string_table.h"

#include <QHash>

namespace rekol {
namespace {

struct Entry {
    int id;
    const char* text; // UTF-8
};

// The Spanish string table. A few texts stay English on purpose.
constexpr Entry kStrings[] = {
    {101, "&Acerca de Rekol..."},
    {102, "Enero"},
    {103, "Febrero"},
    {104, "Marzo"},
    {105, "Abril"},
    {106, "Mayo"},
    {107, "Junio"},
    {108, "Julio"},
    {109, "Agosto"},
    {110, "Septiembre"},
    {111, "Octubre"},
    {112, "Noviembre"},
    {113, "Diciembre"},
    {114, "Cambio de &Mes ( Informe Tardío )"},
    {1000, "Entrar el Informe - %1"},
    {1001, "Sin Informar en %1"},
    {1002, "Escoger Archivo del Secretario"},
    {1003, "Archivos 'Recoger' del Secretario (.k09)"},
    {1014, "Horas"},
    {1019, "Notas"},
    {1020, "PAux"},
    {1023, "Siervo Ministerial"},
    {1024, "Anciano"},
    {1025, "Otro Hermano"},
    {1026, "Precursor Auxiliar"},
    {1027, "Precursor Regular"},
    {1028, "Auxiliar Indefinido"},
    {1029, "Special Pioneer"},
    {1030, "- AVISO -   Ya se tabuló el informe de %1 para %2."},
    {1031, "Cualquier cambio NO aparacerá en el informe de %1 a la Sucursal."},
    {1032, "Cualquier cambio aparecerá en el informe de %1 a la Sucursal."},
    {1033, "No hay suficiente espacio para notas."},
    {1038, "Sus archivos puestos al día se resguardaron en el archivo %1"},
    {1039, "\n\nHaga Clic en 'Yes' para enviar e-mail del archivo .k19 a "},
    {1040, "Haga Clic en No para enviar el archivo al secretario más tarde."},
    {1041, ",\n\n       o\n\n"},
    {1042, "Archivo de Recogidos"},
    {1043, "archivo .k19 para"},
    {1058, "Grupo"},
    {1059, "Ayudas para usar Rekol\n\nObtenga del Secretario un archivo Grupo.k09 para el mes que va a "
           "recoger informes.  "},
    {1060, "Descargue el archivo Rekol en el Icono de Rekol o ejecute Rekol y use 'Descargar Listado "
           "del Secretario' para abrir el archivo.\n\n"},
    {1061, "Le será más fácil si usa el teclado para entrar sus informes. Escriba las primeras dos o "
           "tres letras del apellido. use las flechas arriba/abajo (up/down) para escoger el nombre y "
           "presione Entrar (Enter).\n\n"},
    {1062, "Entre el informe terminando cada entrada con la tecla Entrar (Enter). Presione Entrar "
           "(Enter) después de la última entrada para regresar a la lista.\n\n"},
    {1063, "Para entrar Notas, presione Alt-N o haga Clic en el botón de Notas. Finalice con la tecla "
           "Enter.\n\nPara entrar un informe tardío use Alt-M o cambie el mes a entrar.\n\n"},
    {1064, "Si tiene acceso a un Modem puede usar el botón Marcar. use el botón '> > >' para escoger "
           "números adiconales de teléfono.\n\n"},
    {1065, "Si se ha configurado correctamente Cliente email MAPI, puede enviar sus resultados "
           "directamente desde el programa.\n\n"},
    {1066, "De otro modo, tendrá que que añadir su archivo manualnmente a su correo electrónico "
           "(e-mail) o entregarlo personalmente al secretario."},
    {1116, "Total Publicadores"},
    {1167, "Nombre"},
    {1168, "Telephone"},
    {1188, "Informes %1"},
    {1194, "Precursores Especiales NO aparacerá en el informe a la Sucursal."},
    {1198, "esp"},
    {1231, "Incapaz crear el archivo nuevo: %1.\nQuite el atributo 'read-only' del directorio / del "
           "archivo u obtenga el permiso de crear archivos en este directorio."},
    {1232, "Group has less than 3 publishers"},
    {1247, "Report Collection Form"},
    {1415, "Pubs"},
    {1416, "Videos"},
    {1417, "Horas"},
    {1418, "R.V.s"},
    {1419, "Cr.Bi."},
    {1422, "Por favor envíe su informe de %1. \nGracias."},
    {1495, "Participó durante el mes en alguna forma del ministerio"},
    {1500, "Particip."},
    // Files that lie outside the group file format.
    {2001, "El archivo %1 no es un listado válido del secretario: indica %2 publicadores (como máximo "
           "127).\nEl archivo no se abrió."},
    {2002, "El archivo %1 no es un listado válido del secretario: indica el mes número %2 (de 0 a "
           "11).\nEl archivo no se abrió."},
    {2003, "Configurar correo electrónico..."},
    {61840, "Unable to load mail system support."},
    {61841, "Mail system DLL is invalid."},
    {61842, "Send Mail failed to send message."},
};

const QHash<int, QString>& Table()
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        for (const Entry& e : kStrings)
            t.insert(e.id, QString::fromUtf8(e.text));
        return t;
    }();
    return table;
}

} // namespace

QString LoadResString(int id, int argId)
{
    QString text = Table().value(id);
    if (argId != 0)
        text.replace(QLatin1String("%1"), Table().value(argId));
    return text;
}

QString FormatMessage(const QString& text, const QString& arg1, const QString& arg2)
{
    QString out;
    out.reserve(text.size() + arg1.size() + arg2.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && (text[i + 1] == u'1' || text[i + 1] == u'2')) {
            out += text[i + 1] == u'1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace rekol
