#include "tools/demo_group.h"

#include <cstdio>

// Writes the demo group file: make_demo_group OUT [YYYY-MM-DD]
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_demo_group OUT [YYYY-MM-DD]\n");
        return 2;
    }
    const QDate today = argc > 2 ? QDate::fromString(QString::fromUtf8(argv[2]), Qt::ISODate) : QDate::currentDate();
    if (!today.isValid() || !rekol::MakeDemoGroup(today).WriteTo(QString::fromUtf8(argv[1]))) {
        std::fprintf(stderr, "make_demo_group: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
