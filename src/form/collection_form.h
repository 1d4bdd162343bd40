#pragma once

#include "form/device_context.h"
#include "form/draw_primitives.h"

#include <QString>

#include <array>
#include <cstdint>

namespace rekol {

class GroupData;

// The page metrics of one print command.
struct PageLayout {
    std::uint16_t top = 0;       // y of the title line
    std::uint16_t left = 0;      // x of the name column and the header lines
    std::uint16_t rowHeight = 0; // the header's line unit; the row pitch while rows are drawn
    std::uint16_t contactX = 0;  // x of the telephone column's text
    std::int32_t row = 0;        // the current row, in pitches from `top`; 4 for a page's first row
    std::int32_t dpiY = 0;
    std::int32_t dpiX = 0;
    QString title;
    QString subtitle;
};

// The Report Collection Form of one month: the printed form, a ruled table
// of every publisher of the group, and its reduced on-screen table. It only
// reads the group.
class CollectionForm {
public:
    static constexpr int RowsPerScreen = 18;

    explicit CollectionForm(GroupData& group);

    // The print job's document name, "Report Collection Form".
    static QString DocumentName();

    // Draws the whole job on `dc`, a printing device that is open: page
    // metrics, the document, its pages.
    void Print(DeviceContext& dc);

    void InitPageLayout(DeviceContext& dc, PageLayout& layout) const;
    void PrintPages(DeviceContext& dc, PageLayout& layout);
    void PrintPageHeader(DeviceContext& dc, PageLayout& layout) const;

    // The on-screen table of records first + 1 .. last in `rect`, whose
    // left and top are 0.
    void PaintTable(const Rect& rect, DeviceContext& dc, int first, int last);

    // The month shown and printed, 0 = January; the year slot is the
    // group's at the time of drawing.
    std::uint8_t month = 0;
    // Loaded by every print command.
    QString nameHeading;
    QString phoneHeading;

private:
    struct Fonts {
        LogFont body;
        LogFont small;
    };

    void StartFormPage(DeviceContext& dc, const Fonts& fonts) const;
    void PrintHeadings(DeviceContext& dc, PageLayout& layout, bool firstPage) const;
    void PrintRow(DeviceContext& dc, const PageLayout& layout, const Fonts& fonts, int i);
    void PrintNote(DeviceContext& dc, const PageLayout& layout, const Fonts& fonts, int i, int y);
    QString Text(const QByteArray& bytes) const;

    GroupData& group_;
    std::uint16_t h0_ = 0;
    std::array<int, 7> columnX_{};
    GridSpec grid_;
};

} // namespace rekol
