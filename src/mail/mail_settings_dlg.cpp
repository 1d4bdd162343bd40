#include "mail/mail_settings_dlg.h"

#include "mail/cmapi_mail.h"
#include "mail/mail_headers.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace rekol {

CMailSettingsDlg::CMailSettingsDlg(QString settingsPath, MessageSink& messages, PasswordStore* keyring,
                                   QWidget* parent)
    : QDialog(parent), settingsPath_(std::move(settingsPath)), messages_(&messages), keyring_(keyring)
{
    setWindowTitle(QStringLiteral("Correo electrónico"));
    const MailSettings settings = ReadMailSettings(settingsPath_, keyring_);

    serverEdit = new QLineEdit(settings.server, this);
    serverEdit->setPlaceholderText(QStringLiteral("smtps://smtp.ejemplo.org:465"));
    fromEdit = new QLineEdit(settings.from, this);
    fromEdit->setPlaceholderText(QStringLiteral("nombre@ejemplo.org"));
    userEdit = new QLineEdit(settings.user, this);
    passwordEdit = new QLineEdit(settings.password, this);
    passwordEdit->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Servidor:"), serverEdit);
    form->addRow(QStringLiteral("&Su dirección:"), fromEdit);
    form->addRow(QStringLiteral("&Usuario:"), userEdit);
    form->addRow(QStringLiteral("&Contraseña:"), passwordEdit);

    auto* hint = new QLabel(QStringLiteral("El servidor es el de su proveedor de correo, por ejemplo "
                                           "smtps://smtp.ejemplo.org:465 o smtp://smtp.ejemplo.org:587."),
                            this);
    hint->setWordWrap(true);
    statusLabel = new QLabel(this);
    statusLabel->setWordWrap(true);

    testButton = new QPushButton(QStringLiteral("&Enviar mensaje de prueba"), this);
    testButton->setAutoDefault(false);
    connect(testButton, &QPushButton::clicked, this, &CMailSettingsDlg::SendTestMessage);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    buttons->addButton(testButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMailSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMailSettingsDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(statusLabel);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

MailSettings CMailSettingsDlg::Settings() const
{
    return {serverEdit->text().trimmed(), fromEdit->text().trimmed(), userEdit->text().trimmed(),
            passwordEdit->text()};
}

QString CMailSettingsDlg::CheckFields() const
{
    const MailSettings settings = Settings();
    if (settings.server.isEmpty())
        return {};
    const QUrl url(settings.server, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("smtp") && scheme != QLatin1String("smtps")))
        return QStringLiteral("El servidor debe empezar por smtp:// o smtps://, seguido del nombre del servidor.");
    if (!IsPlainAddress(settings.from))
        return QStringLiteral("Escriba su dirección de correo electrónico, por ejemplo nombre@ejemplo.org.");
    return {};
}

void CMailSettingsDlg::accept()
{
    if (const QString problem = CheckFields(); !problem.isEmpty()) {
        statusLabel->setText(problem);
        return;
    }
    QString error;
    if (!SaveMailSettings(settingsPath_, Settings(), keyring_, &error)) {
        statusLabel->setText(QStringLiteral("No se pudo guardar la configuración: %1").arg(error));
        return;
    }
    QDialog::accept();
}

void CMailSettingsDlg::SendTestMessage()
{
    if (const QString problem = CheckFields(); !problem.isEmpty()) {
        statusLabel->setText(problem);
        return;
    }
    const MailSettings settings = Settings();
    statusLabel->setText(QStringLiteral("Enviando..."));
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SmtpTransport transport(settings, timeouts_);
    bool sent = false;
    {
        CMapiMail mail(transport, *messages_);
        if (mail.TakeError() == MailOk) {
            mail.SetOriginatorName(QStringLiteral("Rek"));
            mail.AddRecipients(settings.from);
            mail.SetSubject(QStringLiteral("Rekol: mensaje de prueba"));
            mail.SetNoteText(QStringLiteral("Este es un mensaje de prueba de Rekol.\n"
                                            "Si lo recibe, el correo electrónico está bien configurado."));
            sent = mail.Send(0);
        }
    }
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    if (sent)
        statusLabel->setText(QStringLiteral("Mensaje de prueba enviado a %1.").arg(settings.from));
    else if (settings.server.isEmpty())
        statusLabel->setText(QStringLiteral("Escriba primero el servidor."));
    else
        statusLabel->setText(QStringLiteral("No se pudo enviar el mensaje de prueba: %1").arg(transport.LastError()));
}

} // namespace rekol
