#include "almenx.h"
#include "systemclock.h"
#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <tuple>

using namespace kvidrel;

namespace {

// A clock that stands still and records what it is asked to set.
class ProeveUr : public SystemClock
{
public:
    ProeveUr() : FForrige(replaceSystemClock(this)) {}
    ~ProeveUr() override { replaceSystemClock(FForrige); }

    QDateTime localNow() const override { return Nu; }
    bool setUtc(const QDateTime &utc) override
    {
        Sat << utc;
        return true;
    }

    QDateTime Nu;
    QList<QDateTime> Sat;

private:
    SystemClock *FForrige;
};

// Points an environment variable elsewhere for one test.
class Miljoe
{
public:
    Miljoe(const char *navn, const QString &vaerdi) : FNavn(navn), FForrige(qgetenv(navn))
    {
        qputenv(navn, vaerdi.toLocal8Bit());
    }
    ~Miljoe()
    {
        if (FForrige.isEmpty())
            qunsetenv(FNavn);
        else
            qputenv(FNavn, FForrige);
    }

private:
    const char *FNavn;
    QByteArray FForrige;
};

} // namespace

TEST(AlmenX, NamesReadBackInEveryLanguage)
{
    TAlmenX almen;
    for (TSprog sprog : {Dansk, Engelsk, Tysk}) {
        almen.SetSprog(sprog);
        for (std::uint8_t n = 0; n <= 7; ++n)
            EXPECT_EQ(almen.GetDagByte(almen.GetDag(n)), n == 0 ? 7 : n) << int(sprog) << int(n);
        for (std::uint8_t m = 1; m <= 12; ++m)
            EXPECT_EQ(almen.GetMaanedByte(almen.GetMaaned(m)), m) << int(sprog) << int(m);
        EXPECT_EQ(almen.GetDag(8), "");
        EXPECT_EQ(almen.GetMaaned(0), "");
        EXPECT_EQ(almen.GetMaaned(13), "");
    }
    EXPECT_EQ(almen.GetDag(3), "Mittwoch");
    EXPECT_EQ(almen.GetMaaned(3), "März");
    almen.SetSprog(Engelsk);
    EXPECT_EQ(almen.GetDag(2), "Tuesday");
    almen.SetSprog(Dansk);
    EXPECT_EQ(almen.GetDag(0), "Søndag");

    // Any case, any language, and the spellings older texts hold.
    EXPECT_EQ(almen.GetDagByte("mandag"), 1);
    EXPECT_EQ(almen.GetDagByte("LØRDAG"), 6);
    EXPECT_EQ(almen.GetDagByte("søndag"), 7);
    EXPECT_EQ(almen.GetDagByte("Thuesday"), 2);
    EXPECT_EQ(almen.GetDagByte("samtag"), 6);
    EXPECT_EQ(almen.GetDagByte(""), 8);
    EXPECT_EQ(almen.GetDagByte("Mandag "), 8);
    EXPECT_EQ(almen.GetMaanedByte("marz"), 3);
    EXPECT_EQ(almen.GetMaanedByte("MÄRZ"), 3);
    EXPECT_EQ(almen.GetMaanedByte(""), 0);
}

