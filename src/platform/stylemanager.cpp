#include "stylemanager.h"

#include "errors.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <optional>

namespace kvidrel::stylemanager {

namespace {

const QString kPlatformStyle = QStringLiteral("Windows");

// The colours a theme chooses; the shades in between are derived.
struct Theme
{
    const char *name;
    QColor window;
    QColor windowText;
    QColor base;
    QColor text;
    QColor button;
    QColor highlight;
    QColor highlightedText;
};

const QList<Theme> &themes()
{
    static const QList<Theme> list = {
        {"Aqua Light Slate", QColor(0xb4bfca), QColor(0x1e2933), QColor(0xeef2f5), QColor(0x1e2933),
         QColor(0xc5ced7), QColor(0x4f7da6), Qt::white},
        {"Iceberg Classico", QColor(0xf2f6fa), QColor(0x1c2a38), Qt::white, QColor(0x1c2a38),
         QColor(0xdde8f3), QColor(0x2f6fb0), Qt::white},
        {"Sky", QColor(0xd6e8f8), QColor(0x0f2a4a), Qt::white, QColor(0x0f2a4a), QColor(0xbcd9f4),
         QColor(0x3a8ee6), Qt::white},
        {"Smokey Quartz Kamri", QColor(0x3d3a39), QColor(0xe9e3dd), QColor(0x2c2a29),
         QColor(0xe9e3dd), QColor(0x4d4847), QColor(0x9c7b6b), Qt::white},
        {"Windows10", Qt::white, Qt::black, Qt::white, Qt::black, QColor(0xe1e1e1),
         QColor(0x0078d7), Qt::white},
        {"Windows10 Clear Day", QColor(0xf4f9ff), QColor(0x1a1a1a), Qt::white, QColor(0x1a1a1a),
         QColor(0xd9ebff), QColor(0x1e90ff), Qt::white},
    };
    return list;
}

QPalette paletteOf(const Theme &theme)
{
    QPalette pal(theme.button, theme.window); // derives light, mid, dark and shadow
    pal.setColor(QPalette::WindowText, theme.windowText);
    pal.setColor(QPalette::Base, theme.base);
    pal.setColor(QPalette::AlternateBase, theme.window);
    pal.setColor(QPalette::Text, theme.text);
    pal.setColor(QPalette::ButtonText, theme.windowText);
    pal.setColor(QPalette::Highlight, theme.highlight);
    pal.setColor(QPalette::HighlightedText, theme.highlightedText);
    pal.setColor(QPalette::ToolTipBase, theme.base);
    pal.setColor(QPalette::ToolTipText, theme.text);
    pal.setColor(QPalette::Link, theme.highlight);
    pal.setColor(QPalette::PlaceholderText,
                 theme.window.lightness() < 128 ? theme.text.darker(150) : theme.text.lighter(250));

    // Disabled texts fade halfway into their background.
    auto fade = [](const QColor &fg, const QColor &bg) {
        return QColor((fg.red() + bg.red()) / 2, (fg.green() + bg.green()) / 2,
                      (fg.blue() + bg.blue()) / 2);
    };
    pal.setColor(QPalette::Disabled, QPalette::WindowText, fade(theme.windowText, theme.window));
    pal.setColor(QPalette::Disabled, QPalette::Text, fade(theme.text, theme.base));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, fade(theme.windowText, theme.button));
    pal.setColor(QPalette::Disabled, QPalette::Base, theme.window);
    return pal;
}

std::optional<Theme> findTheme(const QString &name)
{
    for (const Theme &theme : themes()) {
        if (name.compare(QLatin1String(theme.name), Qt::CaseInsensitive) == 0)
            return theme;
    }
    return std::nullopt;
}

// The style the platform gave the application before we changed anything.
QString platformStyleKey()
{
    static const QString key = QApplication::style() ? QApplication::style()->name() : QString();
    return key;
}

QString &activeName()
{
    static QString name;
    return name;
}

std::function<void(const QString &)> &noticeSink()
{
    static std::function<void(const QString &)> sink;
    return sink;
}

void reportUnknown(const QString &name)
{
    const QString message = QStringLiteral("Designet \"%1\" findes ikke.").arg(name);
    if (noticeSink())
        noticeSink()(message);
    else
        showDefaultError(message);
}

void applyStyle(const QString &key, const QPalette *palette)
{
    QStyle *style = QStyleFactory::create(key);
    if (!style)
        style = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(style); // the application takes ownership
    QApplication::setPalette(palette ? *palette : style->standardPalette());
}

} // namespace

QStringList StyleNames()
{
    QStringList names{kPlatformStyle};
    for (const Theme &theme : themes())
        names << QLatin1String(theme.name);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

bool TrySetStyle(const QString &name)
{
    const QString platformKey = platformStyleKey(); // fixed before the first change
    if (name.compare(kPlatformStyle, Qt::CaseInsensitive) == 0) {
        applyStyle(platformKey, nullptr);
        activeName() = kPlatformStyle;
        return true;
    }
    const std::optional<Theme> theme = findTheme(name);
    if (!theme) {
        reportUnknown(name);
        return false;
    }
    const QPalette palette = paletteOf(*theme);
    applyStyle(QStringLiteral("Fusion"), &palette);
    activeName() = QLatin1String(theme->name);
    return true;
}

QString ActiveStyleName()
{
    return activeName();
}

void setNoticeSink(std::function<void(const QString &)> sink)
{
    noticeSink() = std::move(sink);
}

} // namespace kvidrel::stylemanager
