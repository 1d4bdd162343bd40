#pragma once

#include "res/dialog_template.h"

namespace rekol {

// Controls of the main window (template IDD_REKOL_DIALOG). IDOK enters the
// selected publisher's report; IDCANCEL saves and leaves.
enum ReportsControlId : int {
    IDC_OPEN_GROUP = 3,
    IDC_SEND_RESULTS = 4,
    IDC_VIEW_FORM = 5,
    IDC_LAST_REGISTERED = 133,
    IDC_PUBLISHER_LIST = 138,
    IDC_FILTER_NOT_REPORTED = 162,
    IDC_NOT_REPORTED_LINE = 1000,
    IDC_TOTAL_LINE = 1001,
    IDC_PHONE_NUMBER = 1002,
    IDC_DIAL = 1003,
    IDC_NEXT_PHONE = 1004,
    IDC_HELP = 1005,
    IDC_SEND_REMINDER = 1006,
    IDC_PREVIEW_REMINDER = 1007,
};

// The system-menu command of the About item.
constexpr int IDM_ABOUTBOX = 16;

} // namespace rekol
