// Pictures of the answer list and the score table as the game windows show
// them, saved as PNG files for a person to look at when KVIDREL_SKAERMBILLEDER
// names a folder.

#include "billede.h"
#include "vinduesfelter.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace vinduesfelter;

TEST(Skaermbillede, AnswerListInEveryFieldState)
{
    TCompoTekst SpmTekst;
    saetSpmTekst(SpmTekst, ssHjem);
    Liste L;
    L.resize(439, 206);
    saetSvarDisplay(L, SpmTekst);
    const QStringList Svar{QStringLiteral("København"), QStringLiteral("Århus"),
                           QStringLiteral("Odense, Danmarks tredjestørste by på Fyn"),
                           QStringLiteral("Aalborg")};
    L.SetTekstListe(Svar);
    Vis(L);

    // One picture of the list per state, all four fields in that state, one
    // under the other.
    constexpr int Afstand = 6;
    QImage Alle(L.width(), 5 * L.height() + 4 * Afstand, QImage::Format_RGB32);
    Alle.fill(Qt::darkGray);
    QPainter P(&Alle);
    for (TFeltSit s = sNormal; s <= sInaktiv; ++s) {
        for (int I = 0; I < 4; ++I)
            L.Felt()[std::size_t(I)].FSit = s;
        L.Repaint();
        const QImage Vist = L.grab().toImage();
        EXPECT_EQ(Vist.convertToFormat(QImage::Format_RGB32), L.Billede());
        P.drawImage(0, s * (L.height() + Afstand), Vist);
    }
    P.end();
    gemBillede(Alle, QStringLiteral("svarliste"));
}

TEST(Skaermbillede, ScoreTableWithTenNames)
{
    TCompoTekst PointTekst;
    saetPointTekst(PointTekst);
    Skema S;
    S.resize(307, 294);
    saetDeltagerSkema(S, PointTekst);
    Vis(S);

    // Written as the game writes them, after the table has been shown.
    const QStringList Navne{QStringLiteral("Anders"),  QStringLiteral("Birthe"),
                            QStringLiteral("Carsten"), QStringLiteral("Dorthe"),
                            QStringLiteral("Erik"),    QStringLiteral("Frederikke Østergaard"),
                            QStringLiteral("Gustav"),  QStringLiteral("Hanne"),
                            QStringLiteral("Ib"),      QStringLiteral("Jørgen")};
    S.TekstFelt(0, QStringLiteral("10 deltagere"));
    for (int J = 0; J < Navne.size(); ++J) {
        S.TekstFelt(2 * J + 2, Navne.at(J));
        S.TekstFelt(2 * J + 3, QString::number(J * 37 % 250));
    }
    const QImage Vist = S.grab().toImage();
    EXPECT_EQ(Vist.convertToFormat(QImage::Format_RGB32), S.Billede());
    gemBillede(Vist, QStringLiteral("pointskema"));

    // A full paint shows the same table.
    S.Repaint();
    EXPECT_EQ(S.Billede(), Vist.convertToFormat(QImage::Format_RGB32));
}
