// The delivered help pages as the host reads them in the information window:
// every page is reached from the tree, its links lead to pages that exist, and
// every button, field and tab it names in bold is one the windows it describes
// show.

#include "browser.h"
#include "deltagere.h"
#include "display.h"
#include "information.h"
#include "kontrol.h"
#include "makeSpm.h"
#include "struktur.h"
#include "url.h"
#include "windowfixture.h"

#include <QDir>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <functional>
#include <map>

using namespace kvidrel;

namespace {

// What the host reads on a window: its title and the texts of its buttons,
// labels, frames and tabs, shown at the moment or not.
QStringList synligeTekster(QWidget *vindue)
{
    QStringList tekster{vindue->windowTitle()};
    for (QWidget *w : vindue->findChildren<QWidget *>()) {
        if (auto *knap = qobject_cast<QAbstractButton *>(w))
            tekster << knap->text().remove(u'&');
        else if (auto *etiket = qobject_cast<QLabel *>(w))
            tekster << etiket->text();
        else if (auto *ramme = qobject_cast<QGroupBox *>(w))
            tekster << ramme->title();
        else if (auto *faner = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < faner->count(); ++i)
                tekster << faner->tabText(i);
        }
    }
    return tekster;
}

QStringList fund(const QString &html, const QString &moenster)
{
    QStringList resultat;
    const QRegularExpression udtryk(moenster, QRegularExpression::DotMatchesEverythingOption);
    for (auto it = udtryk.globalMatch(html); it.hasNext();)
        resultat << it.next().captured(1).simplified();
    return resultat;
}

using Vindue = std::function<QWidget *()>;

class HjaelpTest : public WindowTest
{
};

TEST_F(HjaelpTest, PagesAreReachedAndNameWhatTheWindowsShow)
{
    start();
    const Vindue hoved = [] { return mainform; };
    const Vindue tavle = [] { return displayform; };
    const Vindue deltagere = [] { return deltagerform.get(); };
    const Vindue spoergsmaal = [] { return spmform.get(); };
    const Vindue information = [] { return infoform.get(); };
    const Vindue urlboks = [] { return urlform.get(); };
    // Each page and the windows it tells about.
    const std::map<QString, std::vector<Vindue>> sider = {
        {"Kvidrel.html", {hoved}},
        {"Deltagere.html", {deltagere, hoved}},
        {"Spoergsmaal.html", {spoergsmaal, hoved}},
        {"Grupper.html", {spoergsmaal}},
        {"SpoergsmaalOgSvar.html", {spoergsmaal}},
        {"Kommentarer.html", {spoergsmaal}},
        {"Regneark.html", {spoergsmaal}},
        {"Spillet.html", {hoved}},
        {"StartSpil.html", {hoved}},
        {"UnderSpillet.html", {hoved, tavle}},
        {"Taster.html", {hoved, tavle}},
        {"Pointomraade.html", {hoved, spoergsmaal}},
        {"Udseende.html", {hoved}},
        {"Informationsvinduet.html", {information, urlboks}},
    };

    main->infoButtonClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(infoform));
    idle();
    const QString mappe = root.file(QStringLiteral("Struktur/kvidrel/tekstfiler/"));
    QStringList naaet;
    for (QTreeWidgetItem *node : kontrol<TStruktur>(infoform, "Struktur")->noder()) {
        kontrol<TStruktur>(infoform, "Struktur")->scrollToItem(node);
        QTest::mouseClick(kontrol<TStruktur>(infoform, "Struktur")->viewport(), Qt::LeftButton, {},
                          kontrol<TStruktur>(infoform, "Struktur")->visualItemRect(node).center());
        idle();
        naaet << kontrol<Browser>(infoform, "Web")->LocationName();
    }
    QStringList alle = QDir(mappe).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    naaet.sort();
    EXPECT_EQ(naaet, alle) << "every page has one topic in the tree";

    for (const QString &side : std::as_const(alle)) {
        SCOPED_TRACE(side.toStdString());
        const QString html = QString::fromUtf8(readAllBytes(mappe + side));
        for (const QString &link : fund(html, QStringLiteral("href=\"([^\"#]+\\.html)"))) {
            EXPECT_TRUE(alle.contains(link)) << link.toStdString();
        }
        const auto vinduer = sider.find(side);
        if (vinduer == sider.end()) {
            ADD_FAILURE() << "no windows named for the page";
            continue;
        }
        QStringList tekster;
        for (const Vindue &vindue : vinduer->second)
            tekster << synligeTekster(vindue());
        for (const QString &navn : fund(html, QStringLiteral("<b>(.*?)</b>")))
            EXPECT_TRUE(tekster.contains(navn)) << navn.toStdString();
    }
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
