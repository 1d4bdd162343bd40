#pragma once

#include "main/telephony.h"

#include <memory>

namespace rekol {

// Places calls through the desktop: a tel: link handed to the program the
// desktop has for it (a softphone, a phone-link application).
class DesktopTelephony : public Telephony {
public:
    CallRequest RequestMakeCall(const QString& destAddress, const QString& calledParty) override;
};

// The telephony the settings file asks for: the command of section "Phone",
// key "Command", when there is one, else the desktop's.
std::unique_ptr<Telephony> ConfiguredTelephony(const QString& settingsPath);

} // namespace rekol
