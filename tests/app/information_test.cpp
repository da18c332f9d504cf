#include "billede.h"
#include "browser.h"
#include "deliveredcontent.h"
#include "information.h"
#include "kontrol.h"
#include "listrows.h"
#include "shell.h"
#include "struktur.h"
#include "url.h"
#include "websearch.h"
#include "windowfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolButton>
#include <QUrlQuery>
#include <sys/stat.h>
#include <unistd.h>

using namespace kvidrel;

namespace {

// The information window on a structure the test writes before the start.
class InformationTest : public WindowTest
{
protected:
    static Browser *web() { return kontrol<Browser>(infoform, "Web"); }

    QString struktur(const QString &relative = {}) const
    {
        return root.file(QStringLiteral("Struktur/kvidrel/") + relative);
    }

    // Pages A to D with titles Kvidrel, Bee, Cee and Dee.
    void skrivStruktur()
    {
        QDir().mkpath(struktur(QStringLiteral("tekstfiler")));
        writeAllBytes(struktur(QStringLiteral("struktur.txt")), "Kvidrel\r\nBee\r\nCee\r\nDee\r\n");
        writeAllBytes(struktur(QStringLiteral("data.txt")), "0A\r\n0B\r\n0C\r\n0D\r\n");
        for (const char *side : {"A", "B", "C", "D"})
            writeAllBytes(struktur(QStringLiteral("tekstfiler/%1.html").arg(QLatin1String(side))),
                          QByteArray("<html><body><p>Side ") + side + "</p></body></html>");
    }

    void klikEmne(const QString &titel)
    {
        TStruktur *trae = kontrol<TStruktur>(infoform, "Struktur");
        for (QTreeWidgetItem *node : trae->noder()) {
            if (node->text(0) == titel) {
                trae->scrollToItem(node);
                QTest::mouseClick(trae->viewport(), Qt::LeftButton, {},
                                  trae->visualItemRect(node).center());
                idle();
                return;
            }
        }
        ADD_FAILURE() << "no topic " << titel.toStdString();
    }

    QStringList historik() const { return rows(kontrol<QListWidget>(urlform, "urlListe")); }

    // What the four history buttons allow: first, back, forward, last.
    QList<bool> knapper() const
    {
        idle();
        return {kontrol<QToolButton>(infoform, "ToolButton12")->isEnabled(),
                kontrol<QToolButton>(infoform, "ToolButton13")->isEnabled(),
                kontrol<QToolButton>(infoform, "ToolButton14")->isEnabled(),
                kontrol<QToolButton>(infoform, "ToolButton15")->isEnabled()};
    }

    void skrivAdresse(const QString &tekst)
    {
        kontrol<QLineEdit>(infoform, "Edit")->setText(tekst);
        QTest::keyClick(kontrol<QLineEdit>(infoform, "Edit"), Qt::Key_Return);
        idle();
    }

    // The point of the page where the anchor with href shows.
    static QPoint ankerPunkt(Browser *web, const QString &href, bool billede = false)
    {
        for (QTextBlock b = web->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.charFormat().anchorHref() != href ||
                    f.charFormat().isImageFormat() != billede)
                    continue;
                QTextCursor c(web->document());
                c.setPosition(f.position() + (billede ? 0 : 1));
                const QRect r = web->cursorRect(c);
                return billede ? QPoint(r.left() + 10, r.bottom() - 10) : r.center();
            }
        }
        ADD_FAILURE() << "no anchor " << href.toStdString();
        return {};
    }

    // Whether some pixel of the shown page has a colour.
    static bool harFarve(Browser *web, const std::function<bool(const QColor &)> &farve)
    {
        const QImage side = web->viewport()->grab().toImage();
        for (int y = 0; y < side.height(); ++y)
            for (int x = 0; x < side.width(); ++x)
                if (farve(side.pixelColor(x, y)))
                    return true;
        return false;
    }
};

