#include "main/modal_mail_transport.h"

#include <QApplication>

namespace rekol {

CModalMailTransport::CModalMailTransport(MailTransport& inner, QWidget* owner) : inner_(&inner), owner_(owner) {}

MailState CModalMailTransport::Open()
{
    return inner_->Open();
}

std::uint32_t CModalMailTransport::SendMail(const MailMessage& message, std::uint32_t flags)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool wasEnabled = owner_ && owner_->isEnabled();
    if (wasEnabled)
        owner_->setEnabled(false);
    const std::uint32_t status = inner_->SendMail(message, flags);
    if (wasEnabled && owner_) {
        owner_->setEnabled(true);
        owner_->activateWindow();
    }
    QApplication::restoreOverrideCursor();
    return status;
}

} // namespace rekol