TEST(AlmenX, DatesWeeksAndDateFields)
{
    TAlmenX almen;
    // 2023 begins on a Sunday: that day is week 0.
    EXPECT_EQ(almen.GetWeek(1, 1, 2023), 0);
    EXPECT_EQ(almen.GetWeek(2, 1, 2023), 1);
    EXPECT_EQ(almen.GetWeek(31, 12, 2024), 53);
    // 1900 is a common year: 4 March is its 63rd day, the last of week 9.
    EXPECT_EQ(almen.GetWeek(4, 3, 1900), 9);
    const std::array<int, 3> findesIkke[] = {{1, 14, 2024}, {1, 0, 2024}, {31, 4, 2024},
                                             {29, 2, 2100}, {1, 1, 0},    {1, 1, 10000}};
    for (auto [d, m, y] : findesIkke)
        EXPECT_EQ(almen.GetWeek(d, m, y), -1) << d << "." << m << "." << y;

    EXPECT_TRUE(almen.EksisterDato(29, 2, 2000));
    EXPECT_TRUE(almen.EksisterDato(29, 2, 2024));
    EXPECT_FALSE(almen.EksisterDato(29, 2, 1900));
    EXPECT_FALSE(almen.EksisterDato(29, 2, 2100));
    EXPECT_FALSE(almen.EksisterDato(0, 1, 2024));
    EXPECT_EQ(almen.AntalDageIMaaned(2024, 13), 0);

    EXPECT_TRUE(almen.DatoMaskKon("29.02.2024"));
    for (const char *s : {"1.2.2024", "", "29.02.2100", "ab.02.2024", "01-02-2024", "01.02.20245",
                          " 1.02.2024", "01.02.２０２４"})
        EXPECT_FALSE(almen.DatoMaskKon(QString::fromUtf8(s))) << s;

    EXPECT_EQ(almen.AntalDage(30, 12, 1899), 0);
    EXPECT_EQ(almen.AntalDage(1, 1, 2000), 36526);
    EXPECT_FALSE(almen.AntalDage(31, 2, 2024).has_value());
    EXPECT_EQ(almen.DayInWeekAnyDate(24, 12, 2024), "Tirsdag");
    EXPECT_EQ(almen.DayInWeekAnyDate(30, 2, 2024), "");

    EXPECT_TRUE(almen.DBdatoKontrol(""));
    EXPECT_TRUE(almen.DBdatoKontrol("24-12-2024"));
    EXPECT_FALSE(almen.DBdatoKontrol("24-12-202x"));
    QLineEdit felt;
    felt.setText("12-0a-2024");
    EXPECT_FALSE(almen.DBdatoKon(felt));
    EXPECT_EQ(felt.text(), "12-0-2024");
    EXPECT_EQ(felt.cursorPosition(), 9);
    felt.setText("12.03.2024");
    EXPECT_FALSE(almen.DBdatoKon(felt));
    EXPECT_EQ(felt.text(), "");
    felt.setText("12-03-2024");
    EXPECT_TRUE(almen.DBdatoKon(felt));
    EXPECT_EQ(felt.text(), "12-03-2024");
}

TEST(AlmenX, NumberFieldsNeverFailOnWhatIsTyped)
{
    TAlmenX almen;
    constexpr auto maks = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(almen.EditFloat(","), 0.0);
    EXPECT_EQ(almen.EditFloat("-."), 0.0);
    EXPECT_EQ(almen.EditFloat("-12.5x"), -12.5);
    EXPECT_EQ(almen.EditFloat("1,2,3"), 1.23);
    EXPECT_EQ(almen.EditFloat(",5"), 0.5);
    EXPECT_EQ(almen.EditFloat(QString(400, u'9')), std::numeric_limits<double>::max());
    EXPECT_EQ(almen.EditInteger("123456789012"), maks);
    EXPECT_EQ(almen.EditInteger("-123456789012"), min);
    EXPECT_EQ(almen.EditInteger("-2147483648"), min);
    EXPECT_EQ(almen.EditInteger("-4x2"), -42);
    EXPECT_EQ(almen.EditInteger("x"), 0);
    EXPECT_EQ(almen.EditPosInteger(QString(30, u'7')), maks);
    EXPECT_EQ(almen.EditByte("300"), 255);
    EXPECT_EQ(almen.EditByte("0255"), 255);
    EXPECT_TRUE(almen.ErrorInteger("1 2"));
    EXPECT_FALSE(almen.ErrorInteger("-12"));
    EXPECT_TRUE(almen.ErrorPosInteger("-12"));

    EXPECT_EQ(almen.GetPosTal("a007b"), "7");
    EXPECT_EQ(almen.GetPosTal("x" + QString(30, u'0') + "123"), "123");
    EXPECT_EQ(almen.GetPosTal("ab"), "0");
    EXPECT_EQ(almen.Get16Tal(" ff00"), "#ff00");
    EXPECT_EQ(almen.Get16Tal("FF0000"), "FF0000");
    EXPECT_EQ(almen.Get16Tal(""), "#");
    EXPECT_EQ(almen.IntegerKon("000"), "");
    EXPECT_EQ(almen.IntegerKon("0a7"), "07");
    EXPECT_EQ(almen.Floatkon("1ab,2c"), "1,2");
    EXPECT_EQ(almen.GetAZ("Æb-1 z"), "b1z");

    const std::pair<const char *, const char *> decimaler[] = {
        {"12", "12,00"}, {"12,", "12,00"}, {"12,5", "12,50"}, {"12,345", "12,34"},
        {",5", "0,50"},  {",", "0,00"},    {"", "0,00"},      {"-3,999", "-3,99"}};
    for (auto [ind, ud] : decimaler)
        EXPECT_EQ(almen.Decimal2Kon(ind, false), ud) << ind;
    EXPECT_EQ(almen.Decimal2Kon("", true), "");
}

