// The main window's buttons that reach the form, the mail system and the
// telephone.
#include "data/code_page.h"
#include "form/collect_dlg.h"
#include "mail/mail_settings_dlg.h"
#include "mail/password_store.h"
#include "mail/smtp_transport.h"
#include "main/desktop_telephony.h"
#include "main/dialing.h"
#include "main/modal_mail_transport.h"
#include "main/reminder.h"
#include "main/reports_ids.h"
#include "main/send_results.h"
#include "main/widgets/reports_dlg.h"

#include <QListWidget>

namespace rekol {

void CReportsDlg::SendResults()
{
    SmtpTransport smtp = ConfiguredSmtpTransport(model_.SettingsPath());
    CModalMailTransport transport(smtp, this);
    rekol::SendResults(Group(), transport, Messages());
}

void CReportsDlg::ViewCollectionForm()
{
    CCollectDlg preview(Group(), Messages(), this);
    preview.month = Group().reportMonth;
    preview.exec();
}

void CReportsDlg::DialSelected()
{
    const std::optional<int> record = model_.RecordForEntry(list_->currentRow());
    if (!record)
        return;
    rekol::DialSelected(Group(), *record, *ConfiguredTelephony(model_.SettingsPath()), Messages());
}

void CReportsDlg::NextPhone()
{
    SetDlgItemText(IDC_PHONE_NUMBER, DecodeAnsi(rekol::NextPhone(Group()), Group().language));
}

void CReportsDlg::SendReminder()
{
    SmtpTransport smtp = ConfiguredSmtpTransport(model_.SettingsPath());
    CModalMailTransport transport(smtp, this);
    rekol::SendReminder(Group(), transport, Messages());
}

void CReportsDlg::PreviewReminder() { rekol::PreviewReminder(Group(), Messages()); }

void CReportsDlg::OpenMailSettings()
{
    const std::unique_ptr<PasswordStore> keyring = SystemPasswordStore();
    CMailSettingsDlg settings(model_.SettingsPath(), Messages(), keyring.get(), this);
    settings.exec();
}

} // namespace rekol
