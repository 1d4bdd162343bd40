#include "data/report_period.h"
#include "data/group_data.h"
#include "res/string_table.h"

namespace rekol {

void GroupData::DeriveReportPeriod(QDate today)
{
    const int month = today.month() - 1;
    reportMonth = static_cast<std::uint8_t>(month == 0 ? 11 : month - 1);
    startMonth = reportMonth;
    const int reportYear = reportMonth == 11 ? today.year() - 1 : today.year();
    yearSlot = static_cast<std::uint8_t>(static_cast<std::uint8_t>(reportYear - 2000) % 2);
}

QString WithMonthArticle(const QString& name, const QString& language)
{
    if (language != QLatin1String("french"))
        return name;
    if (!name.isEmpty() && (name[0] == u'a' || name[0] == u'o'))
        return QStringLiteral("d'") + name;
    return QStringLiteral("de ") + name;
}

QString GetMonthName(int m, bool withArticle, const QString& language)
{
    const QString name = LoadResString(IDS_MONTH_FIRST + m);
    return withArticle ? WithMonthArticle(name, language) : name;
}

} // namespace rekol