TEST(AlmenX, ColoursNamesAndRectangles)
{
    TAlmenX almen;
    EXPECT_EQ(almen.GetHtmlFarve(0xFF0000), "#0000FF");
    EXPECT_EQ(almen.GetHtmlFarve(0x0080FF), "#FF8000");
    EXPECT_EQ(almen.GetHtmlFarve(clNone), "#000000");
    const QString knap = QGuiApplication::palette().color(QPalette::Button).name().toUpper();
    EXPECT_EQ(almen.GetHtmlFarve(clBtnFace), knap);
    std::uint8_t r = 1, g = 2, b = 3;
    almen.HentRGB(clNone, r, g, b);
    EXPECT_EQ(std::tuple(r, g, b), std::tuple(1, 2, 3));

    // The extension belongs to the file name; dotted folders stay whole.
    EXPECT_EQ(almen.NoExt("/home/jens.hansen/a.txt"), "/home/jens.hansen/a");
    EXPECT_EQ(almen.NoExt("C:\\Kvidrel\\jens.h\\a.b.txt"), "C:\\Kvidrel\\jens.h\\a");
    EXPECT_EQ(almen.NoExt("a.txt"), "a");
    EXPECT_EQ(almen.GetExt("/home/jens.hansen/a"), "");
    EXPECT_EQ(almen.GetExt("a.b.txt"), "b.txt");
    EXPECT_EQ(almen.SetExt("jpg", "/x.y/a"), "/x.y/a.jpg");
    EXPECT_EQ(almen.FilCaption("C:\\K\\d.e\\navn.txt"), "navn");
    EXPECT_EQ(almen.FilenameControl("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");

    EXPECT_EQ(almen.MoveRect({1, 2, 3, 4}, 10, -20), (TRect{11, -18, 13, -16}));
    // The height changes by twice (new width / Regu - old height) / 2, halves to even.
    const std::pair<TRect, TRect> zoom[] = {{{0, 0, 11, 10}, {0, 0, 11, 10}},  // 0.5 -> 0
                                            {{0, 0, 13, 10}, {0, -2, 13, 12}}, // 1.5 -> 2
                                            {{0, 0, 15, 10}, {0, -2, 15, 12}}, // 2.5 -> 2
                                            {{0, 0, 10, 13}, {0, 2, 10, 11}},  // -1.5 -> -2
                                            {{0, 0, 10, 11}, {0, 0, 10, 11}}}; // -0.5 -> 0
    for (auto [ind, ud] : zoom)
        EXPECT_EQ(almen.ZoomRect(ind, 0, 1.0), ud) << ind.Right << "x" << ind.Bottom;
    EXPECT_EQ(almen.ZoomRect({0, 0, 10, 10}, 5, 2.0), (TRect{-5, 0, 15, 10}));
    EXPECT_EQ(almen.ZoomRect({0, 0, 10, 10}, 5, 0.0), (TRect{0, 0, 10, 10}));
}

TEST(AlmenX, ClockTextsAndSetTimeGoThroughTheClockLayer)
{
    SystemClock produktion;
    EXPECT_FALSE(produktion.setUtc(QDateTime::currentDateTimeUtc()));
    {
        TAlmenX almen;
        // The production clock is in place: SetTime reports that nothing was set.
        almen.AntalDage(1, 6, 2024);
        EXPECT_FALSE(almen.SetTime(12, 0, 0));
    }

    ProeveUr ur;
    ur.Nu = QDateTime(QDate(2024, 3, 5), QTime(9, 5, 7, 250));
    TAlmenX almen;
    EXPECT_FALSE(almen.SetTime(10, 0, 0)); // no date read yet
    EXPECT_EQ(almen.Klokken(), "Klokken 9:5");
    EXPECT_EQ(almen.Dato(), "05 03 2024");
    EXPECT_EQ(almen.Tid(), "09.05");
    EXPECT_EQ(almen.MaskDD(), "05.03.2024");
    EXPECT_EQ(almen.DagDato(), "Tirsdag 5 Marts 2024");
    EXPECT_EQ(almen.GetDateStempel(), "2024-03-05_09-05");
    EXPECT_EQ(almen.MilliSekund(), "250");
    almen.SetSprog(Engelsk);
    EXPECT_EQ(almen.Dag(), "Tuesday");

    EXPECT_TRUE(almen.SetTime(10, 20, 30));
    EXPECT_FALSE(almen.SetTime(24, 0, 0));
    EXPECT_FALSE(almen.SetTime(10, 60, 0));
    ASSERT_EQ(ur.Sat.size(), 1);
    EXPECT_EQ(ur.Sat.first(), QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30, 250), Qt::UTC));
}

