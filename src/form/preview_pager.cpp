#include "form/preview_pager.h"

#include <algorithm>

namespace rekol {

PreviewPager::PreviewPager(int count) : total(count), last(std::min(count, PageRows)) {}

void PreviewPager::NextPage()
{
    last = total - last > PageRows ? last + PageRows : total;
    first = std::max(last - PageRows, 0);
}

void PreviewPager::PreviousPage()
{
    first = first > PageRows ? first - PageRows : 0;
    last = std::min(first + PageRows, total);
}

} // namespace rekol
