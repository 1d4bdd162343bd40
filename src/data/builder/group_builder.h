#pragma once

#include "data/layout.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace rekol {

// Fluent setters on one plain publisher record. Texts are given as Unicode
// and stored in the code page of `language`.
class PublisherBuilder {
public:
    PublisherBuilder(PublisherRecord& record, QString language);

    PublisherBuilder& Name(const QString& first, const QString& last);
    PublisherBuilder& Email(const QString& email);
    PublisherBuilder& Phones(const QString& phone1, const QString& phone2 = {}, const QString& phone3 = {});
    PublisherBuilder& Group(int number);
    PublisherBuilder& Appointment(int value);
    // The status byte of every month of both year slots used.
    PublisherBuilder& StatusAll(StatusKind kind);
    PublisherBuilder& Status(int m, int s, std::uint8_t statusByte);
    PublisherBuilder& Report(int m, int s, bool participated, int studies, int hours = 0);
    PublisherBuilder& Credit(int m, int s, int credit);
    PublisherBuilder& NoteLink(int m, int s, int k);
    PublisherBuilder& Late(int m);

    PublisherRecord& record;

private:
    QByteArray Encode(const QString& text) const;
    QString language_;
};

// Makes group files from scratch: for tests, fuzzing seeds and the demo group.
// Records are held plain; Build() scrambles them as a save does.
class GroupBuilder {
public:
    explicit GroupBuilder(int groupNumber = 5, int reportMonth = 2, QString language = QStringLiteral("esp"));

    GroupBuilder& SecretaryEmail(const QByteArray& email);
    PublisherBuilder AddPublisher(const QString& first, const QString& last);
    // Appends a note entry and returns its 1-based index.
    int AddNote(const QByteArray& text);
    // The file's bytes; the header's counts follow the publishers and notes.
    QByteArray Build() const;
    // Writes Build() to `path`; false when the file cannot be written.
    bool WriteTo(const QString& path) const;

    PublisherRecord header;
    std::vector<PublisherRecord> publishers;
    std::vector<NoteEntry> notes;

private:
    QString language_;
};

} // namespace rekol
