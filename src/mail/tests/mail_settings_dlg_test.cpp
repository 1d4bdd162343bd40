#include "mail/mail_settings_dlg.h"
#include "app/profile_file.h"
#include "testing/recording_sink.h"
#include "testing/smtp_test_server.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QJsonArray>
#include <QTest>

#include <gtest/gtest.h>

using namespace rekol;
using rekol::test::RecordingSink;

namespace {

class MailSettingsDlgTest : public ::testing::Test {
protected:
    void Fill(CMailSettingsDlg& dlg, const QString& server, const QString& from)
    {
        dlg.serverEdit->setText(server);
        dlg.fromEdit->setText(from);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("rekol.ini"));
    RecordingSink sink;
};

TEST_F(MailSettingsDlgTest, TestButtonMailsTheSenderWithTheFieldsAsTyped)
{
    rekol::test::SmtpTestServer server;
    ASSERT_TRUE(server.IsRunning()) << server.Log().toStdString();
    CMailSettingsDlg dlg(path, sink, nullptr);
    Fill(dlg, server.Url(), QStringLiteral("rek@example.org"));
    QTest::mouseClick(dlg.testButton, Qt::LeftButton);

    const auto arrived = server.Messages();
    ASSERT_EQ(arrived.size(), 1u) << dlg.statusLabel->text().toStdString();
    EXPECT_EQ(arrived[0][QStringLiteral("rcpt_tos")].toArray().at(0).toString(), QStringLiteral("rek@example.org"));
    EXPECT_EQ(arrived[0][QStringLiteral("from")].toString(), QStringLiteral("Rek <rek@example.org>"));
    EXPECT_TRUE(dlg.statusLabel->text().contains(QStringLiteral("enviado")));
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(path)) << "testing stores nothing";
}

TEST_F(MailSettingsDlgTest, FailedTestSaysWhy)
{
    CMailSettingsDlg dlg(path, sink, nullptr);
    dlg.SetTimeouts({std::chrono::milliseconds(2000), std::chrono::milliseconds(4000)});
    Fill(dlg, QStringLiteral("smtp://127.0.0.1:%1").arg(rekol::test::FreeLoopbackPort()), QStringLiteral("rek@example.org"));
    QTest::mouseClick(dlg.testButton, Qt::LeftButton);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Send Mail failed to send message.")});
    EXPECT_TRUE(dlg.statusLabel->text().startsWith(QStringLiteral("No se pudo enviar")));
    EXPECT_TRUE(dlg.isEnabled());
}

TEST_F(MailSettingsDlgTest, OkStoresTheFieldsAndRefusesWhatCannotWork)
{
    ProfileFile last(path);
    last.WriteString(QStringLiteral("Last"), QStringLiteral("Post"), QStringLiteral("Ruiz, Ana"));
    ASSERT_TRUE(last.Save());
    CMailSettingsDlg dlg(path, sink, nullptr);
    Fill(dlg, QStringLiteral("smtp.example.org"), QStringLiteral("rek@example.org"));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Rejected) << "a server without smtp:// is refused";
    EXPECT_FALSE(dlg.statusLabel->text().isEmpty());

    Fill(dlg, QStringLiteral("smtps://smtp.example.org:465"), QStringLiteral("Rek"));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Rejected) << "a sender that is not an address is refused";

    Fill(dlg, QStringLiteral(" smtps://smtp.example.org:465 "), QStringLiteral("rek@example.org"));
    dlg.userEdit->setText(QStringLiteral("rek"));
    dlg.passwordEdit->setText(QStringLiteral("clave"));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);

    const MailSettings stored = ReadMailSettings(path, nullptr);
    EXPECT_EQ(stored.server, QStringLiteral("smtps://smtp.example.org:465"));
    EXPECT_EQ(stored.from, QStringLiteral("rek@example.org"));
    EXPECT_EQ(stored.user, QStringLiteral("rek"));
    EXPECT_EQ(stored.password, QStringLiteral("clave"));
    EXPECT_EQ(ProfileFile(path).ReadString(QStringLiteral("Last"), QStringLiteral("Post")), QStringLiteral("Ruiz, Ana"));

    CMailSettingsDlg again(path, sink, nullptr);
    EXPECT_EQ(again.serverEdit->text(), stored.server) << "the dialog opens on what is stored";
    EXPECT_EQ(again.passwordEdit->text(), QStringLiteral("clave"));
    EXPECT_EQ(again.passwordEdit->echoMode(), QLineEdit::Password);
}

} // namespace
