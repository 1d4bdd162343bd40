#include "main/widgets/reports_dlg.h"
#include "data/results_path.h"
#include "main/reports_ids.h"
#include "main/widgets/about_dlg.h"
#include "main/widgets/file_dlg.h"
#include "res/string_table.h"
#include "res/widgets/app_icon.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <new>

namespace rekol {

CReportsDlg::CReportsDlg(MessageSink& messages, const QString& settingsPath, QWidget* parent)
    : CTemplateDialog(IDD_REKOL_DIALOG, parent)
    , model_(messages, settingsPath)
    , list_(Item<QListWidget>(IDC_PUBLISHER_LIST))
{
    ConnectControls();
}

CReportsDlg::~CReportsDlg()
{
    // The list outlives the model while the widgets are torn down: its last
    // signals must not reach it.
    list_->blockSignals(true);
}

void CReportsDlg::ConnectControls()
{
    auto onClick = [this](int id, auto action) { connect(Button(id), &QPushButton::clicked, this, action); };
    onClick(IDOK, [this] { EnterReport(); });
    onClick(IDCANCEL, [this] { ExitApplication(); });
    onClick(IDC_OPEN_GROUP, [this] { OpenGroupFile(); });
    onClick(IDC_SEND_RESULTS, [this] {
        SendResults();
        FocusList();
    });
    onClick(IDC_VIEW_FORM, [this] {
        ViewCollectionForm();
        FocusList();
    });
    onClick(IDC_DIAL, [this] {
        DialSelected();
        FocusList();
    });
    onClick(IDC_NEXT_PHONE, [this] {
        NextPhone();
        FocusList();
    });
    onClick(IDC_HELP, [this] {
        ShowHelp();
        FocusList();
    });
    onClick(IDC_SEND_REMINDER, [this] { SendReminder(); });
    onClick(IDC_PREVIEW_REMINDER, [this] { PreviewReminder(); });
    connect(Item<QCheckBox>(IDC_FILTER_NOT_REPORTED), &QCheckBox::clicked, this, [this] { ToggleFilter(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateSelection(); });
    connect(list_, &QListWidget::doubleClicked, this, [this] { EnterReport(); });
}

void CReportsDlg::AddAboutItem()
{
    // The window manager's menu cannot take items: the About item lives in
    // the window's context menu.
    const QString text = LoadResString(IDS_ABOUT_MENU);
    if (text.isEmpty())
        return;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    auto* about = new QAction(text, this);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    auto* mail = new QAction(LoadResString(IDS_MAIL_SETTINGS_MENU), this);
    connect(mail, &QAction::triggered, this, [this] { OpenMailSettings(); });
    addAction(separator);
    addAction(about);
    addAction(mail);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CReportsDlg::OnInitDialog(const QString& commandLine)
{
    Item<QCheckBox>(IDC_FILTER_NOT_REPORTED)->setChecked(model_.filterNotReported != 0);
    AddAboutItem();
    setWindowIcon(AppIcon());
    const bool loaded = model_.Start(commandLine);
    ShowItem(IDC_SEND_RESULTS, false);
    ShowItem(IDC_VIEW_FORM, false);
    ShowItem(IDC_FILTER_NOT_REPORTED, false);
    if (loaded) {
        FillPublisherList();
        UpdateStatus();
    }
    FocusList();
}

void CReportsDlg::FocusList() { list_->setFocus(Qt::OtherFocusReason); }

void CReportsDlg::FillPublisherList()
{
    {
        // The selection is set here; UpdateSelection runs once, below.
        const QSignalBlocker blocker(list_);
        list_->clear();
        for (const PublisherLine& line : model_.FillList())
            list_->addItem(line.text);
        list_->setCurrentRow(model_.selectedIndex);
    }
    FocusList();
    UpdateSelection();
}

void CReportsDlg::UpdateSelection()
{
    const std::optional<SelectionView> view = model_.UpdateSelection(list_->currentRow());
    if (!view)
        return;
    Button(IDOK)->setText(view->okText);
    SetDlgItemText(IDC_PHONE_NUMBER, view->phoneNumber);
    ShowItem(IDC_PHONE_NUMBER, view->phoneVisible);
    ShowItem(IDC_DIAL, view->phoneVisible);
    ShowItem(IDC_NEXT_PHONE, view->nextPhoneVisible);
    if (view->reminderVisible)
        SetDlgItemText(IDC_SEND_REMINDER, view->reminderText);
    ShowItem(IDC_SEND_REMINDER, view->reminderVisible);
    ShowItem(IDC_PREVIEW_REMINDER, view->reminderVisible);
}

void CReportsDlg::UpdateStatus()
{
    const StatusView view = model_.Status();
    setWindowTitle(view.title);
    SetDlgItemText(IDC_NOT_REPORTED_LINE, view.notReportedLine);
    SetDlgItemText(IDC_TOTAL_LINE, view.totalLine);
    SetDlgItemText(IDC_LAST_REGISTERED, view.lastRegistered);
    ShowItem(IDC_SEND_RESULTS, view.sendVisible);
    ShowItem(IDC_VIEW_FORM, view.sendVisible);
    ShowItem(IDC_FILTER_NOT_REPORTED, view.filterVisible);
}

void CReportsDlg::EnterReport()
{
    const std::optional<int> record = model_.RecordForEntry(list_->currentRow());
    if (!record)
        return;
    try {
        RunEntryDialog(*record);
    } catch (const std::bad_alloc&) {
        // Without memory for the dialog the reports typed so far are saved
        // and the program closes.
        ExitApplication();
        return;
    }
    if (model_.filterNotReported == 1)
        FillPublisherList();
    else
        FocusList();
}

void CReportsDlg::OpenGroupFile()
{
    CFileDlg dialog(this, LoadResString(IDS_OPEN_TITLE), model_.OpenDialogDirectory(),
                    QStringLiteral("%1 (*.k09)").arg(LoadResString(IDS_OPEN_FILTER)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The folder must exist, the file need not.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        QDir::setCurrent(model_.startDirectory);
        FocusList();
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    // Any other ending is ignored without a word.
    if (!HasGroupExtension(path))
        return;
    if (model_.OpenGroup(path)) {
        FillPublisherList();
        UpdateStatus();
    }
    QDir::setCurrent(model_.startDirectory);
    FocusList();
}

void CReportsDlg::ToggleFilter()
{
    model_.filterNotReported = Item<QCheckBox>(IDC_FILTER_NOT_REPORTED)->isChecked() ? 1 : 0;
    FillPublisherList();
}

void CReportsDlg::ShowHelp() { Messages().ShowMessage(model_.HelpText(), MessageButtons::Ok, MessageIcon::Information); }

void CReportsDlg::OnSysCommand(int command)
{
    if ((command & 0xFFF0) != IDM_ABOUTBOX)
        return;
    CAboutDlg about(this);
    about.exec();
}

void CReportsDlg::ExitApplication()
{
    model_.Exit();
    QDialog::done(QDialog::Rejected);
}

void CReportsDlg::reject() { ExitApplication(); }

} // namespace rekol
