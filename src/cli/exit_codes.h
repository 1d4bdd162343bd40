#pragma once

namespace rekol::cli {

enum ExitCode : int {
    ExitOk = 0,
    ExitUsage = 2,         // usage error, record out of range, file cannot be opened
    ExitOutsideFormat = 3, // the file lies outside the group file format
    ExitRefused = 4,       // a validation message, a refused save, a text that cannot be stored
    ExitServiceFailed = 5, // the mail or telephony service failed
};

} // namespace rekol::cli
