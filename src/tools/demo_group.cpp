#include "tools/demo_group.h"

namespace rekol {

GroupBuilder MakeDemoGroup(QDate today)
{
    const int month = today.month() == 1 ? 11 : today.month() - 2;
    const int previous = month == 0 ? 11 : month - 1;
    GroupBuilder g(5, month);
    g.SecretaryEmail("secretario@ejemplo.org");

    struct Person {
        const char* first;
        const char* last;
        StatusKind status;
        int appointment;
        const char* email;
        const char* phone1;
        const char* phone2;
        const char* phone3;
    };
    // UTF-8 literals; the builder stores them in Windows-1252.
    const Person people[] = {
        {"Ana", "Ruiz", StatusPublisher, 0, "ana.ruiz@ejemplo.org", "555-1234", "", ""},
        {"José", "Muñoz", StatusRegularPioneer, 1, "jose.munoz@ejemplo.org", "91 555 0101", "600 123 456", ""},
        {"María", "García", StatusPublisher, 0, "", "5550199", "", ""},
        {"Luis", "Fernández", StatusAuxPioneer, 0, "luis@ejemplo.org", "12345", "", "555 7788"},
        {"Carmen", "López", StatusPublisher, 0, "carmen.lopez@ejemplo", "555 2020", "", ""},
        {"Antonio", "Martínez", StatusPublisher, 2, "antonio@ejemplo.org", "555 3030", "611 222 333", "91 555 4040"},
        {"Isabel", "Sánchez", StatusRegularPioneer, 0, "isabel@ejemplo.org", "", "", ""},
        {"Francisco", "Pérez", StatusPublisher, 3, "", "555 5050", "", ""},
        {"Lucía", "Gómez", StatusPublisher, 0, "lucia.gomez@ejemplo.org", "555 6060", "", ""},
        {"Javier", "Díaz", StatusSpecialPioneer, 2, "javier@ejemplo.org", "555 7070", "", ""},
        {"Pilar", "Hernández", StatusPublisher, 0, "", "", "", ""},
        {"Manuel", "Álvarez", StatusPublisher, 1, "manuel@ejemplo.org", "555 8080", "", ""},
        {"Rosa", "Jiménez", StatusAuxPioneer, 0, "rosa@ejemplo.org", "555 9090", "", ""},
        {"Pedro", "Moreno", StatusPublisher, 0, "pedro@ejemplo.org", "1234", "", ""},
        {"Elena", "Romero", StatusPublisher, 0, "elena.romero@ejemplo.org", "555 1111", "", ""},
        {"Miguel", "Navarro", StatusPublisher, 2, "", "555 2222", "555 2223", ""},
        {"Teresa", "Torres", StatusRegularPioneer, 0, "teresa@ejemplo.org", "555 3333", "", ""},
        {"Ángel", "Domínguez", StatusPublisher, 0, "angel@ejemplo.org", "555 4444", "", ""},
        {"Dolores", "Vázquez", StatusPublisher, 0, "", "555 5555", "", ""},
        {"Rafael", "Ramos", StatusPublisher, 3, "rafael@ejemplo.org", "555 6666", "", ""},
        {"Cristina", "Gil", StatusPublisher, 0, "cristina@ejemplo.org", "", "", "555 7777"},
        {"Sergio", "Serrano", StatusPublisher, 1, "sergio@ejemplo.org", "555 8888", "", ""},
        {"Nuria", "Molina", StatusPublisher, 0, "nuria@ejemplo.org", "555 9999", "", ""},
        {"Andrés", "Ortega", StatusPublisher, 0, "", "555 0000", "", ""},
        {"Begoña", "Castillo", StatusPublisher, 0, "begona@ejemplo.org", "555 1212", "", ""},
    };
    for (const Person& p : people) {
        g.AddPublisher(QString::fromUtf8(p.first), QString::fromUtf8(p.last))
            .StatusAll(p.status)
            .Appointment(p.appointment)
            .Email(QString::fromUtf8(p.email))
            .Phones(QString::fromUtf8(p.phone1), QString::fromUtf8(p.phone2), QString::fromUtf8(p.phone3));
    }

    auto publisher = [&](int i) { return PublisherBuilder(g.publishers[static_cast<std::size_t>(i - 1)], "esp"); };
    const int aviso = g.AddNote("Enviado por correo");
    const int credit = g.AddNote("15 Escuela de precursores");
    const int sick = g.AddNote("Enfermo");
    for (int s = 0; s < 2; ++s) {
        publisher(1).Report(month, s, true, 1);
        publisher(2).Report(month, s, true, 3, 52).Credit(month, s, 15).NoteLink(month, s, credit);
        publisher(6).Report(month, s, true, 2);
        publisher(9).Report(month, s, true, 0).NoteLink(month, s, aviso);
        publisher(11).NoteLink(month, s, sick);
        publisher(13).Report(month, s, true, 1, 31);
        publisher(17).Report(month, s, true, 4, 48);
        publisher(22).Report(month, s, true, 0);
        // Last month everyone reported; one of them late, this month.
        for (int i = 1; i <= 25; ++i) {
            const bool pioneer = g.publishers[static_cast<std::size_t>(i - 1)].StatusByte(previous, s) != 0;
            publisher(i).Report(previous, s, true, i % 3, pioneer ? 50 : 0);
        }
    }
    publisher(8).Late(previous);
    return g;
}

} // namespace rekol
