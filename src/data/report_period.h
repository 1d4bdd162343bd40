#pragma once

#include <QString>

namespace rekol {

// The name of month m (0 = January); with `withArticle` and the language
// "french", preceded by the article that "of" takes ("d'" or "de ").
QString GetMonthName(int m, bool withArticle, const QString& language);

// The article rule on its own, for any month name.
QString WithMonthArticle(const QString& name, const QString& language);

} // namespace rekol
