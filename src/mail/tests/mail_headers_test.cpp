#include "mail/mail_headers.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

TEST(MailHeadersTest, EnvelopeAddressTakesOnlyPlainAddresses)
{
    struct Case {
        QString entry;
        QByteArray address; // empty: refused
    };
    const Case cases[] = {
        {QStringLiteral("SMTP:ana@example.org"), "ana@example.org"},
        {QStringLiteral("smtp:ana@example.org"), "ana@example.org"},
        {QStringLiteral("SMTP: ana.ruiz+k19@mail.example.org "), "ana.ruiz+k19@mail.example.org"},
        {QStringLiteral("ana@example.org"), {}},
        {QStringLiteral("SMTP:"), {}},
        {QStringLiteral("SMTP: "), {}},
        {QStringLiteral("SMTP:ana@example.org\r\nRCPT TO:<x@evil.org>"), {}},
        {QStringLiteral("SMTP:ana@example.org>"), {}},
        {QStringLiteral("SMTP:<ana@example.org>"), {}},
        {QStringLiteral("SMTP:ana ruiz@example.org"), {}},
        {QStringLiteral("SMTP:@example.org"), {}},
        {QStringLiteral("SMTP:ana@"), {}},
        {QStringLiteral("SMTP:ana@b@example.org"), {}},
        {QStringLiteral("SMTP:ana@example..org"), {}},
        {QStringLiteral("SMTP:.ana@example.org"), {}},
        {QString::fromUtf8("SMTP:josé@example.org"), {}},
    };
    for (const Case& c : cases) {
        const auto address = EnvelopeAddress(c.entry);
        if (c.address.isEmpty())
            EXPECT_FALSE(address.has_value()) << c.entry.toStdString();
        else
            EXPECT_EQ(address.value_or("refused"), c.address) << c.entry.toStdString();
    }
}

TEST(MailHeadersTest, HeaderTextIsPlainOrUtf8EncodedWords)
{
    EXPECT_EQ(EncodeHeaderText(QStringLiteral("Report")), "Report");
    EXPECT_EQ(EncodeHeaderText(QStringLiteral("Archivo de Recogidos - Marzo - Grupo 5")),
              "Archivo de Recogidos - Marzo - Grupo 5");
    EXPECT_EQ(EncodeHeaderText(QString::fromUtf8("Año 5")), "=?UTF-8?Q?A=C3=B1o_5?=");
    EXPECT_EQ(EncodeHeaderText(QStringLiteral("a=?b")), "=?UTF-8?Q?a=3D=3Fb?=") << "looks like an encoded word";
    EXPECT_EQ(EncodeHeaderText(QStringLiteral("a\r\nBcc: x@evil.org")), "=?UTF-8?Q?a=0D=0ABcc=3A_x=40evil=2Eorg?=");
}

TEST(MailHeadersTest, LongTextIsSplitIntoShortWordsBetweenCharacters)
{
    const QString text = QString::fromUtf8("ñ").repeated(40) + QString::fromUtf8("😀").repeated(10);
    const QByteArray encoded = EncodeHeaderText(text);
    const QList<QByteArray> words = encoded.split(' ');
    EXPECT_GT(words.size(), 2);
    QByteArray utf8;
    for (const QByteArray& word : words) {
        EXPECT_LE(word.size(), 75);
        ASSERT_TRUE(word.startsWith("=?UTF-8?Q?") && word.endsWith("?="));
        const QByteArray payload =
            QByteArray::fromPercentEncoding(word.mid(10, word.size() - 12).replace('_', ' '), '=');
        // Each word on its own is whole UTF-8.
        EXPECT_EQ(QString::fromUtf8(payload).toUtf8(), payload);
        EXPECT_FALSE(QString::fromUtf8(payload).contains(QChar::ReplacementCharacter));
        utf8 += payload;
    }
    EXPECT_EQ(QString::fromUtf8(utf8), text);
}

TEST(MailHeadersTest, MailboxQuotesOrEncodesTheDisplayName)
{
    EXPECT_EQ(FormatMailbox(QStringLiteral("Rek"), "rek@example.org"), "Rek <rek@example.org>");
    EXPECT_EQ(FormatMailbox(QString(), "rek@example.org"), "rek@example.org");
    EXPECT_EQ(FormatMailbox(QStringLiteral("Ruiz, Ana \"R\""), "a@example.org"),
              "\"Ruiz, Ana \\\"R\\\"\" <a@example.org>");
    EXPECT_EQ(FormatMailbox(QString::fromUtf8("José"), "j@example.org"), "=?UTF-8?Q?Jos=C3=A9?= <j@example.org>");
}

TEST(MailHeadersTest, AttachmentNameIsQuotedOrEncodedAsRfc2231)
{
    EXPECT_EQ(AttachmentDisposition(QStringLiteral("Grupo5.k19")), "attachment; filename=\"Grupo5.k19\"");
    EXPECT_EQ(AttachmentDisposition(QString::fromUtf8("Grupo Nº5.k19")),
              "attachment; filename*=UTF-8''Grupo%20N%C2%BA5.k19");
    EXPECT_EQ(AttachmentDisposition(QStringLiteral("a\"b.k19")), "attachment; filename*=UTF-8''a%22b.k19");
}

TEST(MailHeadersTest, DateIsInEnglishWithTheZoneOffset)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QDateTime when(QDate(2024, 3, 5), QTime(9, 7, 3), QTimeZone(-3 * 3600 - 1800));
    EXPECT_EQ(MailDate(when), "Tue, 05 Mar 2024 09:07:03 -0330");
    QLocale::setDefault(QLocale::c());
}

TEST(MailHeadersTest, MessageIdsAreUniqueInTheSendersDomain)
{
    const QByteArray a = NewMessageId("rek@example.org");
    const QByteArray b = NewMessageId("rek@example.org");
    EXPECT_NE(a, b);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^<[0-9a-f-]{36}@example\\.org>$")).match(QString::fromLatin1(a)).hasMatch())
        << a.toStdString();
}

TEST(MailHeadersTest, LineEndsBecomeCrlf)
{
    EXPECT_EQ(WithCrlf(QStringLiteral("a\nb\r\nc\rd\n")), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(WithCrlf(QString::fromUtf8("envíe")), QByteArray("env\xC3\xAD" "e"));
}

} // namespace
