#pragma once

// The list and the schema with their state opened up for the tests, the
// boards' set-up, and the event recorders the tests share.

#include "feltproeve.h"
#include "liste.h"
#include "skema.h"
#include "tavle.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace vinduesfelter {

using namespace kvidrel;

using namespace kvidrel::tavle;
using feltproeve::Antal;
using feltproeve::rgb;

// The columns holding a pixel of colour c inside R; {-1, -1} for none.
inline std::pair<int, int> Spaend(const QImage &Billede, const TRect &R, QRgb c)
{
    int Fra = -1;
    int Til = -1;
    for (int x = R.Left; x < R.Right; ++x)
        for (int y = R.Top; y < R.Bottom; ++y)
            if (Billede.pixel(x, y) == c) {
                if (Fra < 0)
                    Fra = x;
                Til = x;
                break;
            }
    return {Fra, Til};
}

inline QPoint Midt(const TRect &R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

class Liste : public TListe
{
public:
    using TListe::CompoMade;
    using TListe::CompoRekt;
    using TListe::InRekt;
    using TListe::NewNr;
    using TListe::OldNr;
    using TListe::OverNr;
    using TListe::TListe;

    TFeltSit Tilstand(int Nr) const { return Felt()[std::size_t(Nr)].FSit; }
    QPoint Midt(int Nr) const { return vinduesfelter::Midt(Felt()[std::size_t(Nr)].IR); }
};

class Skema : public TSkema
{
public:
    using TSkema::CompoMade;
    using TSkema::CompoRekt;
    using TSkema::FelterBeregnet;
    using TSkema::NewNr;
    using TSkema::OldNr;
    using TSkema::OverNr;
    using TSkema::TSkema;

    TFeltSit Tilstand(int Nr) const { return Felt()[std::size_t(Nr)].FSit; }
    QPoint Midt(int Nr) const { return vinduesfelter::Midt(Felt()[std::size_t(Nr)].IR); }
};

// Records the events of a list or a schema.
struct Tryk
{
    TMouseButton Button;
    std::int32_t FeltNr;
    friend bool operator==(const Tryk &, const Tryk &) = default;
    // A failed comparison shows the button and the field, not padding bytes.
    friend void PrintTo(const Tryk &T, std::ostream *Ud)
    {
        *Ud << "{knap " << int(T.Button) << ", felt " << T.FeltNr << "}";
    }
};

struct Optager
{
    std::vector<Tryk> Klikket;
    std::vector<std::int32_t> Over;

    template <typename Felt> void Lyt(Felt &F)
    {
        F.SetOnMus([this, &F](QObject *Sender, TMouseButton Button, std::int32_t FeltNr) {
            EXPECT_EQ(Sender, &F);
            Klikket.push_back({Button, FeltNr});
        });
        F.SetOnMusOver([this](QObject *, std::int32_t FeltNr) { Over.push_back(FeltNr); });
    }
};

// Shows a control on the offscreen screen, painted once.
inline void Vis(TGrundFelt &F)
{
    F.move(0, 0);
    F.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&F));
    F.Repaint();
}

} // namespace vinduesfelter
