#include "form/collection_form.h"

#include "data/code_page.h"
#include "data/group_data.h"
#include "res/string_table.h"

#include <algorithm>
#include <cstdlib>

namespace rekol {
namespace {

const QString kFace = QStringLiteral("Arial");

// Rows of a printed page lie at positions 4 .. 35, counted in pitches from
// the title line.
constexpr int kFirstRow = 4;
constexpr int kLastRow = 35;

// The screen's border width and height in pixels.
constexpr int kBorderX = 1;
constexpr int kBorderY = 1;

constexpr int kStudiesHeading = IDS_ENTRY_LABEL_FIRST + 4; // "Cr.Bi."
constexpr int kHoursHeading = IDS_ENTRY_LABEL_FIRST + 2;   // "Horas"

std::uint16_t U16(int value) { return static_cast<std::uint16_t>(value); }

} // namespace

CollectionForm::CollectionForm(GroupData& group) : group_(group) {}

QString CollectionForm::DocumentName() { return LoadResString(IDS_FORM_DOCUMENT); }

QString CollectionForm::Text(const QByteArray& bytes) const { return DecodeAnsi(bytes, group_.language); }

void CollectionForm::Print(DeviceContext& dc)
{
    PageLayout layout;
    layout.title = DocumentName() + QStringLiteral(" - ") + LoadResString(IDS_MONTH_FIRST + month);
    InitPageLayout(dc, layout);
    dc.StartDoc(DocumentName());
    PrintPages(dc, layout);
    dc.EndDoc();
}

void CollectionForm::InitPageLayout(DeviceContext& dc, PageLayout& layout) const
{
    layout.dpiY = dc.GetDeviceCaps(DeviceCap::LogPixelsY);
    layout.dpiX = dc.GetDeviceCaps(DeviceCap::LogPixelsX);
    layout.top = U16(layout.dpiY / 2);
    layout.left = U16(layout.dpiX);
    layout.rowHeight = U16(std::max(layout.dpiY / 6, std::abs(dc.GetTextMetrics().height)));
}

void CollectionForm::PrintPages(DeviceContext& dc, PageLayout& layout)
{
    const int dx = layout.dpiX;
    const int dy = layout.dpiY;
    Fonts fonts;
    MakePointFont(fonts.body, 100, kFace, dc);
    ApplyLanguageFont(fonts.body, false, group_.language);
    MakePointFont(fonts.small, 80, kFace, dc);
    ApplyLanguageFont(fonts.small, false, group_.language);
    const LogFont previous = dc.SelectFont(fonts.body);

    layout.left = U16(layout.left - dx / 2);
    layout.contactX = U16(layout.left + 2 * dx);
    columnX_[0] = layout.contactX - dx / 20;
    columnX_[1] = columnX_[0] + dx + dx / 4;
    const int step = dx / 10 + dx / 2;
    for (std::size_t k = 2; k <= 5; ++k)
        columnX_[k] = columnX_[1] + static_cast<int>(k - 1) * step;
    columnX_[6] = columnX_[1] + 5 * step + dx;
    grid_ = {layout.top + 4 * (dy / 4) - (dy / 4) / 6, layout.left - dx / 20, dy / 4, 0, 7};
    grid_.insert(grid_.end(), columnX_.begin(), columnX_.end());

    layout.subtitle = QStringLiteral("%1 #%2").arg(LoadResString(IDS_GROUP)).arg(group_.groupNumber) +
                      QStringLiteral("  ");
    nameHeading = LoadResString(IDS_NAME_HEADING);
    phoneHeading = LoadResString(IDS_PHONE_HEADING);
    h0_ = layout.rowHeight;

    StartFormPage(dc, fonts);
    PrintHeadings(dc, layout, true);
    for (int i = 1; i <= group_.publisherCount; ++i) {
        if (layout.row > kLastRow) {
            dc.EndPage();
            StartFormPage(dc, fonts);
            PrintHeadings(dc, layout, false);
        }
        PrintRow(dc, layout, fonts, i);
        ++layout.row;
        // The ruling grows with every row, covering all rows of the page.
        grid_[3] = layout.row - kFirstRow;
        DrawGrid(dc, grid_);
    }
    dc.SelectFont(previous);
    dc.EndPage();
}

void CollectionForm::StartFormPage(DeviceContext& dc, const Fonts& fonts) const
{
    dc.SelectFont(dc.StockFont(StockObject::DeviceDefaultFont));
    dc.StartPage();
    dc.SelectFont(fonts.body);
}

void CollectionForm::PrintPageHeader(DeviceContext& dc, PageLayout& layout) const
{
    LogFont title;
    MakePointFont(title, 140, kFace, dc);
    ApplyLanguageFont(title, true, group_.language);
    LogFont previous = dc.SelectFont(title);
    dc.TextOut(layout.left, layout.top, layout.title);
    dc.SelectFont(previous);

    LogFont subtitle;
    MakePointFont(subtitle, 120, kFace, dc);
    ApplyLanguageFont(subtitle, true, group_.language);
    previous = dc.SelectFont(subtitle);
    dc.TextOut(layout.left, layout.top + 2 * layout.rowHeight, layout.subtitle);
    dc.SelectFont(previous);

    dc.TextOut(layout.left, layout.top + 4 * layout.rowHeight, nameHeading);
    dc.TextOut(layout.contactX, layout.top + 4 * layout.rowHeight, phoneHeading);
}

void CollectionForm::PrintHeadings(DeviceContext& dc, PageLayout& layout, bool firstPage) const
{
    const int dx = layout.dpiX;
    layout.rowHeight = h0_;
    PrintPageHeader(dc, layout);
    const int y = layout.top + 4 * layout.rowHeight;
    dc.TextOut(columnX_[1] + dx / 20, y, LoadResString(IDS_PARTICIPATED_HEADING));
    dc.TextOut(columnX_[2] + dx / 20, y, LoadResString(kStudiesHeading));
    dc.TextOut(columnX_[3] + dx / 20, y, LoadResString(IDS_AUX_HEADING));
    dc.TextOut(columnX_[4] + dx / 20, y, LoadResString(kHoursHeading));
    // The first page's "Notas" stands further into its column.
    dc.TextOut(columnX_[5] + (firstPage ? dx / 2 : dx / 10), y, LoadResString(IDS_NOTES_HEADING));
    layout.row = kFirstRow;
    layout.rowHeight = U16(layout.dpiY / 4);
}

void CollectionForm::PrintRow(DeviceContext& dc, const PageLayout& layout, const Fonts& fonts, int i)
{
    const int dx = layout.dpiX;
    const int dy = layout.dpiY;
    const int p = layout.rowHeight;
    const int line = layout.top + layout.row * p;
    const int y = line + p / 8;
    const int slot = group_.yearSlot;

    dc.TextOut(layout.left, y, Text(group_.GetDisplayName(i, false)));

    const QByteArray first = group_.GetFormPhone(i, 0);
    const QByteArray second = group_.GetFormPhone(i, 1);
    if (second.isEmpty()) {
        dc.TextOut(layout.contactX, y, Text(first));
    } else {
        dc.SelectFont(fonts.small);
        dc.TextOut(layout.contactX, line - p / 7, Text(first));
        dc.TextOut(layout.contactX + dx / 5, line + p / 3, Text(second));
        dc.SelectFont(fonts.body);
    }

    const PublisherRecord& record = group_.Record(i);
    dc.SetTextAlign(TextAlign::Right);
    const bool participated = (record.Cell(layout::StudyWord, month, slot) & layout::ParticipatedBit) != 0;
    DrawCheckBox(dc, columnX_[1] + (7 * dx) / 19, y + dy / 8, participated ? 1 : 0, 7);
    if (const int studies = group_.GetReportCell(i, month, slot, CellStudies); studies != 0)
        dc.TextOut(columnX_[2] + (4 * dx) / 10, y, QString::number(studies));
    const bool auxiliary = (record.StatusByte(month, slot) & 3) == StatusAuxPioneer;
    DrawCheckBox(dc, columnX_[3] + (7 * dx) / 19, y + dy / 8, auxiliary ? 1 : 0, 7);
    if (const int hours = group_.GetReportCell(i, month, slot, CellHours); hours != 0)
        dc.TextOut(columnX_[4] + (4 * dx) / 10, y, QString::number(hours));
    dc.SetTextAlign(TextAlign::Left);

    PrintNote(dc, layout, fonts, i, y);
}

void CollectionForm::PrintNote(DeviceContext& dc, const PageLayout& layout, const Fonts& fonts, int i, int y)
{
    QByteArray note;
    group_.FindNote(i, month, group_.yearSlot, &note, true);
    if (note.size() < 2)
        return;
    if (note.size() > 35)
        note = note.left(22) + "...";
    const int x = columnX_[5] + layout.dpiX / 20;
    if (note.size() < 20) {
        dc.TextOut(x, y, Text(note));
        return;
    }
    // Two lines in the small font, split at the first space from the sixth
    // character on, or after the nineteenth.
    qsizetype split = note.indexOf(' ', 5);
    if (split < 0 || split > 19)
        split = 19;
    const int p = layout.rowHeight;
    dc.SelectFont(fonts.small);
    dc.TextOut(x, y - p / 6, Text(note.left(split)));
    dc.TextOut(x, y + p / 4, Text(note.mid(split)));
    dc.SelectFont(fonts.body);
}

void CollectionForm::PaintTable(const Rect& rect, DeviceContext& dc, int first, int last)
{
    const int cx = kBorderX;
    const int cy = kBorderY;
    const int W = rect.right;
    const int H = rect.bottom;
    const int band = H / RowsPerScreen;
    const int col = W / 11;
    const int q = W / 4;
    const bool greek = group_.language == QLatin1String("greek");
    const int slot = group_.yearSlot;

    const Brush oldBrush = dc.SelectBrush(StockBrush(StockObject::NullBrush));
    dc.ExtTextOut(0, 0, TextOutOpaque, Rect{0, 0, W + 1, H + 5 * cy}, QString());
    dc.SelectBrush(StockBrush(StockObject::LightGrayBrush));
    const Pen oldPen = dc.SelectPen(StockPen(StockObject::NullPen));
    dc.Rectangle(Rect{0, 0, W + 1, band + 1});

    dc.SetBkMode(BkMode::Transparent);
    dc.SelectPen(StockPen(StockObject::BlackPen));
    for (int k = 0; k <= 4; ++k) {
        dc.MoveTo(q + k * col, 0);
        dc.LineTo(q + k * col, H + 3 * cy);
    }
    for (int k = 1; k <= RowsPerScreen; ++k) {
        dc.MoveTo(0, k * band);
        dc.LineTo(W, k * band);
    }

    const LogFont oldFont = dc.SelectFont(dc.StockFont(StockObject::AnsiVarFont));
    dc.SetTextAlign(TextAlign::Left);
    dc.TextOut(2 * cx, cy, LoadResString(IDS_NAME_HEADING));
    dc.SetTextAlign(TextAlign::Right);
    const int headings[] = {IDS_PARTICIPATED_HEADING, kStudiesHeading, IDS_AUX_HEADING, kHoursHeading};
    for (int k = 0; k < 4; ++k)
        dc.TextOut(q + (k + 1) * col - 8 * cx, cy, LoadResString(headings[k]));
    dc.TextOut(greek ? W - W / 20 : W - W / 6, cy, LoadResString(IDS_NOTES_HEADING));

    const int rows = std::min(last - first, RowsPerScreen);
    for (int r = 0; r < rows; ++r) {
        const int i = first + r + 1;
        const int y = (r + 1) * band + cy;
        const int boxBottom = (r + 1) * band + 13 * cy - cy / 3;
        const PublisherRecord& record = group_.Record(i);

        dc.SetTextAlign(TextAlign::Left);
        dc.TextOut(2 * cx, y, Text(group_.GetDisplayName(i, false)));
        dc.SetTextAlign(TextAlign::Right);
        const bool participated = (record.Cell(layout::StudyWord, month, slot) & layout::ParticipatedBit) != 0;
        DrawCheckBox(dc, q + col - 20 * cx, boxBottom, participated ? 1 : 0, 9);
        if (const int studies = group_.GetReportCell(i, month, slot, CellStudies); studies != 0)
            dc.TextOut(q + 2 * col - 10 * cx, y, QString::number(studies));
        const bool auxiliary = (record.StatusByte(month, slot) & 3) == StatusAuxPioneer;
        DrawCheckBox(dc, q + 3 * col - 20 * cx, boxBottom, auxiliary ? 1 : 0, 9);
        if (const int hours = group_.GetReportCell(i, month, slot, CellHours); hours != 0)
            dc.TextOut(q + 4 * col - 10 * cx, y, QString::number(hours));

        QByteArray note;
        group_.FindNote(i, month, slot, &note, true);
        if (!note.isEmpty()) {
            // Shown whole; the clipping rectangle cuts what does not fit.
            dc.SetTextAlign(TextAlign::Left);
            dc.ExtTextOut(q + 5 * (W / 13) - 5 * cx, y, TextOutClipped,
                          Rect{6 * (W / 10) + 2 * cx, y, W, (r + 2) * band + cy}, Text(note));
            dc.SetTextAlign(TextAlign::Right);
        }
    }
    dc.SelectFont(oldFont);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

} // namespace rekol
