#pragma once

#include "data/message_sink.h"
#include "mail/mail_settings.h"
#include "mail/smtp_transport.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rekol {

class PasswordStore;

// The mail settings: server, sender's address, user and password, with a
// button that sends a test message to the sender's own address. OK stores
// them in the settings file (the password in the keyring when there is one).
class CMailSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CMailSettingsDlg(QString settingsPath, MessageSink& messages, PasswordStore* keyring, QWidget* parent = nullptr);

    // The settings as the fields hold them.
    MailSettings Settings() const;
    // How long a send may wait; the program's defaults unless changed.
    void SetTimeouts(SmtpTimeouts timeouts) { timeouts_ = timeouts; }

    QLineEdit* serverEdit;
    QLineEdit* fromEdit;
    QLineEdit* userEdit;
    QLineEdit* passwordEdit;
    QPushButton* testButton;
    QLabel* statusLabel;

public slots:
    void accept() override;
    void SendTestMessage();

private:
    // A text that says what is wrong with the fields, or empty.
    QString CheckFields() const;

    QString settingsPath_;
    MessageSink* messages_;
    PasswordStore* keyring_;
    SmtpTimeouts timeouts_;
};

} // namespace rekol
