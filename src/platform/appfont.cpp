#include "appfont.h"

#include <QFile>
#include <QFontDatabase>

namespace kvidrel {

namespace {
const QString kFace = QStringLiteral("Tahoma");
const QString kFontFile = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
} // namespace

void registerTahoma()
{
    if (QFontDatabase::hasFamily(kFace))
        return;
    if (QFile::exists(kFontFile) && QFontDatabase::addApplicationFont(kFontFile) >= 0)
        return;
    QFont::insertSubstitutions(kFace,
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Sans Serif")});
}

QFont tahoma(int pixels)
{
    QFont font(kFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

} // namespace kvidrel
