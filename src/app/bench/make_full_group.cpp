// Writes a group of the largest size the file allows (127 publishers) with
// phones, addresses, notes and half of the reports in:
// make_full_group OUT
#include "data/builder/group_builder.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_full_group OUT\n");
        return 2;
    }
    rekol::GroupBuilder g(12, 2);
    g.SecretaryEmail("secretario@ejemplo.org");
    const int note = g.AddNote("Enviado por correo");
    for (int i = 1; i <= rekol::layout::MaxPublishers; ++i) {
        const QString n = QString::number(i);
        rekol::PublisherBuilder p = g.AddPublisher(QStringLiteral("Nombre") + n, QStringLiteral("Apellido") + n);
        p.Email(QStringLiteral("p%1@ejemplo.org").arg(i)).Phones(QStringLiteral("555 %1").arg(1000 + i),
                                                                 i % 3 ? QStringLiteral("600 %1").arg(i) : QString());
        if (i % 2)
            p.Report(2, 0, true, i % 4, 0).Report(2, 1, true, i % 4, 0);
        if (i % 10 == 0)
            p.NoteLink(2, 0, note).NoteLink(2, 1, note);
    }
    if (!g.WriteTo(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "make_full_group: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