TEST_F(InformationTest, DeliveredHelpOpensOnItsKvidrelPage)
{
    start();
    // The delivered structure is copied in at start.
    const QString kilde = deliveredcontent::leveretStruktur();
    EXPECT_EQ(readAllBytes(struktur(QStringLiteral("data.txt"))),
              readAllBytes(kilde + QStringLiteral("/data.txt")));
    EXPECT_FALSE(QFileInfo::exists(root.file(QStringLiteral("Struktur/.kvidrel.kopi"))));

    main->infoButtonClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(infoform));
    idle();
    EXPECT_EQ(infoform->windowTitle(), QStringLiteral("kvidrel"));
    EXPECT_EQ(kontrol<TStruktur>(infoform, "Struktur")->selectedItems().value(0)->text(0),
              QStringLiteral("Kvidrel"));
    EXPECT_EQ(historik(), QStringList({"Kvidrel.html"}));
    EXPECT_EQ(knapper(), QList<bool>({false, false, false, false}));
    EXPECT_TRUE(web()->toPlainText().contains(QStringLiteral("Velkommen til Kvidrel")));
    EXPECT_EQ(infoform->focusWidget(), web());

    // Over the picture inside a link the status line shows the link.
    QTest::mouseMove(web()->viewport(), ankerPunkt(web(), QStringLiteral("Spillet.html"), true));
    const QString spillet =
        QUrl::fromLocalFile(struktur(QStringLiteral("tekstfiler/Spillet.html"))).toString();
    EXPECT_EQ(kontrol<QStatusBar>(infoform, "infoBar")->currentMessage(), spillet);
    EXPECT_EQ(infoform->globalUrl, spillet);
    QTest::mouseMove(web()->viewport(), QPoint(5, web()->viewport()->height() - 5));
    EXPECT_TRUE(kontrol<QStatusBar>(infoform, "infoBar")->currentMessage().isEmpty());

    web()->verticalScrollBar()->setValue(0);
    QTest::qWait(50);
    gemBillede(infoform, QStringLiteral("information-kvidrel"));
    // The drawn picture (its yellow ring) is on the page.
    EXPECT_TRUE(harFarve(web(), [](const QColor &c) {
        return c.red() > 220 && c.green() > 170 && c.green() < 220 && c.blue() < 90;
    }));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(InformationTest, HistoryInsertsAfterTheCurrentPageAndNeverTwice)
{
    skrivStruktur();
    start();
    main->infoButtonClick();
    idle();
    EXPECT_EQ(historik(), QStringList({"A.html"}));
    EXPECT_EQ(kontrol<QLineEdit>(infoform, "Edit")->text(), QStringLiteral("A.html"));

    klikEmne(QStringLiteral("Bee"));
    klikEmne(QStringLiteral("Cee"));
    klikEmne(QStringLiteral("Cee")); // the same page again adds nothing
    EXPECT_EQ(historik(), QStringList({"A.html", "B.html", "C.html"}));
    EXPECT_EQ(knapper(), QList<bool>({true, true, false, false}));
    click(kontrol<QToolButton>(infoform, "ToolButton13"));
    click(kontrol<QToolButton>(infoform, "ToolButton13"));
    EXPECT_EQ(infoform->urlIndex, 0);
    EXPECT_EQ(web()->LocationName(), QStringLiteral("A.html"));
    EXPECT_EQ(knapper(), QList<bool>({false, false, true, true}));

    klikEmne(QStringLiteral("Dee"));
    EXPECT_EQ(historik(), QStringList({"A.html", "D.html", "B.html", "C.html"}));
    EXPECT_EQ(infoform->urlIndex, 1);
    EXPECT_EQ(knapper(), QList<bool>({true, true, true, true}));
    click(kontrol<QToolButton>(infoform, "ToolButton15"));
    EXPECT_EQ(web()->LocationName(), QStringLiteral("C.html"));
    click(kontrol<QToolButton>(infoform, "ToolButton12"));
    EXPECT_EQ(web()->LocationName(), QStringLiteral("A.html"));
    EXPECT_EQ(historik().size(), 4);

    // A history row whose page has gone shows a notice and leaves no flag
    // behind: the next tree click is recorded.
    QFile::remove(struktur(QStringLiteral("tekstfiler/B.html")));
    infoform->urlListeKnapClick();
    doubleClickRow(kontrol<QListWidget>(urlform, "urlListe"), 2);
    EXPECT_EQ(web()->toPlainText(), QStringLiteral("Siden \"B.html\" findes ikke."));
    EXPECT_EQ(historik().size(), 4);
    klikEmne(QStringLiteral("Kvidrel"));
    EXPECT_EQ(historik(), QStringList({"A.html", "D.html", "B.html", "A.html", "C.html"}));
    EXPECT_EQ(listrows::valgt(kontrol<QListWidget>(urlform, "urlListe")), 3);

    // The URL box: a double click opens its row without adding one.
    doubleClickRow(kontrol<QListWidget>(urlform, "urlListe"), 1);
    EXPECT_EQ(web()->LocationName(), QStringLiteral("D.html"));
    EXPECT_EQ(historik().size(), 5);

    // Cleaning keeps the first of each name, letter case ignored.
    kontrol<QListWidget>(urlform, "urlListe")->clear();
    kontrol<QListWidget>(urlform, "urlListe")
        ->addItems({"A.html", "B.html", "a.html", "C.html", "B.html"});
    infoform->urlIndex = 4;
    click(kontrol<QPushButton>(urlform, "rensKnap"));
    EXPECT_EQ(historik(), QStringList({"A.html", "B.html", "C.html"}));
    EXPECT_EQ(infoform->urlIndex, 1);
    EXPECT_EQ(kontrol<QStatusBar>(urlform, "infoBar")->currentMessage(),
              QStringLiteral("Der blev slettet 2 dobbeltgængere"));
    click(kontrol<QPushButton>(urlform, "rensKnap"));
    EXPECT_EQ(kontrol<QStatusBar>(urlform, "infoBar")->currentMessage(),
              QStringLiteral("Der var ingen dobbeltgængere"));
    click(kontrol<QPushButton>(urlform, "sletKnap"));
    EXPECT_EQ(infoform->urlIndex, -1);
    idle();
    EXPECT_FALSE(kontrol<QPushButton>(urlform, "sletKnap")->isEnabled());
    EXPECT_FALSE(kontrol<QPushButton>(urlform, "rensKnap")->isEnabled());
    klikEmne(QStringLiteral("Cee"));
    EXPECT_EQ(historik(), QStringList({"C.html"}));
    EXPECT_EQ(infoform->urlIndex, 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(InformationTest, TypedAddressesOpenOnlyPagesOfTheStructure)
{
    skrivStruktur();
    QDir().mkpath(struktur(QStringLiteral("tekstfiler/mappe.html")));
    ASSERT_EQ(
        mkfifo(struktur(QStringLiteral("tekstfiler/roer.html")).toLocal8Bit().constData(), 0600),
        0);
    start();
    main->HelpInfo(QStringLiteral("dEE")); // letters a to z in any case
    EXPECT_EQ(web()->LocationName(), QStringLiteral("D.html"));

    skrivAdresse(QStringLiteral("B.html"));
    EXPECT_EQ(web()->LocationName(), QStringLiteral("B.html"));
    EXPECT_EQ(historik(), QStringList({"D.html", "B.html"}));
    EXPECT_TRUE(opened.isEmpty());

    // Nothing else is read: a pipe would block, a folder or a data file is no
    // page. Each goes to the web search, whole.
    alarm(20);
    const QStringList andet = {"../struktur.txt", "roer.html", "mappe.html", "/dev/zero",
                               "søg & find #1"};
    for (const QString &tekst : andet)
        skrivAdresse(tekst);
    alarm(0);
    ASSERT_EQ(opened.size(), andet.size());
    for (qsizetype i = 0; i < andet.size(); ++i) {
        EXPECT_EQ(opened[i], webSearchUrl(andet[i]));
        EXPECT_EQ(QUrlQuery(opened[i]).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                  andet[i]);
    }
    EXPECT_EQ(historik(), QStringList({"D.html", "B.html"}));
    EXPECT_EQ(web()->LocationName(), QStringLiteral("B.html"));

    // A page of 19 MB of zero bytes is refused at once with a notice, typed
    // and through a link, and enters no history.
    writeAllBytes(struktur(QStringLiteral("tekstfiler/stor.html")), QByteArray(19 << 20, '\0'));
    writeAllBytes(struktur(QStringLiteral("tekstfiler/C.html")), "<a href=\"stor.html\">stor</a>");
    const QString stor = QStringLiteral("Siden \"stor.html\" kan ikke vises her.");
    QElapsedTimer ur;
    ur.start();
    skrivAdresse(QStringLiteral("stor.html"));
    EXPECT_LT(ur.elapsed(), 1000);
    EXPECT_EQ(web()->toPlainText(), stor);
    skrivAdresse(QStringLiteral("C.html"));
    ur.start();
    QTest::mouseClick(web()->viewport(), Qt::LeftButton, {},
                      ankerPunkt(web(), QStringLiteral("stor.html")));
    EXPECT_LT(ur.elapsed(), 1000);
    EXPECT_EQ(web()->toPlainText(), stor);
    EXPECT_EQ(opened.size(), andet.size()) << "no web search";
    EXPECT_EQ(historik(), QStringList({"D.html", "B.html", "C.html"}));

    // Without a browser to start, the search says so.
    shell::setSink([](const QUrl &) { return false; });
    answer(QStringLiteral("OK"));
    skrivAdresse(QStringLiteral("uden browser"));
    EXPECT_EQ(messages, QStringList({"Der kunne ikke startes en webbrowser til søgningen.\r" +
                                     webSearchUrl(QStringLiteral("uden browser")).toString()}));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(InformationTest, BrokenStructuresShowWhatTheyCan)
{
    struct Tilfaelde
    {
        QByteArray trae;
        QByteArray data; // null: no data file
        QStringList titler;
        bool besked;
    };
    const QList<Tilfaelde> tilfaelde = {
        {"Kvidrel\r\nTo\r\n", "0A\r\n", {"Kvidrel", "To"}, false},
        {"Kvidrel\r\n", "A\r\n", {"Kvidrel"}, false},
        {"", QByteArray(), {}, false},
        {"Kvidrel\r\n\t\tDyb\r\nTre\r\n", "0A\r\n0B\r\n0C\r\n", {"Kvidrel", "Dyb", "Tre"}, true},
    };
    for (const Tilfaelde &t : tilfaelde) {
        SCOPED_TRACE(t.trae.toStdString());
        QDir(struktur()).removeRecursively();
        skrivStruktur();
        writeAllBytes(struktur(QStringLiteral("struktur.txt")), t.trae);
        QFile::remove(struktur(QStringLiteral("data.txt")));
        if (!t.data.isNull())
            writeAllBytes(struktur(QStringLiteral("data.txt")), t.data);
        messages.clear();
        if (t.besked)
            answer(QStringLiteral("OK"));
        start();
        main->infoButtonClick();
        if (t.besked)
            QTRY_COMPARE(messages.size(), 1);
        QTest::qWait(20);
        QStringList titler;
        for (QTreeWidgetItem *node : kontrol<TStruktur>(infoform, "Struktur")->noder()) {
            titler << node->text(0);
            klikEmne(node->text(0));
            const QString side = web()->LocationName();
            EXPECT_TRUE(side.isEmpty() ||
                        QFileInfo(struktur(QStringLiteral("tekstfiler/") + side)).isFile());
        }
        EXPECT_EQ(titler, t.titler);
        if (titler.isEmpty()) {
            EXPECT_EQ(web()->toPlainText(), QStringLiteral("Hjælpen \"kvidrel\" findes ikke."));
        }
        if (t.besked) {
            EXPECT_TRUE(messages.value(0).contains(QStringLiteral("Linje 2")));
            EXPECT_TRUE(messages.value(0).contains(QStringLiteral("struktur.txt")));
        } else {
            EXPECT_TRUE(messages.isEmpty());
        }
        // An empty tree file with no data file makes none.
        EXPECT_EQ(QFileInfo::exists(struktur(QStringLiteral("data.txt"))), !t.trae.isEmpty());
        EXPECT_TRUE(errors.isEmpty());
        destroyWindows();
    }
}

TEST_F(InformationTest, WindowsMadeStructureShowsAsMeant)
{
    const QString mappe = root.file(QStringLiteral("Struktur/Kvidrel"));
    QDir().mkpath(mappe + QStringLiteral("/Tekstfiler"));
    QDir().mkpath(mappe + QStringLiteral("/Billeder"));
    writeAllBytes(mappe + QStringLiteral("/Struktur.txt"), "Kvidrel\r\nSide to\r\n");
    writeAllBytes(mappe + QStringLiteral("/Data.txt"), "0Side1\r\n0Side2\r\n");
    writeAllBytes(mappe + QStringLiteral("/Tekstfiler/Side1.html"),
                  "<html><body><p>\xE6\xF8\xE5</p><p><a href=\"SIDE2.html\">videre</a></p>"
                  "<p><img src=\"..\\Billeder\\a.png\" width=\"40\" height=\"40\"></p>"
                  "</body></html>");
    writeAllBytes(mappe + QStringLiteral("/Tekstfiler/Side2.html"), "<p>Anden side</p>");
    QImage roed(8, 8, QImage::Format_RGB32);
    roed.fill(QColor(255, 0, 0));
    ASSERT_TRUE(roed.save(mappe + QStringLiteral("/Billeder/a.png")));
    const QStringList foer = treeListing(root.file(QStringLiteral("Struktur")));

    start();
    main->infoButtonClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(infoform));
    EXPECT_TRUE(web()->toPlainText().contains(QStringLiteral("æøå")));
    EXPECT_TRUE(harFarve(web(), [](const QColor &c) { return c == QColor(255, 0, 0); }));

    QTest::mouseClick(web()->viewport(), Qt::LeftButton, {},
                      ankerPunkt(web(), QStringLiteral("SIDE2.html")));
    idle();
    EXPECT_EQ(web()->toPlainText(), QStringLiteral("Anden side"));
    EXPECT_EQ(historik(), QStringList({"Side1.html", "Side2.html"}));
    EXPECT_EQ(treeListing(root.file(QStringLiteral("Struktur"))), foer);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(InformationTest, PositionAndSizeComeBackUnchanged)
{
    skrivStruktur();
    const QString fil = root.file(QStringLiteral("Egenskaber/information.txt"));
    QDir().mkpath(root.file(QStringLiteral("Egenskaber")));
    writeAllBytes(fil, "12\r\nx\r\n800\r\n500\r\n"); // garbled: centred, no error
    start();
    main->HelpInfo(QString());
    EXPECT_GE(infoform->width(), 734);
    infoform->resize(300, 200); // below the design size it stays at that
    EXPECT_EQ(infoform->size(), QSize(734, 451));
    infoform->setGeometry(40, 30, 740, 460);
    const QRect ramme = infoform->frameGeometry();
    infoform->close();
    EXPECT_EQ(readLineList(fil),
              QStringList({QString::number(ramme.top()), QString::number(ramme.left()),
                           QString::number(ramme.width()), QString::number(ramme.height())}));
    destroyWindows();
    start();
    main->HelpInfo(QString());
    QTest::qWait(20);
    EXPECT_EQ(infoform->frameGeometry(), ramme);
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
