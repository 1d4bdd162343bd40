#include "data/builder/group_builder.h"
#include "data/group_data.h"
#include "main/command_telephony.h"
#include "main/dialing.h"
#include "testing/recording_sink.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace rekol;
using rekol::test::RecordingSink;

namespace {

class FakeTelephony : public Telephony {
public:
    CallRequest RequestMakeCall(const QString& destAddress, const QString& calledParty) override
    {
        calls.append({destAddress, calledParty});
        return answer;
    }
    CallRequest answer = CallRequest::Requested;
    QList<QStringList> calls;
};

class DialingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GroupBuilder b(5, 2);
        b.AddPublisher(QStringLiteral("Ana"), QStringLiteral("Ruiz")).Phones(QStringLiteral("5551111"), QStringLiteral("5552222"), QStringLiteral("5553333"));
        b.AddPublisher(QString::fromUtf8("José"), QString::fromUtf8("Muñoz")).Phones(QStringLiteral("12345"), QStringLiteral("5552222"), QStringLiteral("(555) 44-44 x9"));
        b.AddPublisher(QStringLiteral("Eva"), QStringLiteral("Sanz")).Phones(QStringLiteral("5551111"));
        QByteArray bytes = b.Build();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ASSERT_EQ(group.LoadGroupFrom(buffer, QStringLiteral("Grupo.k09")), LoadStatus::Loaded);
    }
    QList<QByteArray> Cycle(int i, int presses)
    {
        group.CollectContacts(i);
        QList<QByteArray> shown;
        for (int k = 0; k < presses; ++k)
            shown << NextPhone(group);
        return shown;
    }

    RecordingSink sink;
    GroupData group{sink};
    FakeTelephony telephony;
};

TEST_F(DialingTest, NextPhoneCyclesThroughTheUsableNumbers)
{
    EXPECT_EQ(Cycle(1, 4), QList<QByteArray>({"5552222", "5553333", "5551111", "5552222"}));
    EXPECT_EQ(Cycle(2, 3), QList<QByteArray>({"(555) 44-44 x9", "5552222", "(555) 44-44 x9"}));
    EXPECT_EQ(Cycle(3, 2), QList<QByteArray>({"5551111", "5551111"}));
}

TEST_F(DialingTest, DialsTheNumberShownWithTheNameGivenFirst)
{
    Cycle(1, 2);
    DialSelected(group, 1, telephony, sink);
    ASSERT_EQ(telephony.calls.size(), 1);
    EXPECT_EQ(telephony.calls[0], QStringList({QStringLiteral("5553333"), QStringLiteral("Ana Ruiz")}))
        << "pressed twice: the third number";

    Cycle(2, 1);
    DialSelected(group, 2, telephony, sink);
    EXPECT_EQ(telephony.calls[1], QStringList({QStringLiteral("(555) 44-44 x9"), QString::fromUtf8("José Muñoz")}))
        << "passed on as it stands";

    group.language = QStringLiteral("cz");
    group.CollectContacts(3);
    DialSelected(group, 3, telephony, sink);
    EXPECT_EQ(telephony.calls[2], QStringList({QStringLiteral("5551111"), QStringLiteral("Sanz, Eva")}));
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(DialingTest, FailuresOfTheTelephonyServiceAreShown)
{
    const std::pair<CallRequest, QStringList> cases[] = {
        {CallRequest::Requested, {}},
        {CallRequest::NotAvailable, {QStringLiteral("Telephone service not available")}},
        {CallRequest::BadEntry, {QStringLiteral("bad procaddress")}},
    };
    for (const auto& [answer, expected] : cases) {
        RecordingSink messages;
        telephony.answer = answer;
        DialNumber(QStringLiteral("5551111"), QStringLiteral("Ana Ruiz"), telephony, messages);
        EXPECT_EQ(messages.messages, expected);
    }
}

TEST(CommandTelephonyTest, RunsTheCommandWithNumberAndNameAsArgumentsWithoutAShell)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("dial stand-in.sh"));
    const QString record = dir.filePath(QStringLiteral("call.txt"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nout=\"$1\"; shift\nprintf '%s\\n' \"$#\" \"$@\" > \"$out.tmp\" && mv \"$out.tmp\" \"$out\"\n");
    }
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    const QString witness = dir.filePath(QStringLiteral("witness"));

    CommandTelephony telephony(QStringLiteral("\"%1\" \"%2\"").arg(script, record));
    const QString number = QStringLiteral("555 1234; touch %1 $(touch %1)").arg(witness);
    EXPECT_EQ(telephony.RequestMakeCall(number, QString::fromUtf8("José Muñoz")), CallRequest::Requested);

    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile f(record);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "the stand-in did not run";
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("2\n%1\n%2\n").arg(number, QString::fromUtf8("José Muñoz")));
    EXPECT_FALSE(QFile::exists(witness)) << "nothing went through a shell";
}

TEST(CommandTelephonyTest, AMissingProgramIsNoService)
{
    CommandTelephony missing(QStringLiteral("/nonexistent/rekol-dialer --call"));
    EXPECT_EQ(missing.RequestMakeCall(QStringLiteral("5551111"), QStringLiteral("Ana")), CallRequest::NotAvailable);
    CommandTelephony empty(QStringLiteral("\"\""));
    EXPECT_EQ(empty.RequestMakeCall(QStringLiteral("5551111"), QStringLiteral("Ana")), CallRequest::BadEntry);
}

} // namespace
