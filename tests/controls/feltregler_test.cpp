#include "feltregler.h"

#include <gtest/gtest.h>

#include <set>

using namespace kvidrel;

namespace {

// The list in tool mode without AlleOppe: the selection keeps the highlight away.
constexpr TSitRegel ListeTool{false, false};
// The list otherwise.
constexpr TSitRegel ListeFri{true, true};
// The schema in tool mode.
constexpr TSitRegel SkemaTool{false, true};

std::optional<TFeltSit> Ingen = std::nullopt;

TBlokeret Blokeret(std::set<std::int32_t> Felter)
{
    return [Felter](std::int32_t Nr) { return Felter.count(Nr) > 0; };
}

TEST(FeltSit, SelectingAndDeselecting)
{
    EXPECT_EQ(SitEfterAktiv(sNormal, true, ListeFri), sAktiv);
    EXPECT_EQ(SitEfterAktiv(sOver, true, ListeFri), sOverAktiv);
    EXPECT_EQ(SitEfterAktiv(sOver, true, ListeTool), sAktiv);
    EXPECT_EQ(SitEfterAktiv(sOver, true, SkemaTool), sAktiv);
    for (TFeltSit s : {sAktiv, sOverAktiv, sInaktiv})
        EXPECT_EQ(SitEfterAktiv(s, true, ListeFri), Ingen) << int(s);

    EXPECT_EQ(SitEfterAktiv(sAktiv, false, ListeFri), sNormal);
    EXPECT_EQ(SitEfterAktiv(sOverAktiv, false, ListeFri), sOver);
    for (TFeltSit s : {sNormal, sOver, sInaktiv})
        EXPECT_EQ(SitEfterAktiv(s, false, ListeFri), Ingen) << int(s);
}

TEST(FeltSit, HighlightingAndDisabling)
{
    EXPECT_EQ(SitEfterOver(sNormal, true, ListeFri), sOver);
    EXPECT_EQ(SitEfterOver(sAktiv, true, ListeFri), sOverAktiv);
    // The list's selection stays without the highlight but is drawn again.
    EXPECT_EQ(SitEfterOver(sAktiv, true, ListeTool), sAktiv);
    EXPECT_EQ(SitEfterOver(sAktiv, true, SkemaTool), sOverAktiv);
    for (TFeltSit s : {sOver, sOverAktiv, sInaktiv})
        EXPECT_EQ(SitEfterOver(s, true, ListeFri), Ingen) << int(s);
    EXPECT_EQ(SitEfterOver(sOver, false, ListeFri), sNormal);
    EXPECT_EQ(SitEfterOver(sOverAktiv, false, ListeFri), sAktiv);
    for (TFeltSit s : {sNormal, sAktiv, sInaktiv})
        EXPECT_EQ(SitEfterOver(s, false, ListeFri), Ingen) << int(s);

    for (TFeltSit s : {sNormal, sAktiv, sOver, sOverAktiv})
        EXPECT_EQ(SitEfterInaktiv(s, true, false), sInaktiv) << int(s);
    EXPECT_EQ(SitEfterInaktiv(sInaktiv, true, false), Ingen);
    for (TFeltSit s : {sAktiv, sOver, sOverAktiv, sInaktiv})
        EXPECT_EQ(SitEfterInaktiv(s, false, false), sNormal) << int(s);
    EXPECT_EQ(SitEfterInaktiv(sInaktiv, false, true), sAktiv);
    EXPECT_EQ(SitEfterInaktiv(sNormal, false, true), Ingen);
}

TEST(FeltSit, UnknownStateIsRepaintedUnchanged)
{
    EXPECT_EQ(SitEfterAktiv(7, true, ListeFri), 7);
    EXPECT_EQ(SitEfterAktiv(7, false, ListeFri), 7);
    EXPECT_EQ(SitEfterOver(9, true, ListeFri), 9);
    EXPECT_EQ(SitEfterInaktiv(5, false, true), 5);
}

TEST(NavigationsMaal, ArrowsStepAlongRowsOrColumns)
{
    const TGitter Raekker{6, 2, 3, false}; // 0 1 2 / 3 4 5
    const TBlokeret Ingen = Blokeret({});
    EXPECT_EQ(NavigationsMaal(Raekker, 1, tkHojre, Ingen), 2);
    EXPECT_EQ(NavigationsMaal(Raekker, 1, tkVenstre, Ingen), 0);
    EXPECT_EQ(NavigationsMaal(Raekker, 1, tkNed, Ingen), 4);
    EXPECT_EQ(NavigationsMaal(Raekker, 4, tkOp, Ingen), 1);
    // At the edge the highlight stays.
    EXPECT_EQ(NavigationsMaal(Raekker, 1, tkOp, Ingen), 1);
    EXPECT_EQ(NavigationsMaal(Raekker, 5, tkHojre, Ingen), 5);
    EXPECT_EQ(NavigationsMaal(Raekker, 3, tkMellemrum, Ingen), 3);

    const TGitter Kolonner{6, 2, 3, true}; // 0 2 4 / 1 3 5
    EXPECT_EQ(NavigationsMaal(Kolonner, 0, tkNed, Ingen), 1);
    EXPECT_EQ(NavigationsMaal(Kolonner, 0, tkHojre, Ingen), 2);
    EXPECT_EQ(NavigationsMaal(Kolonner, 3, tkVenstre, Ingen), 1);
}

TEST(NavigationsMaal, BlockedFieldsAreSkipped)
{
    const TGitter Fire{4, 2, 2, false}; // 0 1 / 2 3
    EXPECT_EQ(NavigationsMaal(Fire, 3, tkVenstre, Blokeret({2})), 1);
    // The scan that reaches the last field starts again from the top.
    EXPECT_EQ(NavigationsMaal(Fire, 1, tkHojre, Blokeret({2})), 0);
    EXPECT_EQ(NavigationsMaal(Fire, 2, tkVenstre, Blokeret({0, 1})), 2);

    const TGitter Raekke{8, 1, 8, false};
    EXPECT_EQ(NavigationsMaal(Raekke, 1, tkHojre, Blokeret({2, 3})), 4);
    EXPECT_EQ(NavigationsMaal(Raekke, 5, tkVenstre, Blokeret({3, 4})), 2);
    EXPECT_EQ(NavigationsMaal(Raekke, 3, tkVenstre, Blokeret({0, 1, 2})), 3);
}

TEST(NavigationsMaal, HomeEndAndNoHighlight)
{
    const TGitter Raekke{5, 1, 5, false};
    EXPECT_EQ(NavigationsMaal(Raekke, 3, tkHome, Blokeret({0, 1})), 2);
    EXPECT_EQ(NavigationsMaal(Raekke, 1, tkEnd, Blokeret({4})), 3);
    EXPECT_EQ(NavigationsMaal(Raekke, 1, tkEnd, Blokeret({1, 2, 3, 4})), 0);
    // Without a highlight every key starts at the first free field.
    EXPECT_EQ(NavigationsMaal(Raekke, -1, tkOp, Blokeret({0})), 1);
    // The last field is taken untested when all before it are blocked.
    EXPECT_EQ(FoersteFri(5, Blokeret({0, 1, 2, 3})), 4);
}

TEST(NavigationsMaal, NothingWhenEveryFieldIsBlocked)
{
    const TGitter Fire{4, 2, 2, false};
    const TBlokeret Alle = Blokeret({0, 1, 2, 3});
    for (std::uint16_t Tast : {tkHome, tkEnd, tkVenstre, tkOp, tkHojre, tkNed})
        EXPECT_EQ(NavigationsMaal(Fire, 1, Tast, Alle), -1) << Tast;
    EXPECT_EQ(NavigationsMaal({0, 1, 1, false}, -1, tkHome, Alle), -1);
}

} // namespace
