#include "mail/cmapi_mail.h"
#include "testing/fake_transport.h"
#include "res/string_table.h"
#include "testing/recording_sink.h"

#include <gtest/gtest.h>

using namespace rekol;
using rekol::test::FakeTransport;
using rekol::test::RecordingSink;

namespace {

struct OpenCase {
    MailState opened;
    MailState taken;
    QString message;
};

class CMapiMailOpenTest : public ::testing::TestWithParam<OpenCase> {};

TEST_P(CMapiMailOpenTest, ReportsAMailSystemThatCannotBeUsedAndSendsNothing)
{
    FakeTransport transport;
    transport.openState = GetParam().opened;
    RecordingSink sink;
    CMapiMail mail(transport, sink);
    EXPECT_EQ(mail.TakeError(), GetParam().taken);
    EXPECT_EQ(mail.TakeError(), MailOk) << "TakeError resets the state";
    EXPECT_EQ(sink.messages, GetParam().message.isEmpty() ? QStringList() : QStringList{GetParam().message});

    mail.AddRecipients(QStringLiteral("a@example.org"));
    const bool sent = mail.Send(0);
    EXPECT_EQ(sent, GetParam().opened == MailOk);
    EXPECT_EQ(transport.sent.size(), GetParam().opened == MailOk ? 1u : 0u);
    EXPECT_EQ(sink.messages.size(), GetParam().message.isEmpty() ? 0 : 1) << "no second message after the first";
}

INSTANTIATE_TEST_SUITE_P(
    States, CMapiMailOpenTest,
    ::testing::Values(OpenCase{MailOk, MailOk, {}},
                      OpenCase{MailNoLibrary, MailNoLibrary, QStringLiteral("Unable to load mail system support.")},
                      OpenCase{MailBadLibrary, MailBadLibrary, QStringLiteral("Mail system DLL is invalid.")}));

TEST(CMapiMailTest, HandsOverTheMessageAsComposed)
{
    FakeTransport transport;
    RecordingSink sink;
    CMapiMail mail(transport, sink);
    ASSERT_EQ(mail.TakeError(), MailOk);
    mail.SetOriginatorName(QStringLiteral("Rek"));
    EXPECT_TRUE(mail.AddRecipients(QStringLiteral("sec@example.org")));
    mail.SetSubject(QStringLiteral("Archivo de Recogidos - Marzo - Grupo 5"));
    mail.SetNoteText(QStringLiteral("abc"));
    EXPECT_TRUE(mail.AddAttachment(QStringLiteral("/g/Grupo.k19")));
    EXPECT_TRUE(mail.AddAttachment(QStringLiteral("/g/Otro.k19"), QStringLiteral("Otro")));
    EXPECT_TRUE(mail.Send(0));

    ASSERT_EQ(transport.sent.size(), 1u);
    const MailMessage& m = transport.sent.front();
    EXPECT_EQ(m.originator.recipClass, MAPI_ORIG);
    EXPECT_EQ(m.originator.name, QStringLiteral("Rek"));
    EXPECT_TRUE(m.originator.address.isEmpty());
    ASSERT_EQ(m.recips.size(), 1u);
    EXPECT_EQ(m.recips[0].recipClass, MAPI_TO);
    EXPECT_EQ(m.recips[0].name, QStringLiteral("sec@example.org"));
    EXPECT_EQ(m.recips[0].address, QStringLiteral("SMTP:sec@example.org"));
    EXPECT_EQ(m.subject, QStringLiteral("Archivo de Recogidos - Marzo - Grupo 5"));
    EXPECT_EQ(m.noteText, QStringLiteral("abc  ")) << "one blank per attachment";
    ASSERT_EQ(m.files.size(), 2u);
    EXPECT_EQ(m.files[0].pathName, QStringLiteral("/g/Grupo.k19"));
    EXPECT_FALSE(m.files[0].fileName.has_value());
    EXPECT_EQ(m.files[0].position, 3u);
    EXPECT_EQ(m.files[1].fileName, QStringLiteral("Otro"));
    EXPECT_EQ(m.files[1].position, 4u);
    EXPECT_EQ(m.flags, 0u);
    EXPECT_EQ(transport.sentFlags.front(), MAPI_LOGON_UI) << "log-on allowed, never the compose window";
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST(CMapiMailTest, BodyWithoutAttachmentAndWithoutSubjectIsHandedOverUnchanged)
{
    FakeTransport transport;
    RecordingSink sink;
    CMapiMail mail(transport, sink);
    mail.SetNoteText(QStringLiteral("abc"));
    mail.AddRecipients(QString());
    EXPECT_TRUE(mail.Send(0));
    ASSERT_EQ(transport.sent.size(), 1u) << "an empty recipient list still goes to the mail system";
    EXPECT_EQ(transport.sent[0].noteText, QStringLiteral("abc"));
    EXPECT_FALSE(transport.sent[0].subject.has_value());
    EXPECT_TRUE(transport.sent[0].recips.empty());
}

TEST(CMapiMailTest, SplitsTheAddressListLikeATokenizer)
{
    struct Case {
        QString list;
        QStringList names;
    };
    const Case cases[] = {
        {QStringLiteral("a;;b;"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral(";a"), {QStringLiteral("a")}},
        {QStringLiteral(" a"), {QStringLiteral(" a")}},
        {QStringLiteral("a; b "), {QStringLiteral("a"), QStringLiteral(" b ")}},
        {QStringLiteral(";;"), {}},
    };
    for (const Case& c : cases) {
        FakeTransport transport;
        RecordingSink sink;
        CMapiMail mail(transport, sink);
        EXPECT_TRUE(mail.AddRecipients(c.list));
        QStringList names;
        for (const MailRecipient& r : mail.Message().recips) {
            names << r.name;
            EXPECT_EQ(r.address, QStringLiteral("SMTP:") + r.name);
        }
        EXPECT_EQ(names, c.names) << c.list.toStdString();
    }
}

TEST(CMapiMailTest, OnlySuccessUserAbortAndLogOnFailureCountAsSent)
{
    struct Case {
        std::uint32_t status;
        bool sent;
    };
    const Case cases[] = {{SUCCESS_SUCCESS, true},         {MAPI_USER_ABORT, true},
                          {MAPI_E_LOGIN_FAILURE, true},    {MAPI_E_FAILURE, false},
                          {MAPI_E_INSUFFICIENT_MEMORY, false}, {MAPI_E_UNKNOWN_RECIPIENT, false},
                          {MAPI_E_INVALID_RECIPS, false}};
    for (const Case& c : cases) {
        FakeTransport transport;
        transport.status = c.status;
        RecordingSink sink;
        CMapiMail mail(transport, sink);
        EXPECT_EQ(mail.Send(0), c.sent) << c.status;
        EXPECT_EQ(sink.messages, c.sent ? QStringList() : QStringList{QStringLiteral("Send Mail failed to send message.")})
            << c.status;
    }
}

} // namespace
