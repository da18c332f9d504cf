#pragma once

// Games played through the real windows as the host plays them: the register
// and the groups written to disk, the participants and the group picked in
// their windows, answers clicked on the main window, and what the players see
// read back from the board. The bar's clock is made fast.

#include "billede.h"
#include "billedfelt.h"
#include "deltagere.h"
#include "display.h"
#include "kontrol.h"
#include "liste.h"
#include "makeSpm.h"
#include "proevespm.h"
#include "shell.h"
#include "skema.h"
#include "stilling.h"
#include "textfile.h"
#include "windowfixture.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

using namespace kvidrel;

class SpilFixture : public WindowTest
{
protected:
    // The boards: the main window's and, when given, the players'.
    TListe *hjem(const char *navn) const { return kontrol<TListe>(main, navn); }
    static TListe *tavle(const char *navn) { return kontrol<TListe>(displayform->tavle(), navn); }
    QPushButton *knap(const char *navn) const { return kontrol<QPushButton>(main, navn); }

    void SetUp() override
    {
        WindowTest::SetUp();
        Tdisplayform::setTimerInterval(1);
    }
    void TearDown() override
    {
        Tdisplayform::setTimerInterval(60);
        WindowTest::TearDown();
    }

    // A group with its questions, named 001, 002, ... in order.
    void gruppe(const QString &navn, QList<SpmRec> spm)
    {
        grupper({navn});
        for (int i = 0; i < spm.size(); ++i) {
            spm[i].Navn = QString::asprintf("%03d", i + 1);
            skrivSpm(navn, spm[i]);
        }
    }

    static SpmRec spm(const QString &tekst, std::uint8_t rigtig, std::int32_t point,
                      bool aktiv = true)
    {
        // No points means random points.
        SpmRec q = proeve::spm(tekst, rigtig, point, aktiv);
        q.PointType = point == 0 ? 1 : 0;
        return q;
    }

    void spil()
    {
        start();
        show(main);
        ASSERT_TRUE(displayform->isVisible());
    }

    // Anne (or the players given) on the one question of a group, the game started.
    void enkeltSpil(const QString &gruppeNavn, const SpmRec &q,
                    const QList<std::tuple<QString, QString, bool>> &spillere = {
                        {"Anne", "", true}})
    {
        deltagere(spillere);
        gruppe(gruppeNavn, {q});
        spil();
        deltagerVindue({indfoerDeltagere()});
        spmVindue({vaelgGruppe(gruppeNavn, true)});
        click(knap("kvidrellenButton"));
    }

    static dialoghelper::Answer indfoerDeltagere()
    {
        return [](QWidget *) { click(kontrol<QToolButton>(deltagerform, "goBut")); };
    }

    static dialoghelper::Answer lukKnap()
    {
        return [](QWidget *dialog) { dialoghelper::closeBox(dialog); };
    }

    static dialoghelper::Answer vaelgGruppe(const QString &navn, bool ok)
    {
        return [navn, ok](QWidget *) {
            clickRow(kontrol<QListWidget>(spmform, "gruppeliste"),
                     int(rows(kontrol<QListWidget>(spmform, "gruppeliste")).indexOf(navn)));
            if (ok)
                click(kontrol<QPushButton>(spmform, "Button2"));
            else
                dialoghelper::closeBox(spmform);
        };
    }

    void deltagerVindue(QList<dialoghelper::Answer> svar)
    {
        iRaekke(svar);
        click(knap("deltagerButton"));
    }

    void spmVindue(QList<dialoghelper::Answer> svar)
    {
        iRaekke(svar);
        click(knap("spmKnap"));
    }

    // Waits for the bar to arrive and clicks an answer on the main window.
    void svar(int felt)
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return main->spil.svarTilladt(); }, 5000));
        klik(felt);
    }

    void klik(int felt)
    {
        const TRect r = hjem("svarDisplay")->Felt()[std::size_t(felt)].IR;
        QTest::mouseClick(hjem("svarDisplay"), Qt::LeftButton, {},
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        idle();
    }

    void naeste()
    {
        click(knap("nextSpmButton"));
        ture << main->spil.tur();
    }

    // The board's page: 0 the question, 1 the answer, 2 the standings.
    static int side()
    {
        return kontrol<QTabWidget>(displayform->tavle(), "displayBog")->currentIndex();
    }
    static TStilling *stillingListe()
    {
        return kontrol<TStilling>(displayform->tavle(), "stillingListe");
    }
    // The standings on the board under their title, a row as "place. name points".
    static QStringList tavlensStilling()
    {
        QStringList raekker{tavle("stillingTitel")->TekstListe().value(0)};
        for (const StillingsRaekke &r : stillingListe()->Raekker())
            raekker << QStringLiteral("%1. %2 %3").arg(r.plads).arg(r.navn).arg(r.point);
        return raekker;
    }

    static QString info(int felt) { return tavle("infoListe")->TekstListe().value(felt); }
    static QString navn() { return tavle("NavneDisplay")->TekstListe().value(0); }
    static QStringList memo()
    {
        return kontrol<QPlainTextEdit>(displayform->tavle(), "Memo")->toPlainText().split(u'\n');
    }

    // Row k of both score tables as "name points"; they must agree.
    QString raekke(int k)
    {
        const QStringList hjem = kontrol<TSkema>(main, "deltagerSkema")->TekstListe();
        const QStringList tavle =
            kontrol<TSkema>(displayform->tavle(), "deltagerSkema")->TekstListe();
        const QString a = hjem.value(2 * k) + " " + hjem.value(2 * k + 1);
        EXPECT_EQ(a, tavle.value(2 * k) + " " + tavle.value(2 * k + 1)) << k;
        return a;
    }

    void gemSkaermbilleder(const QString &navn)
    {
        gemBillede(main, "hjem-" + navn);
        gemBillede(displayform, "tavle-" + navn);
    }

    QList<std::int32_t> ture;
};
