#include "entry/num_edit.h"

namespace rekol {

NumEditAction NumEditFilter(QChar c)
{
    if ((c >= u'0' && c <= u'9') || c == QChar(8) || c == u'.')
        return NumEditAction::Pass;
    if (c == u' ')
        return NumEditAction::Zero;
    return NumEditAction::Drop;
}

} // namespace rekol
