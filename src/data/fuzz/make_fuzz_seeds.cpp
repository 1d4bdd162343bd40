// Writes a small seed corpus of group files into a folder.
#include "data/builder/group_builder.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
        return 2;
    }
    const QDir dir(QString::fromUtf8(argv[1]));
    if (!QDir().mkpath(dir.path()))
        return 1;

    rekol::GroupBuilder small(5, 2);
    small.SecretaryEmail("secretario@example.org");
    small.AddPublisher("Ana", "Ruiz").Email("ana@example.org").Phones("5551234", "123", "5559999");
    small.AddPublisher(QString::fromUtf8("José"), QString::fromUtf8("Muñoz"))
        .StatusAll(rekol::StatusRegularPioneer)
        .Report(2, 0, true, 2, 30)
        .NoteLink(2, 0, small.AddNote("20 escuela"))
        .Late(1);

    rekol::GroupBuilder full(9, 11);
    for (int i = 0; i < 127; ++i)
        full.AddPublisher(QStringLiteral("Nombre%1").arg(i), QStringLiteral("Apellido%1").arg(i))
            .Phones(QStringLiteral("555%1").arg(1000 + i), QString(15, QLatin1Char('9')), QStringLiteral("600123"))
            .Email(QString(62, QLatin1Char('x')))
            .NoteLink(i % 12, i % 2, i + 1);
    for (int k = 0; k < 127; ++k)
        full.AddNote(QByteArray(36, 'n'));

    rekol::GroupBuilder empty(1, 0);

    const struct {
        const char* name;
        QByteArray bytes;
    } seeds[] = {
        {"small.k09", small.Build()},
        {"full.k09", full.Build()},
        {"empty.k09", empty.Build()},
        {"header-only.k09", small.Build().left(816)},
        {"cut.k09", full.Build().left(816 * 3 + 100)},
    };
    for (const auto& seed : seeds) {
        QFile f(dir.filePath(QString::fromUtf8(seed.name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(seed.bytes) != seed.bytes.size())
            return 1;
    }
    return 0;
}
