#pragma once

#include <QString>
#include <QUrl>

namespace kvidrel {

// The address of a web search for a text: the search service, the path
// "/search" and the query item q carrying the whole text.
QUrl webSearchUrl(const QString &text);

} // namespace kvidrel
