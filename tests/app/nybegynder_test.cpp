// A newcomer's first game on a fresh data root, through the real windows and
// the real picture dialog: three participants with delivered drawings, the
// delivered demo group, every question answered. With KVIDREL_SKAERMBILLEDER
// naming a folder, each window is saved there as the host sees it
// (tools/screenshots.sh).

#include "billede.h"
#include "billedfelt.h"
#include "deltagere.h"
#include "display.h"
#include "information.h"
#include "kontrol.h"
#include "liste.h"
#include "makeSpm.h"
#include "shell.h"
#include "skema.h"
#include "spilfixture.h"
#include "storedpath.h"
#include "url.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

using namespace kvidrel;

namespace {

class NybegynderTest : public SpilFixture
{
protected:
    // Picks a drawing in the real picture dialog that "Vælg tegning" opens.
    void vaelgTegning(const QString &tegning)
    {
        dialoghelper::answerModal([this, tegning](QWidget *dialog) {
            auto *vaelger = qobject_cast<QFileDialog *>(dialog);
            ASSERT_TRUE(vaelger);
            EXPECT_EQ(QDir(vaelger->directory()).canonicalPath(),
                      QDir(main->billedDir).canonicalPath());
            dialoghelper::typeFileName(dialog, tegning);
        });
        click(kontrol<QToolButton>(deltagerform, "billedKnap1"));
    }

    void nyDeltager(const QString &navn, const QString &tegning)
    {
        QTest::keyClicks(kontrol<QLineEdit>(deltagerform, "navnEdit"), navn);
        vaelgTegning(tegning);
        click(kontrol<QToolButton>(deltagerform, "godkendKnap"));
    }

    static void klikSvar(int felt)
    {
        const TRect r = kontrol<TListe>(mainform, "svarDisplay")->Felt()[std::size_t(felt)].IR;
        QTest::mouseClick(kontrol<TListe>(mainform, "svarDisplay"), Qt::LeftButton, {},
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        idle();
    }

    static void klikFane(QTabWidget *bog, int side)
    {
        QTabBar *bar = bog->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(side).center());
        idle();
    }

