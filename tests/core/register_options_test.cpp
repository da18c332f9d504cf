#include "options.h"
#include "participants.h"
#include "testroot.h"
#include "textfile.h"

#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

DeltagerRegister loadBytes(const TestRoot &root, const QByteArray &bytes)
{
    const QString fil = root.tempPath() + "/Deltagere.txt";
    writeAllBytes(fil, bytes);
    DeltagerRegister reg;
    reg.Del.append(Deltagere{"gammel", "", true, 7}); // must not survive a load
    LoadDeltagerRecord(fil, reg);
    return reg;
}

} // namespace

TEST(Register, IncompleteGroupsOfThreeAreIgnored)
{
    TestRoot root;
    for (const QByteArray &bytes : {QByteArray(), QByteArray("A\r\n"), QByteArray("A\r\n\r\n")}) {
        const DeltagerRegister reg = loadBytes(root, bytes);
        EXPECT_EQ(reg.maxIndex, -1);
        EXPECT_EQ(reg.Index, -1);
        EXPECT_TRUE(reg.Del.isEmpty());
    }
    const DeltagerRegister reg = loadBytes(root, "A\r\n/a.png\r\n1\r\nB\r\n\r\n0\r\nC\r\n");
    ASSERT_EQ(reg.maxIndex, 1);
    EXPECT_EQ(reg.Index, 1);
    EXPECT_EQ(reg.Del.size(), 2);
    EXPECT_EQ(reg.Del[0].Filnavn, "/a.png");
    EXPECT_TRUE(reg.Del[0].Aktiv);
    EXPECT_FALSE(reg.Del[1].Aktiv);
    EXPECT_EQ(reg.Del[0].Point, 0);
}

TEST(Register, OnlyTheLowByteOfTheActivityCounts)
{
    TestRoot root;
    const DeltagerRegister reg =
        loadBytes(root, "A\r\n\r\n256\r\nB\r\n\r\n257\r\nC\r\n\r\nja\r\nD\r\n\r\n1\r\n");
    ASSERT_EQ(reg.Del.size(), 4);
    EXPECT_FALSE(reg.Del[0].Aktiv);
    EXPECT_TRUE(reg.Del[1].Aktiv);
    EXPECT_FALSE(reg.Del[2].Aktiv); // not a number: not taken, loading goes on
    EXPECT_TRUE(reg.Del[3].Aktiv);

    const QString fil = root.tempPath() + "/ud.txt";
    SaveDeltagerRecord(fil, reg);
    EXPECT_EQ(readAllBytes(fil),
              QByteArray("A\r\n\r\n0\r\nB\r\n\r\n1\r\nC\r\n\r\n0\r\nD\r\n\r\n1\r\n"));
}

TEST(Register, NamesRoundTripWholeInTheCodePageOrUtf8)
{
    TestRoot root;
    const QString fil = root.tempPath() + "/Deltagere.txt";
    DeltagerRegister reg;
    reg.Del = {{"Søren Ærø", "/p/Søren Ærø.png", true, 40}};
    reg.maxIndex = 0;
    SaveDeltagerRecord(fil, reg);
    EXPECT_EQ(readAllBytes(fil),
              QByteArray("S\xF8ren \xC6r\xF8\r\n/p/S\xF8ren \xC6r\xF8.png\r\n1\r\n"));

    // A name the code page cannot hold turns the file into UTF-8 with its mark.
    reg.Del.append({"Ωmega 😀", "", false, 0});
    reg.maxIndex = 1;
    SaveDeltagerRecord(fil, reg);
    EXPECT_TRUE(readAllBytes(fil).startsWith("\xEF\xBB\xBF"));
    DeltagerRegister back;
    LoadDeltagerRecord(fil, back);
    EXPECT_EQ(back.Del[0].Navn, QStringLiteral("Søren Ærø"));
    EXPECT_EQ(back.Del[1].Navn, QStringLiteral("Ωmega 😀"));

    reg.maxIndex = -1; // the last one deleted: an empty file
    SaveDeltagerRecord(fil, reg);
    EXPECT_EQ(readAllBytes(fil), QByteArray());
}

TEST(Register, AMissingFileIsAnEmptyRegisterAndAFailedSaveSaysSo)
{
    TestRoot root;
    DeltagerRegister reg;
    LoadDeltagerRecord(root.tempPath() + "/findes-ikke.txt", reg);
    EXPECT_EQ(reg.maxIndex, -1);
    EXPECT_THROW(SaveDeltagerRecord(root.tempPath() + "/mappe/mangler.txt", reg), FileError);
}

TEST(Options, MalformedFilesGiveNoOptions)
{
    TestRoot root;
    const QString fil = root.tempPath() + "/Egenskaber.txt";
    EXPECT_FALSE(hentOptions(fil));
    for (const QByteArray &bad : {QByteArray("Sky\r\n10\r\n"), QByteArray("Sky\r\nti\r\n100\r\n"),
                                  QByteArray("Sky\r\n10\r\n\r\n")}) {
        writeAllBytes(fil, bad);
        EXPECT_FALSE(hentOptions(fil)) << bad.constData();
    }
    writeAllBytes(fil, "Aqua Light Slate\r\n500\r\n3\r\nmere\r\n");
    const auto opt = hentOptions(fil);
    ASSERT_TRUE(opt);
    EXPECT_EQ(opt->designName, "Aqua Light Slate");
    EXPECT_EQ(opt->minPoint, 500); // not corrected on loading
    EXPECT_EQ(opt->maxPoint, 3);

    gemOptions(fil, Options{});
    EXPECT_EQ(readAllBytes(fil), QByteArray("Sky\r\n10\r\n100\r\n"));
}

TEST(Options, RangeRule)
{
    struct Case
    {
        const char *low, *high;
        int min, max;
        const char *newLow, *newHigh; // nullptr: the field is left alone
    };
    const Case cases[] = {
        {"150", "200", 100, 100, "100", "100"}, {"50", "0", 0, 0, "0", "0"},
        {"60", "40", 60, 60, nullptr, "60"},    {"0", "50", 0, 50, nullptr, nullptr},
        {"20", "300", 20, 100, nullptr, "100"}, {"500", "3", 100, 100, "100", "100"},
        {"100", "100", 100, 100, "100", "100"}, {"0", "0", 0, 0, "0", "0"},
    };
    for (const Case &c : cases) {
        const PointRange r = applyRangeRule(c.low, c.high);
        EXPECT_EQ(r.minPoint, c.min) << c.low << "," << c.high;
        EXPECT_EQ(r.maxPoint, c.max) << c.low << "," << c.high;
        EXPECT_EQ(r.lowText.has_value(), c.newLow != nullptr);
        EXPECT_EQ(r.highText.has_value(), c.newHigh != nullptr);
        if (c.newLow && r.lowText) {
            EXPECT_EQ(*r.lowText, c.newLow);
        }
        if (c.newHigh && r.highText) {
            EXPECT_EQ(*r.highText, c.newHigh);
        }
    }
    EXPECT_THROW(applyRangeRule("", "10"), RangeError);
    EXPECT_THROW(applyRangeRule("10", ""), RangeError);
}
