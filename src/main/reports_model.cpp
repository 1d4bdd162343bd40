#include "main/reports_model.h"
#include "main/reminder.h"
#include "app/profile_file.h"
#include "data/code_page.h"
#include "data/report_period.h"
#include "data/results_path.h"
#include "res/string_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rekol {
namespace {

const QString kSection = QStringLiteral("Last");
const QString kLoadPath = QStringLiteral("LoadPath");
const QString kPost = QStringLiteral("Post");

} // namespace

ReportsModel::ReportsModel(MessageSink& messages, QString settingsPath)
    : group(messages)
    , messages_(messages)
    , settingsPath_(std::move(settingsPath))
{
}

QString ReportsModel::Decode(const QByteArray& bytes) const { return DecodeAnsi(bytes, group.language); }

bool ReportsModel::Start(const QString& commandLine)
{
    const ProfileFile settings(settingsPath_);
    QString path = commandLine;
    path.remove(QLatin1Char('"'));
    if (HasGroupExtension(path)) {
        // A relative path would name another file once the program starts
        // elsewhere, and it is remembered in the settings.
        path = QFileInfo(path).absoluteFilePath();
    } else {
        path = settings.ReadString(kSection, kLoadPath);
    }
    group.groupPath = path;
    lastRegistered = settings.ReadString(kSection, kPost);
    group.isAllocated = false;
    startDirectory = QDir::currentPath();
    group.language = LoadResString(IDS_LANGUAGE);
    group.DeriveReportPeriod(group.clock());
    filterNotReported = 0;
    if (!HasGroupExtension(group.groupPath))
        return false;
    return group.LoadGroupFile(group.groupPath) != LoadStatus::LowMemory;
}

bool ReportsModel::SaveOpenGroup()
{
    // The extension in any case: a group opened as ".K09" is saved too.
    if (!HasGroupExtension(group.groupPath) || group.publisherCount <= 1 || !group.isAllocated)
        return true;
    return group.SaveGroupFile(group.groupPath);
}

void ReportsModel::Exit()
{
    SaveOpenGroup();
    if (group.isAllocated)
        group.FreeGroupBuffers();
    // Nothing may read the released records any more.
    group.publisherCount = 0;
    group.noteCount = 0;
    lines_.clear();
    ProfileFile settings(settingsPath_);
    settings.WriteString(kSection, kLoadPath, group.groupPath);
    settings.WriteString(kSection, kPost, lastRegistered);
    settings.Save();
}

const std::vector<PublisherLine>& ReportsModel::FillList()
{
    lines_.clear();
    for (int i = 1; i <= group.publisherCount; ++i) {
        if (filterNotReported == 0 || group.IsNotReported(i, group.reportMonth, group.yearSlot))
            lines_.push_back({Decode(group.GetDisplayName(i, true)), i});
    }
    if (selectedIndex > static_cast<int>(lines_.size()) - 1)
        selectedIndex = 0;
    return lines_;
}

int ReportsModel::RecordAt(int row) const
{
    return row >= 0 && row < static_cast<int>(lines_.size()) ? lines_[static_cast<std::size_t>(row)].record : 0;
}

std::optional<SelectionView> ReportsModel::UpdateSelection(int row)
{
    if (group.publisherCount < 2 || lines_.empty())
        return std::nullopt;
    selectedIndex = row;
    const int r = RecordAt(row);
    if (r == 0)
        return std::nullopt;

    SelectionView view;
    view.okText = FormatMessage(LoadResString(IDS_ENTER_REPORT), Decode(group.GetDisplayName(r, false)));
    view.reminderVisible = OffersReminder(group, r); // refreshes the contact cache
    view.phoneVisible = group.phoneCount > 0;
    if (view.phoneVisible)
        view.phoneNumber = Decode(group.phones[group.phoneCursor]);
    view.nextPhoneVisible = group.phoneCount >= 2;
    if (view.reminderVisible)
        view.reminderText = QStringLiteral("E-mail - ") + Decode(group.selectedEmail);
    return view;
}

StatusView ReportsModel::Status() const
{
    const QString month = GetMonthName(group.reportMonth, false, group.language);
    const QString caption = QStringLiteral("%1 %2").arg(LoadResString(IDS_GROUP), QString::number(group.groupNumber));
    StatusView view;
    view.title = QStringLiteral("%1 - %2 ").arg(FormatMessage(LoadResString(IDS_REPORTS_OF), month), caption);
    view.notReportedLine =
        QStringLiteral("%1 = %2").arg(FormatMessage(LoadResString(IDS_NOT_REPORTED_IN), month),
                                      QString::number(group.CountNotReported(group.reportMonth, group.yearSlot)));
    view.totalLine =
        QStringLiteral("%1 = %2").arg(LoadResString(IDS_TOTAL_PUBLISHERS), QString::number(group.publisherCount));
    view.lastRegistered = lastRegistered;
    view.sendVisible = !lines_.empty();
    view.filterVisible = group.publisherCount != 0;
    return view;
}

std::optional<int> ReportsModel::RecordForEntry(int row)
{
    if (lines_.empty())
        return std::nullopt;
    selectedIndex = row;
    if (row < 0)
        return std::nullopt;
    const int r = RecordAt(row);
    return r == 0 ? std::nullopt : std::optional<int>(r);
}

QString ReportsModel::OpenDialogDirectory() const
{
    const QString& path = group.groupPath;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (path.size() > 8 && slash > 1) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return path.left(slash);
    }
    return startDirectory;
}

bool ReportsModel::OpenGroup(const QString& path)
{
    // The reports typed into the open group are kept before it is replaced.
    if (!SaveOpenGroup())
        return false;
    group.LoadGroupFile(path);
    lastRegistered.clear();
    return true;
}

QString ReportsModel::HelpText() const
{
    QString text;
    for (int id = IDS_HELP_FIRST; id <= IDS_HELP_LAST; ++id)
        text += LoadResString(id);
    return text;
}

} // namespace rekol
