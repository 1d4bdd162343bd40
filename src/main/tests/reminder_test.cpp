#include "data/builder/group_builder.h"
#include "data/group_data.h"
#include "mail/smtp_transport.h"
#include "main/reminder.h"
#include "testing/fake_transport.h"
#include "testing/recording_sink.h"
#include "testing/smtp_test_server.h"

#include <QBuffer>
#include <QJsonArray>

#include <gtest/gtest.h>

using namespace rekol;
using rekol::test::FakeTransport;
using rekol::test::RecordingSink;

namespace {

class ReminderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GroupBuilder b(5, 2);
        b.AddPublisher(QStringLiteral("Ana"), QStringLiteral("Ruiz")).Email(QStringLiteral(" ana@example.org "));
        b.AddPublisher(QStringLiteral("Luis"), QStringLiteral("Vega"))
            .Email(QStringLiteral("luis@example.org"))
            .Report(2, 0, true, 1);
        b.AddPublisher(QStringLiteral("Eva"), QStringLiteral("Sanz")).Email(QStringLiteral("eva@example.org;pepe@example.org"));
        b.AddPublisher(QStringLiteral("Pepe"), QStringLiteral("Gil"));
        QByteArray bytes = b.Build();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        group.DeriveReportPeriod(QDate(2024, 4, 10)); // report month March, year slot 0
        ASSERT_EQ(group.LoadGroupFrom(buffer, QStringLiteral("Grupo.k09")), LoadStatus::Loaded);
    }

    RecordingSink sink;
    GroupData group{sink};
    FakeTransport transport;
};

TEST_F(ReminderTest, BodyNamesTheReportMonth)
{
    EXPECT_EQ(ReminderBody(group), QString::fromUtf8("Por favor envíe su informe de Marzo. \nGracias."));
    group.reportMonth = 11;
    EXPECT_EQ(ReminderBody(group), QString::fromUtf8("Por favor envíe su informe de Diciembre. \nGracias."));
    PreviewReminder(group, sink);
    EXPECT_EQ(sink.messages, QStringList{ReminderBody(group)});
}

TEST_F(ReminderTest, OfferedOnlyToPublishersWhoHaveNotReportedAndHaveAnAddress)
{
    EXPECT_TRUE(OffersReminder(group, 1));
    EXPECT_EQ(group.selectedEmail, "ana@example.org") << "trimmed";
    EXPECT_FALSE(OffersReminder(group, 2)) << "has reported";
    EXPECT_TRUE(OffersReminder(group, 3));
    EXPECT_FALSE(OffersReminder(group, 4)) << "no address";
    group.publisherCount = 1;
    EXPECT_FALSE(OffersReminder(group, 1)) << "a group of one never shows the buttons";
}

TEST_F(ReminderTest, ShowsTheAddressThenMailsTheReminder)
{
    ASSERT_TRUE(OffersReminder(group, 3));
    EXPECT_TRUE(SendReminder(group, transport, sink));
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("eva@example.org;pepe@example.org")});
    ASSERT_EQ(transport.sent.size(), 1u);
    const MailMessage& m = transport.sent[0];
    EXPECT_EQ(m.originator.name, QStringLiteral("Rek"));
    EXPECT_EQ(m.subject, QStringLiteral("Report"));
    EXPECT_EQ(m.noteText, ReminderBody(group));
    EXPECT_TRUE(m.files.empty());
    ASSERT_EQ(m.recips.size(), 2u);
    EXPECT_EQ(m.recips[0].address, QStringLiteral("SMTP:eva@example.org"));
    EXPECT_EQ(m.recips[1].address, QStringLiteral("SMTP:pepe@example.org"));

    EXPECT_TRUE(SendReminder(group, transport, sink));
    EXPECT_EQ(transport.sent.size(), 2u) << "every press sends another";
}

TEST_F(ReminderTest, WithoutMailSystemTheAddressBoxComesFirst)
{
    ASSERT_TRUE(OffersReminder(group, 1));
    transport.openState = MailNoLibrary;
    EXPECT_FALSE(SendReminder(group, transport, sink));
    EXPECT_EQ(sink.messages, QStringList({QStringLiteral("ana@example.org"), QStringLiteral("Unable to load mail system support.")}));
    EXPECT_TRUE(transport.sent.empty());
}

TEST_F(ReminderTest, ReachesARealServerWithItsAccents)
{
    rekol::test::SmtpTestServer server;
    ASSERT_TRUE(server.IsRunning()) << server.Log().toStdString();
    SmtpTransport smtp({server.Url(), QStringLiteral("rek@example.org"), {}, {}},
                       {std::chrono::milliseconds(10000), std::chrono::milliseconds(30000)});
    ASSERT_TRUE(OffersReminder(group, 3));
    ASSERT_TRUE(SendReminder(group, smtp, sink)) << smtp.LastError().toStdString();
    const auto arrived = server.Messages();
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0][QStringLiteral("rcpt_tos")].toArray(),
              QJsonArray({QStringLiteral("eva@example.org"), QStringLiteral("pepe@example.org")}));
    EXPECT_EQ(arrived[0][QStringLiteral("subject")].toString(), QStringLiteral("Report"));
    QString body = arrived[0][QStringLiteral("body")].toString();
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(body, QString::fromUtf8("Por favor envíe su informe de Marzo. \nGracias."));
    EXPECT_TRUE(arrived[0][QStringLiteral("attachments")].toArray().isEmpty());
}

} // namespace
