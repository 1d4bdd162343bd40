// Writes a group of the largest size the format allows, with telephones,
// reports and notes of every kind the form draws: make_bench_group OUT.k09
#include "data/builder/group_builder.h"

#include <cstdio>

using namespace rekol;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bench_group OUT.k09\n");
        return 2;
    }
    const int month = 2;
    GroupBuilder g(5, month);
    const int shortNote = g.AddNote("Enfermo");
    const int longNote = g.AddNote("15 Escuela de precursores");
    const int tooLong = g.AddNote("Visitas con el superintendente de circuito");
    for (int i = 1; i <= layout::MaxPublishers; ++i) {
        PublisherBuilder p = g.AddPublisher(QString::fromUtf8("Publicador%1").arg(i), QString::fromUtf8("Muñoz"));
        p.Phones(QStringLiteral("555 %1").arg(1000 + i), i % 3 == 0 ? QStringLiteral("600 %1").arg(2000 + i) : QString());
        p.StatusAll(i % 5 == 0 ? StatusAuxPioneer : StatusPublisher);
        for (int s = 0; s < 2; ++s) {
            if (i % 4 != 0)
                p.Report(month, s, true, i % 4, i % 5 == 0 ? 30 + i % 20 : 0);
            if (i % 7 == 0)
                p.NoteLink(month, s, i % 2 ? shortNote : (i % 3 ? longNote : tooLong));
        }
    }
    return g.WriteTo(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
