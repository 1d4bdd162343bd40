#pragma once

#include "mail/mail_transport.h"

#include <vector>

namespace rekol::test {

// Records what a mail object hands over and answers as told.
class FakeTransport : public MailTransport {
public:
    MailState Open() override
    {
        ++opens;
        return openState;
    }
    std::uint32_t SendMail(const MailMessage& message, std::uint32_t flags) override
    {
        sent.push_back(message);
        sentFlags.push_back(flags);
        return status;
    }

    MailState openState = MailOk;
    std::uint32_t status = SUCCESS_SUCCESS;
    int opens = 0;
    std::vector<MailMessage> sent;
    std::vector<std::uint32_t> sentFlags;
};

} // namespace rekol::test
