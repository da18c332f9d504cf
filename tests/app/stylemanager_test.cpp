#include "dialoghelper.h"
#include "errors.h"
#include "infUnit.h"
#include "stylemanager.h"

#include <QApplication>
#include <QPalette>
#include <QSet>
#include <QStyle>
#include <gtest/gtest.h>

using namespace kvidrel;

TEST(StyleManager, KnowsTheSevenNamesSorted)
{
    EXPECT_EQ(stylemanager::StyleNames(),
              QStringList({"Aqua Light Slate", "Iceberg Classico", "Sky", "Smokey Quartz Kamri",
                           "Windows", "Windows10", "Windows10 Clear Day"}));
}

TEST(StyleManager, EveryStyleAppliesAndTheThemesLookDifferent)
{
    QSet<QRgb> windowColours;
    QSet<QRgb> highlightColours;
    for (const QString &name : stylemanager::StyleNames()) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(stylemanager::TrySetStyle(name));
        EXPECT_EQ(stylemanager::ActiveStyleName(), name);
        const QPalette palette = QApplication::palette();
        windowColours.insert(palette.color(QPalette::Window).rgb());
        highlightColours.insert(palette.color(QPalette::Highlight).rgb());
        if (name == QStringLiteral("Windows"))
            EXPECT_EQ(palette.color(QPalette::Window),
                      QApplication::style()->standardPalette().color(QPalette::Window));
        else
            EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    }
    EXPECT_EQ(windowColours.size(), 7);
    EXPECT_GE(highlightColours.size(), 6);

    // Names compare without regard to case and come back in their own spelling.
    EXPECT_TRUE(stylemanager::TrySetStyle(QStringLiteral("sky")));
    EXPECT_EQ(stylemanager::ActiveStyleName(), QStringLiteral("Sky"));
}

TEST(StyleManager, UnknownNameKeepsTheStyleAndTellsTheHost)
{
    ASSERT_TRUE(stylemanager::TrySetStyle(QStringLiteral("Aqua Light Slate")));
    const QColor window = QApplication::palette().color(QPalette::Window);

    QStringList errors;
    setErrorSink([&errors](const QString &m) { errors << m; });
    EXPECT_FALSE(stylemanager::TrySetStyle(QStringLiteral("Carbon")));
    setErrorSink({});
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("Carbon")));

    // Once the notice dialog exists, the report goes there.
    Tinfform notice;
    infform = &notice;
    stylemanager::setNoticeSink([](const QString &m) { visInfo(m); });
    QString shown;
    dialoghelper::answerModal([&shown](QWidget *d) {
        shown = static_cast<Tinfform *>(d)->label()->text();
        dialoghelper::clickButton(d, QStringLiteral("OK"));
    });
    EXPECT_FALSE(stylemanager::TrySetStyle(QStringLiteral("Carbon")));
    infform = nullptr;
    stylemanager::setNoticeSink({});
    EXPECT_TRUE(shown.contains(QStringLiteral("Carbon")));

    EXPECT_EQ(stylemanager::ActiveStyleName(), QStringLiteral("Aqua Light Slate"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), window);
}
