#pragma once

#include "mail/mail_transport.h"

#include <QPointer>
#include <QWidget>

namespace rekol {

// Keeps the user out of the program while a message is on its way: the owner
// window is disabled and the wait cursor shown for the length of the send.
class CModalMailTransport : public MailTransport {
public:
    CModalMailTransport(MailTransport& inner, QWidget* owner);
    MailState Open() override;
    std::uint32_t SendMail(const MailMessage& message, std::uint32_t flags) override;

private:
    MailTransport* inner_;
    QPointer<QWidget> owner_;
};

} // namespace rekol
