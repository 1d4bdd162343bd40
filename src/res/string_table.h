#pragma once

#include <QString>

// Texts of the program, addressed by numeric id. "%1" and "%2" in a text are
// placeholders for arguments.
namespace rekol {

// Ids of the texts the code refers to by name; the month names are
// IDS_MONTH_FIRST + month (0 = January).
enum StringId : int {
    IDS_ABOUT_MENU = 101,
    IDS_MONTH_FIRST = 102,
    IDS_LATE_MONTH_BUTTON = 114,
    IDS_ENTER_REPORT = 1000,
    IDS_NOT_REPORTED_IN = 1001,
    IDS_OPEN_TITLE = 1002,
    IDS_OPEN_FILTER = 1003,
    IDS_HOURS = 1014,
    IDS_NOTES_HEADING = 1019,
    IDS_AUX_HEADING = 1020,
    IDS_APPOINTMENT_FIRST = 1022,
    IDS_STATUS_AUX = 1026,
    IDS_STATUS_REGULAR = 1027,
    IDS_STATUS_AUX_INDEFINITE = 1028,
    IDS_STATUS_SPECIAL = 1029,
    IDS_WARN_TABULATED = 1030,
    IDS_WARN_NOT_COUNTED = 1031,
    IDS_WARN_COUNTED = 1032,
    IDS_NOTES_FULL = 1033,
    IDS_RESULTS_SAVED = 1038,
    IDS_SEND_QUESTION = 1039,
    IDS_SEND_LATER = 1040,
    IDS_SEND_OR = 1041,
    IDS_RESULTS_SUBJECT = 1042,
    IDS_RESULTS_TEXT = 1043,
    IDS_GROUP = 1058,
    IDS_HELP_FIRST = 1059,
    IDS_HELP_LAST = 1066,
    IDS_TOTAL_PUBLISHERS = 1116,
    IDS_NAME_HEADING = 1167,
    IDS_PHONE_HEADING = 1168,
    IDS_REPORTS_OF = 1188,
    IDS_WARN_SPECIAL = 1194,
    IDS_LANGUAGE = 1198,
    IDS_CREATE_FILE_ERROR = 1231,
    IDS_GROUP_TOO_SMALL = 1232,
    IDS_FORM_DOCUMENT = 1247,
    IDS_ENTRY_LABEL_FIRST = 1415,
    IDS_REMINDER_TEXT = 1422,
    IDS_PARTICIPATED_TIP = 1495,
    IDS_PARTICIPATED_HEADING = 1500,
    IDS_BAD_PUBLISHER_COUNT = 2001,
    IDS_BAD_REPORT_MONTH = 2002,
    IDS_MAIL_SETTINGS_MENU = 2003,
    IDS_MAIL_LOAD_FAILED = 61840,
    IDS_MAIL_DLL_INVALID = 61841,
    IDS_MAIL_SEND_FAILED = 61842,
};

// The text of string `id`, empty for an unknown id. With `argId` not 0, every
// "%1" in it is replaced by the text of string `argId`.
QString LoadResString(int id, int argId = 0);

// `text` with every "%1" replaced by `arg1` and every "%2" by `arg2`, in one
// pass, so an argument that itself holds "%2" is not substituted again.
QString FormatMessage(const QString& text, const QString& arg1, const QString& arg2 = {});

} // namespace rekol
