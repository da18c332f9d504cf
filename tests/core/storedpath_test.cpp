#include "storedpath.h"
#include "testroot.h"
#include "websearch.h"

#include <QDir>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace kvidrel;

// A data root copied from a Windows installation: stored paths name
// "C:\Kvidrel\..." and letters differ in case from the folders on disk.
TEST(StoredPath, WindowsPathsFindTheirFilesUnderAnyRoot)
{
    TestRoot root;
    QDir().mkpath(root.file("Grupper/Sport/Kommentarer"));
    writeAllBytes(root.file("Grupper/Sport/Kommentarer/001 Fodbold.jpg"), "x");

    const QString stored = "c:\\kvidrel\\Grupper\\sport\\Kommentarer\\001 Fodbold.jpg";
    EXPECT_EQ(QDir::fromNativeSeparators(storedpath::resolve(stored)),
              root.file("Grupper/Sport/Kommentarer/001 Fodbold.jpg"));
    EXPECT_TRUE(storedpath::same(stored, root.file("Grupper/Sport/Kommentarer/001 Fodbold.jpg")));

    // Paths under the root are written in the Windows form; others stay as they are.
    EXPECT_EQ(storedpath::toStored(root.file("Deltagere/Åse.png")),
              "C:\\Kvidrel\\Deltagere\\Åse.png");
    EXPECT_EQ(storedpath::toStored("/usr/share/sounds/a.ogg"), "/usr/share/sounds/a.ogg");
    EXPECT_EQ(storedpath::toStored(stored), stored);

    // Two entries that differ only in case: neither is guessed.
    QDir().mkpath(root.file("Grupper/Quiz"));
    QDir().mkpath(root.file("Grupper/QUIZ"));
    EXPECT_EQ(QDir::fromNativeSeparators(storedpath::resolve("C:\\Kvidrel\\Grupper\\quiz")),
              root.file("Grupper/quiz"));
}

TEST(WebSearch, TheWholeTextArrivesAsOneQueryItem)
{
    for (const QString &text : {QStringLiteral("to ord"), QStringLiteral("Rød & grøn?"),
                                QStringLiteral("C# & Qt+1 = 100%")}) {
        const QUrl url = webSearchUrl(text);
        EXPECT_EQ(url.scheme(), "https");
        EXPECT_EQ(url.path(), "/search");
        EXPECT_TRUE(url.fragment().isEmpty());
        EXPECT_EQ(QUrlQuery(url).queryItemValue("q", QUrl::FullyDecoded), text);
    }
}
