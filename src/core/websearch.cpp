#include "websearch.h"

#include <QUrlQuery>

namespace kvidrel {

namespace {
// The one search service the program uses.
const char *const searchService = "https://www.google.com";
} // namespace

QUrl webSearchUrl(const QString &text)
{
    QUrl url(QString::fromLatin1(searchService));
    url.setPath(QStringLiteral("/search"));
    QUrlQuery query;
    // Encoded as a whole, so "&", "#" or "+" in the text stay part of the query.
    query.addQueryItem(QStringLiteral("q"), QString::fromUtf8(QUrl::toPercentEncoding(text)));
    url.setQuery(query.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

} // namespace kvidrel
