#include "appfont.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace kvidrel {

namespace {
const QString kFace = QStringLiteral("Tahoma");
const QString kFontFile = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
const QString kBoldFile = QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf");
} // namespace

namespace {

void makeAvailable()
{
    if (QFontDatabase::hasFamily(kFace))
        return;
    if (QFile::exists(kFontFile) && QFontDatabase::addApplicationFont(kFontFile) >= 0) {
        // Its bold face, where there is one, so bold text is not smeared sideways.
        if (QFile::exists(kBoldFile))
            QFontDatabase::addApplicationFont(kBoldFile);
        return;
    }
    QFont::insertSubstitutions(kFace,
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Sans Serif")});
}

} // namespace

void registerTahoma()
{
    makeAvailable();
    // The windows' own texts too, at the desktop's size: one face loaded, not two.
    QFont font = QGuiApplication::font();
    font.setFamily(kFace);
    font.setStyleHint(QFont::SansSerif);
    QGuiApplication::setFont(font);
}

QFont tahoma(int pixels)
{
    QFont font(kFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

} // namespace kvidrel
