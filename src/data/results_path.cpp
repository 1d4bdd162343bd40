#include "data/results_path.h"

namespace rekol {

bool HasGroupExtension(const QString& path)
{
    return path.endsWith(QLatin1String(".k09"), Qt::CaseInsensitive);
}

QString ResultsPath(const QString& groupPath)
{
    if (!HasGroupExtension(groupPath))
        return {};
    return groupPath.left(groupPath.size() - 4) + QLatin1String(".k19");
}

} // namespace rekol