TEST(AlmenX, DeletionsStayStrictlyInsideTheDataRoot)
{
    TestRoot root;
    const QString hjem = root.tempPath() + "/hjem";
    const QString ude = root.tempPath() + "/ude";
    const QString grupper = root.file("Grupper");
    QDir().mkpath(hjem);
    QDir().mkpath(ude + "/under");
    QDir().mkpath(grupper + "/Sub/Dybere");
    Miljoe home("HOME", hjem);
    Miljoe data("XDG_DATA_HOME", root.tempPath() + "/data");
    writeAllBytes(ude + "/vigtig.txt", "behold");
    writeAllBytes(ude + "/under/mere.txt", "behold");
    writeAllBytes(hjem + "/privat.txt", "behold");
    for (const char *navn : {"a.txt", "b.TXT", "c.jpg", "Sub/d.txt", "Sub/Dybere/e.txt"})
        writeAllBytes(grupper + "/" + navn, "x");
    ASSERT_TRUE(QFile::link(ude, grupper + "/link"));
    ASSERT_TRUE(QFile::link(ude, root.file("Udelink")));
    ASSERT_TRUE(QFile::link(ude + "/vigtig.txt", grupper + "/Sub/fil.txt"));

    TAlmenX almen;
    // Files, the hidden-free plain folder Sub not counted, the link counted.
    EXPECT_EQ(almen.CountFiles(grupper), 4);
    EXPECT_EQ(almen.GetBibliotek("C:\\Kvidrel\\Grupper\\x.txt"), "Grupper");
    EXPECT_EQ(almen.GetBibliotek(grupper + "/"), "Grupper");
    EXPECT_EQ(almen.GetBibliotek(root.file("Mangler/x.txt")), "");

    const QStringList foer = treeListing(root.tempPath());
    EXPECT_FALSE(almen.DeleteDir(""));
    EXPECT_FALSE(almen.DeleteDir("/"));
    EXPECT_FALSE(almen.DeleteDir(hjem));
    EXPECT_FALSE(almen.DeleteDir(root.path()));
    EXPECT_FALSE(almen.DeleteDir(root.file("Udelink")));
    EXPECT_FALSE(almen.DeleteDir(grupper + "/link"));
    EXPECT_FALSE(almen.DeleteDir(ude));
    EXPECT_FALSE(almen.DeleteDir(root.file("Udelink/under")));
    EXPECT_FALSE(almen.DeleteFiles(root.file("Udelink/under"), "*", false));
    EXPECT_FALSE(almen.DeleteFiles("", "*", false));
    EXPECT_FALSE(almen.DeleteFiles(root.file("Udelink"), "*", true));
    EXPECT_FALSE(almen.DeleteFiles(grupper + "/..", "*", false));
    EXPECT_FALSE(almen.DeleteFiles(grupper, "../*", false));
    EXPECT_FALSE(almen.DeleteFiles(grupper, "..\\*", false));
    EXPECT_EQ(treeListing(root.tempPath()), foer);

    // A stored Windows path in other letter case names the same folder.
    EXPECT_TRUE(almen.DeleteFiles("C:\\Kvidrel\\grupper\\", "*.txt", false));
    EXPECT_FALSE(QFile::exists(grupper + "/a.txt"));
    EXPECT_FALSE(QFile::exists(grupper + "/b.TXT"));
    EXPECT_TRUE(QFile::exists(grupper + "/c.jpg"));

    // Subfolders go with their content and links as links; Dir's own files stay.
    EXPECT_TRUE(almen.DeleteDir(grupper));
    EXPECT_FALSE(QFileInfo::exists(grupper + "/Sub"));
    EXPECT_FALSE(QFileInfo(grupper + "/link").isSymLink());
    EXPECT_TRUE(QFile::exists(grupper + "/c.jpg"));
    EXPECT_EQ(readAllBytes(ude + "/vigtig.txt"), "behold");
    EXPECT_EQ(readAllBytes(ude + "/under/mere.txt"), "behold");

    // The data folder that holds the trash does not exist yet.
    EXPECT_TRUE(almen.SendToRecycleBin(grupper + "/c.jpg"));
    EXPECT_FALSE(QFile::exists(grupper + "/c.jpg"));
    EXPECT_TRUE(QFile::exists(root.tempPath() + "/data/Trash/files/c.jpg"));
    EXPECT_FALSE(almen.SendToRecycleBin(grupper + "/c.jpg"));

    // The folder itself goes only when it could be emptied.
    QDir().mkpath(grupper + "/Bliver");
    EXPECT_FALSE(almen.DeleteFiles(grupper, "*", true));
    EXPECT_TRUE(QFileInfo(grupper).isDir());
    EXPECT_TRUE(almen.DeleteDir(grupper));
    EXPECT_TRUE(almen.DeleteFiles(grupper, "*.*", true));
    EXPECT_FALSE(QFileInfo::exists(grupper));
    EXPECT_EQ(readAllBytes(hjem + "/privat.txt"), "behold");

    // A data root set too wide (above home, or the file system root) allows nothing.
    {
        Miljoe bred("KVIDREL_ROOT", root.tempPath());
        EXPECT_FALSE(almen.DeleteDir(hjem));
        EXPECT_FALSE(almen.DeleteFiles(hjem, "*", false));
        Miljoe rod("KVIDREL_ROOT", "/");
        EXPECT_FALSE(almen.DeleteDir(ude));
    }
    EXPECT_EQ(readAllBytes(hjem + "/privat.txt"), "behold");
    EXPECT_EQ(readAllBytes(ude + "/under/mere.txt"), "behold");
}
