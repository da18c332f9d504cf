#include "shell.h"

#include <QDesktopServices>

namespace kvidrel::shell {

namespace {
Sink &sink()
{
    static Sink s;
    return s;
}
} // namespace

void setSink(Sink s)
{
    sink() = std::move(s);
}

bool openUrl(const QUrl &url)
{
    if (!url.isValid() || url.isEmpty())
        return false;
    if (sink())
        return sink()(url);
    return QDesktopServices::openUrl(url);
}

bool openFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    return openUrl(QUrl::fromLocalFile(path));
}

} // namespace kvidrel::shell
