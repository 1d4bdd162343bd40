#pragma once

#include <QString>

namespace rekol {

// How a call request ended.
enum class CallRequest {
    Requested,    // handed to the telephony service; nothing waits for the call
    NotAvailable, // no telephony service to hand it to
    BadEntry,     // a telephony service is configured but cannot take requests
};

// The system's telephony service: asked to place a voice call to a number,
// naming the called party. It returns at once.
class Telephony {
public:
    virtual ~Telephony() = default;
    virtual CallRequest RequestMakeCall(const QString& destAddress, const QString& calledParty) = 0;
};

} // namespace rekol