    static QString point(int raekke)
    {
        const QStringList tavle =
            kontrol<TSkema>(displayform->tavle(), "deltagerSkema")->TekstListe();
        return tavle.value(2 * raekke) + u' ' + tavle.value(2 * raekke + 1);
    }
};

TEST_F(NybegynderTest, ThreeParticipantsWithDrawingsPlayTheDemoGroup)
{
    start();
    show(main);
    gemBillede(main, QStringLiteral("hovedvindue"));

    const QList<std::pair<QString, QString>> deltagere = {
        {"Anne", "Kat.png"}, {"Bo", "Raket.png"}, {"Søs", "Ugle.png"}};
    dialoghelper::answerModal([&](QWidget *) {
        for (const auto &[navn, tegning] : deltagere)
            nyDeltager(navn, tegning);
        // A name given twice is refused in the notice dialog.
        QTest::keyClicks(kontrol<QLineEdit>(deltagerform, "navnEdit"), QStringLiteral("anne"));
        vaelgTegning(QStringLiteral("Hund.png"));
        dialoghelper::answerModal([this](QWidget *dialog) {
            gemBillede(dialog, QStringLiteral("information"));
            notits(QStringLiteral("OK"))(dialog);
        });
        click(kontrol<QToolButton>(deltagerform, "godkendKnap"));
        kontrol<QLineEdit>(deltagerform, "navnEdit")->clear();
        clickRow(kontrol<QListWidget>(deltagerform, "deltagerliste"), 1);
        EXPECT_FALSE(kontrol<BilledFelt>(deltagerform, "deltagerBilledeR")->isEmpty());
        gemBillede(deltagerform, QStringLiteral("deltagere"));
        // The host thinks better of a deletion in the yes/no dialog.
        dialoghelper::answerModal([](QWidget *dialog) {
            gemBillede(dialog, QStringLiteral("ja-nej"));
            dialoghelper::clickButton(dialog, QStringLiteral("Nej"));
        });
        click(kontrol<QToolButton>(deltagerform, "Button6"));
        click(kontrol<QToolButton>(deltagerform, "goBut"));
    });
    click(kontrol<QPushButton>(main, "deltagerButton"));
    EXPECT_EQ(messages,
              QStringList({"Navnet er allerede indført.\rIndfør et andet og prøv igen."}));
    ASSERT_EQ(main->Del.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(main->Del[i].Navn, deltagere[i].first);
        EXPECT_EQ(readAllBytes(storedpath::resolve(main->Del[i].Filnavn)),
                  readAllBytes(main->billedDir + u'/' + deltagere[i].second));
    }
    EXPECT_EQ(point(3), QStringLiteral("Søs 0"));

    dialoghelper::answerModal([](QWidget *) {
        EXPECT_EQ(rows(kontrol<QListWidget>(spmform, "gruppeliste")), QStringList({"Eksempler"}));
        clickRow(kontrol<QListWidget>(spmform, "gruppeliste"), 0);
        EXPECT_EQ(kontrol<QLabel>(spmform, "antalLabel")->text(), QStringLiteral("12 spørgsmål"));
        gemBillede(spmform, QStringLiteral("spoergsmaal-grupper"));
        clickRow(kontrol<QListWidget>(spmform, "spmliste"), 0);
        klikFane(kontrol<QTabWidget>(spmform, "spmBog"), 1);
        EXPECT_EQ(kontrol<QLineEdit>(spmform, "spmEdit")->text(),
                  QStringLiteral("Hvilke farver har Dannebrog?"));
        gemBillede(spmform, QStringLiteral("spoergsmaal-rediger"));
        klikFane(kontrol<QTabWidget>(spmform, "spmBog"), 2);
        EXPECT_FALSE(kontrol<BilledFelt>(spmform, "kommentarImage")->isEmpty());
        gemBillede(spmform, QStringLiteral("spoergsmaal-kommentarer"));
        klikFane(kontrol<QTabWidget>(spmform, "spmBog"), 0);
        click(kontrol<QPushButton>(spmform, "Button2"));
    });
    click(kontrol<QPushButton>(main, "spmKnap"));
    ASSERT_EQ(main->antalSpm, 12);

    // Anne and Søs answer right, Bo wrong; the comment pictures are shown.
    int sum[3] = {0, 0, 0};
    int medBillede = 0;
    click(kontrol<QPushButton>(main, "kvidrellenButton"));
    for (int i = 0; i < main->antalSpm; ++i) {
        if (i > 0)
            click(kontrol<QPushButton>(main, "nextSpmButton"));
        ASSERT_TRUE(QTest::qWaitFor([this] { return main->spil.svarTilladt(); }, 5000)) << i;
        const SpmRec &spm = main->Spm[main->spil.spmNummer() - 1];
        const int spiller = main->spil.tur() - 1;
        EXPECT_FALSE(kontrol<BilledFelt>(displayform->tavle(), "deltagerBillede")->isEmpty()) << i;
        if (i == 0) {
            gemBillede(main, QStringLiteral("hovedvindue-spil"));
            gemBillede(displayform, QStringLiteral("tavle-spoergsmaal"));
        }
        const bool rigtigt = spiller != 1;
        klikSvar(rigtigt ? spm.RigtigSvar - 1 : spm.RigtigSvar % 4);
        if (rigtigt)
            sum[spiller] += displayform->spmPoint;
        EXPECT_EQ(point(spiller + 1),
                  deltagere[spiller].first + u' ' + QString::number(sum[spiller]));
        EXPECT_EQ(kontrol<BilledFelt>(displayform->tavle(), "komImage")->isEmpty(),
                  spm.bFilnavn.isEmpty())
            << i;
        if (!spm.bFilnavn.isEmpty() && medBillede++ == 0)
            gemBillede(displayform, QStringLiteral("tavle-svar"));
    }
    EXPECT_EQ(medBillede, 2);
    click(kontrol<QPushButton>(main, "nextSpmButton"));
    EXPECT_EQ(kontrol<TListe>(displayform->tavle(), "spmDisplay")->TekstListe().value(0),
              QStringLiteral("Spillet er slut."));
    EXPECT_GT(sum[0], 0);
    EXPECT_EQ(sum[1], 0);
    gemBillede(displayform, QStringLiteral("tavle-stilling"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();

    main->infoButtonClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(infoform));
    idle();
    gemBillede(infoform, QStringLiteral("information-sider"));
    infoform->urlListeKnapClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(urlform));
    gemBillede(urlform, QStringLiteral("urlboks"));
}

} // namespace
