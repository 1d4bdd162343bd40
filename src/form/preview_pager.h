#pragma once

namespace rekol {

// The screen pages of the preview: records first + 1 .. last of `total`,
// at most 18 at a time. Paging forward always ends a page on a full 18 rows
// when there are that many, so the last page may repeat rows of the one
// before.
class PreviewPager {
public:
    static constexpr int PageRows = 18;

    explicit PreviewPager(int count = 0);

    void NextPage();
    void PreviousPage();

    // What the two paging buttons show for the current page.
    bool PagingShown() const { return total > PageRows; }
    bool OnFirstPage() const { return first == 0; }
    bool NextShown() const { return first > 0 && last < total; }

    int total = 0;
    int first = 0;
    int last = 0;
};

} // namespace rekol
