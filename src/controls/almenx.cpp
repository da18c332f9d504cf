#include "almenx.h"

#include "canvas.h"
#include "sletning.h"
#include "storedpath.h"
#include "systemclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

#include <cmath>
#include <limits>

namespace kvidrel {

namespace {

// Day names by day number, 0 = Sunday.
const QString kDage[3][7] = {
    {QStringLiteral("Søndag"), QStringLiteral("Mandag"), QStringLiteral("Tirsdag"),
     QStringLiteral("Onsdag"), QStringLiteral("Torsdag"), QStringLiteral("Fredag"),
     QStringLiteral("Lørdag")},
    {QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"),
     QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
     QStringLiteral("Saturday")},
    {QStringLiteral("Sonntag"), QStringLiteral("Montag"), QStringLiteral("Dienstag"),
     QStringLiteral("Mittwoch"), QStringLiteral("Donnerstag"), QStringLiteral("Freitag"),
     QStringLiteral("Samstag")},
};

const QString kMaaneder[3][12] = {
    {QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("Marts"),
     QStringLiteral("April"), QStringLiteral("Maj"), QStringLiteral("Juni"), QStringLiteral("Juli"),
     QStringLiteral("August"), QStringLiteral("September"), QStringLiteral("Oktober"),
     QStringLiteral("November"), QStringLiteral("December")},
    {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
     QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"), QStringLiteral("July"),
     QStringLiteral("August"), QStringLiteral("September"), QStringLiteral("October"),
     QStringLiteral("November"), QStringLiteral("December")},
    {QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("März"),
     QStringLiteral("April"), QStringLiteral("Mai"), QStringLiteral("Juni"), QStringLiteral("Juli"),
     QStringLiteral("August"), QStringLiteral("September"), QStringLiteral("Oktober"),
     QStringLiteral("November"), QStringLiteral("Dezember")},
};

// Misspellings older versions of the program wrote; texts saved with them
// must still be read.
struct TGammelStavning
{
    const char *Navn;
    std::uint8_t Nr;
};
const TGammelStavning kGamleDage[] = {
    {"THUESDAY", 2}, {"MITWOCH", 3}, {"FRIETAG", 5}, {"SAMTAG", 6}, {"SONTAG", 7}};
const TGammelStavning kGamleMaaneder[] = {{"MARZ", 3}};

// Upper case for a to z and the letters of the names; other characters
// (digits, accents of other languages) must match exactly.
QString storeBogstaver(const QString &S)
{
    static const QString smaa = QStringLiteral("æøåä");
    static const QString store = QStringLiteral("ÆØÅÄ");
    QString result = S;
    for (QChar &c : result) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
        else if (const auto i = smaa.indexOf(c); i >= 0)
            c = store.at(i);
    }
    return result;
}

bool erCiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

template <typename Behold> QString kunTegn(const QString &S, Behold behold)
{
    QString result;
    result.reserve(S.size());
    for (QChar c : S) {
        if (behold(c))
            result += c;
    }
    return result;
}

QString kunCifre(const QString &S)
{
    return kunTegn(S, erCiffer);
}

// The digits of S as a number, held at loft when they are more.
qint64 cifferVaerdi(const QString &S, qint64 loft)
{
    qint64 value = 0;
    for (QChar c : S) {
        if (!erCiffer(c))
            continue;
        value = value * 10 + (c.unicode() - u'0');
        if (value >= loft)
            return loft;
    }
    return value;
}

QString toCifre(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

bool erSkudaar(std::int32_t Aar)
{
    return (Aar % 4 == 0 && Aar % 100 != 0) || Aar % 400 == 0;
}

// A date the platform's date-time count can hold.
QDate kalenderDato(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar)
{
    if (Aar < 1 || Aar > 9999)
        return {};
    return QDate(Aar, Maaned, Dag);
}

// Where the file name of a path begins; stored paths use "\".
qsizetype navnStart(const QString &path)
{
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
}

// The first "." of the file name, or -1.
qsizetype extPunktum(const QString &path)
{
    return path.indexOf(u'.', navnStart(path));
}

// A pattern as the platform's folder listing reads it: "*" and "?" only,
// without regard to letter case, and "*.*" for every name.
QRegularExpression filMoenster(const QString &Ext)
{
    if (Ext == QStringLiteral("*.*"))
        return filMoenster(QStringLiteral("*"));
    QString regex;
    for (QChar c : Ext) {
        if (c == u'*')
            regex += QStringLiteral(".*");
        else if (c == u'?')
            regex += u'.';
        else
            regex += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(regex),
                              QRegularExpression::CaseInsensitiveOption);
}

QFileInfoList indgange(const QString &folder)
{
    return QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot);
}

// The busy cursor while a deletion runs, where there is a screen to show it.
class OptagetMarkoer
{
public:
    OptagetMarkoer()
        : FAktiv(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (FAktiv)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~OptagetMarkoer()
    {
        if (FAktiv)
            QGuiApplication::restoreOverrideCursor();
    }
    OptagetMarkoer(const OptagetMarkoer &) = delete;
    OptagetMarkoer &operator=(const OptagetMarkoer &) = delete;

private:
    bool FAktiv;
};

// Rounds to the nearest integer, halves to the even neighbour.
double rundLige(double x)
{
    const double ned = std::floor(x);
    const double rest = x - ned;
    if (rest < 0.5)
        return ned;
    if (rest > 0.5)
        return ned + 1;
    return std::fmod(ned, 2.0) == 0 ? ned : ned + 1;
}

} // namespace

TAlmenX::TAlmenX(QObject *parent) : QObject(parent) {}

// ---- names and lookups ----

QString TAlmenX::GetDag(std::uint8_t Dag) const
{
    if (Dag > 7)
        return {};
    return kDage[FSprog][Dag % 7];
}

QString TAlmenX::GetMaaned(std::uint8_t Maaned) const
{
    if (Maaned < 1 || Maaned > 12)
        return {};
    return kMaaneder[FSprog][Maaned - 1];
}

std::uint8_t TAlmenX::GetDagByte(const QString &Dag) const
{
    const QString navn = storeBogstaver(Dag);
    for (const auto &sprog : kDage) {
        for (int n = 0; n < 7; ++n) {
            if (storeBogstaver(sprog[n]) == navn)
                return n == 0 ? 7 : n;
        }
    }
    for (const auto &gammel : kGamleDage) {
        if (navn == QLatin1String(gammel.Navn))
            return gammel.Nr;
    }
    return 8;
}

std::uint8_t TAlmenX::GetMaanedByte(const QString &Maaned) const
{
    const QString navn = storeBogstaver(Maaned);
    for (const auto &sprog : kMaaneder) {
        for (int n = 0; n < 12; ++n) {
            if (storeBogstaver(sprog[n]) == navn)
                return n + 1;
        }
    }
    for (const auto &gammel : kGamleMaaneder) {
        if (navn == QLatin1String(gammel.Navn))
            return gammel.Nr;
    }
    return 0;
}

QString TAlmenX::GetDato(std::uint8_t Dato) const
{
    return Dato == 0 ? QString() : QString::number(Dato);
}

QString TAlmenX::GetAar(std::int32_t Aar) const
{
    return Aar == 0 ? QString() : QString::number(Aar);
}

// ---- the current date and time ----

const TAlmenX::TSystemTime &TAlmenX::LaesUr()
{
    const QDateTime nu = systemClock().localNow();
    const QDate d = nu.date();
    const QTime t = nu.time();
    SystemTid.wYear = std::uint16_t(d.year());
    SystemTid.wMonth = std::uint16_t(d.month());
    SystemTid.wDayOfWeek = std::uint16_t(d.dayOfWeek() % 7);
    SystemTid.wDay = std::uint16_t(d.day());
    SystemTid.wHour = std::uint16_t(t.hour());
    SystemTid.wMinute = std::uint16_t(t.minute());
    SystemTid.wSecond = std::uint16_t(t.second());
    SystemTid.wMilliseconds = std::uint16_t(t.msec());
    return SystemTid;
}

QString TAlmenX::AAr()
{
    return QString::number(LaesUr().wYear);
}

QString TAlmenX::DagIMaaned()
{
    return QString::number(LaesUr().wDay);
}

QString TAlmenX::MaanedIAar()
{
    return QString::number(LaesUr().wMonth);
}

QString TAlmenX::Time()
{
    return QString::number(LaesUr().wHour);
}

QString TAlmenX::Minut()
{
    return QString::number(LaesUr().wMinute);
}

QString TAlmenX::Sekund()
{
    return QString::number(LaesUr().wSecond);
}

QString TAlmenX::MilliSekund()
{
    return QString::number(LaesUr().wMilliseconds);
}

QString TAlmenX::Maaned()
{
    return GetMaaned(std::uint8_t(LaesUr().wMonth));
}

QString TAlmenX::Dag()
{
    return GetDag(std::uint8_t(LaesUr().wDayOfWeek));
}

std::int32_t TAlmenX::GetYear()
{
    return LaesUr().wYear;
}

std::uint8_t TAlmenX::GetMonth()
{
    return std::uint8_t(LaesUr().wMonth);
}

std::uint8_t TAlmenX::GetDate()
{
    return std::uint8_t(LaesUr().wDay);
}

QString TAlmenX::Klokken()
{
    const TSystemTime &t = LaesUr();
    return QStringLiteral("Klokken %1:%2").arg(t.wHour).arg(t.wMinute);
}

QString TAlmenX::Dato()
{
    const TSystemTime &t = LaesUr();
    return toCifre(t.wDay) + u' ' + toCifre(t.wMonth) + u' ' + QString::number(t.wYear);
}

QString TAlmenX::Tid()
{
    const TSystemTime &t = LaesUr();
    return toCifre(t.wHour) + u'.' + toCifre(t.wMinute);
}

QString TAlmenX::MaskDD()
{
    const TSystemTime &t = LaesUr();
    return toCifre(t.wDay) + u'.' + toCifre(t.wMonth) + u'.' + QString::number(t.wYear);
}

QString TAlmenX::DagDato()
{
    const TSystemTime &t = LaesUr();
    return QStringLiteral("%1 %2 %3 %4")
        .arg(GetDag(std::uint8_t(t.wDayOfWeek)))
        .arg(t.wDay)
        .arg(GetMaaned(std::uint8_t(t.wMonth)))
        .arg(t.wYear);
}

QString TAlmenX::GetDateStempel()
{
    const TSystemTime &t = LaesUr();
    return QString::number(t.wYear) + u'-' + toCifre(t.wMonth) + u'-' + toCifre(t.wDay) + u'_' +
           toCifre(t.wHour) + u'-' + toCifre(t.wMinute);
}

// ---- other dates ----

std::optional<std::int32_t> TAlmenX::AntalDage(std::int32_t Dag, std::int32_t Maaned,
                                               std::int32_t Aar)
{
    const QDate dato = kalenderDato(Dag, Maaned, Aar);
    if (!dato.isValid())
        return std::nullopt;
    SystemTid.wYear = std::uint16_t(Aar);
    SystemTid.wMonth = std::uint16_t(Maaned);
    SystemTid.wDay = std::uint16_t(Dag);
    SystemTid.wDayOfWeek = std::uint16_t(dato.dayOfWeek() % 7);
    return std::int32_t(QDate(1899, 12, 30).daysTo(dato));
}

std::uint16_t TAlmenX::GetWeekDay(const QDate &Dato) const
{
    return Dato.isValid() ? std::uint16_t(Dato.dayOfWeek() % 7) : 7;
}

std::uint16_t TAlmenX::GetUgeDag(const QDate &Dato) const
{
    return Dato.isValid() ? std::uint16_t(Dato.dayOfWeek()) : 0;
}

QString TAlmenX::GetDayInWeek(const QDate &Dato) const
{
    return Dato.isValid() ? GetDag(std::uint8_t(GetWeekDay(Dato))) : QString();
}

QString TAlmenX::DayInWeekAnyDate(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar) const
{
    return GetDayInWeek(kalenderDato(Dag, Maaned, Aar));
}

std::int32_t TAlmenX::GetWeek(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar) const
{
    const QDate dato = kalenderDato(Dag, Maaned, Aar);
    if (!dato.isValid())
        return -1;
    const int foersteMandag = 1 + (8 - QDate(Aar, 1, 1).dayOfWeek()) % 7;
    const int d = dato.dayOfYear() - foersteMandag + 1;
    return d > 0 ? (d + 6) / 7 : 0;
}

bool TAlmenX::EksisterDato(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar) const
{
    return Dag >= 1 && Dag <= AntalDageIMaaned(Aar, Maaned);
}

std::int32_t TAlmenX::AntalDageIMaaned(std::int32_t Aar, std::int32_t Maaned) const
{
    switch (Maaned) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return erSkudaar(Aar) ? 29 : 28;
    default:
        return Maaned >= 1 && Maaned <= 12 ? 31 : 0;
    }
}

bool TAlmenX::DatoMaskKon(const QString &S) const
{
    if (S.size() != 10)
        return false;
    for (qsizetype i = 0; i < S.size(); ++i) {
        const bool punktum = i == 2 || i == 5;
        if (punktum ? S.at(i) != u'.' : !erCiffer(S.at(i)))
            return false;
    }
    return EksisterDato(S.mid(0, 2).toInt(), S.mid(3, 2).toInt(), S.mid(6, 4).toInt());
}

bool TAlmenX::DBdatoKontrol(const QString &S) const
{
    if (S.isEmpty())
        return true;
    return S.size() == 10 && AntalTal(S) == 8 && S.count(u'-') == 2;
}

bool TAlmenX::DBdatoKon(QLineEdit &Edi) const
{
    QString tekst = Edi.text();
    bool ren = true;
    if ((tekst.size() >= 3 && tekst.at(2) != u'-') || (tekst.size() >= 6 && tekst.at(5) != u'-')) {
        tekst.clear();
        ren = false;
    } else {
        const QString renset = kunTegn(tekst, [](QChar c) { return erCiffer(c) || c == u'-'; });
        ren = renset.size() == tekst.size();
        tekst = renset;
    }
    Edi.setText(tekst);
    Edi.setCursorPosition(int(tekst.size()));
    return ren;
}

bool TAlmenX::SetTime(std::uint16_t T, std::uint16_t M, std::uint16_t S)
{
    const QDate dato(SystemTid.wYear, SystemTid.wMonth, SystemTid.wDay);
    const QTime tid(T, M, S, SystemTid.wMilliseconds);
    if (!dato.isValid() || !tid.isValid())
        return false;
    SystemTid.wHour = T;
    SystemTid.wMinute = M;
    SystemTid.wSecond = S;
    return systemClock().setUtc(QDateTime(dato, tid, Qt::UTC));
}

// ---- number fields ----

QString TAlmenX::GetAZ(const QString &S) const
{
    return kunTegn(S, [](QChar c) {
        return erCiffer(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

QString TAlmenX::GetPosTal(const QString &S) const
{
    // Done on the text, so that any number of digits gives their value.
    QString cifre = kunCifre(S);
    qsizetype nuller = 0;
    while (nuller < cifre.size() && cifre.at(nuller) == u'0')
        ++nuller;
    cifre.remove(0, nuller);
    return cifre.isEmpty() ? QStringLiteral("0") : cifre;
}

QString TAlmenX::Get16Tal(const QString &S) const
{
    QString result = kunTegn(S, [](QChar c) {
        return erCiffer(c) || c == u'#' || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    });
    if (S.isEmpty() || S.at(0) < u'#')
        result.prepend(u'#');
    return result;
}

std::int32_t TAlmenX::EditInteger(const QString &S) const
{
    constexpr qint64 max = std::numeric_limits<std::int32_t>::max();
    if (S.startsWith(u'-'))
        return std::int32_t(-cifferVaerdi(S, max + 1));
    return std::int32_t(cifferVaerdi(S, max));
}

bool TAlmenX::ErrorInteger(const QString &S) const
{
    return std::any_of(S.begin(), S.end(), [](QChar c) { return !erCiffer(c) && c != u'-'; });
}

std::int32_t TAlmenX::EditPosInteger(const QString &S) const
{
    return std::int32_t(cifferVaerdi(S, std::numeric_limits<std::int32_t>::max()));
}

bool TAlmenX::ErrorPosInteger(const QString &S) const
{
    return std::any_of(S.begin(), S.end(), [](QChar c) { return !erCiffer(c); });
}

std::uint8_t TAlmenX::EditByte(const QString &S) const
{
    return std::uint8_t(cifferVaerdi(S, 255));
}

double TAlmenX::EditFloat(const QString &S) const
{
    const QString renset =
        kunTegn(S, [](QChar c) { return erCiffer(c) || c == u',' || c == u'-' || c == u'.'; });
    const bool negativ = renset.startsWith(u'-');
    QString tal;
    bool harSeparator = false;
    for (QChar c : renset) {
        if (erCiffer(c)) {
            tal += c;
        } else if ((c == u',' || c == u'.') && !harSeparator) {
            tal += u'.';
            harSeparator = true;
        }
    }
    // A separator without digits ("," or "-.") is no number: nothing typed yet.
    if (AntalTal(tal) == 0)
        return 0;
    if (tal.startsWith(u'.'))
        tal.prepend(u'0');
    bool ok = false;
    double value = QLocale::c().toDouble(tal, &ok);
    if (!ok || !std::isfinite(value))
        value = std::numeric_limits<double>::max();
    return negativ ? -value : value;
}

QString TAlmenX::Floatkon(const QString &S) const
{
    return kunTegn(S, [](QChar c) { return erCiffer(c) || c == u','; });
}

QString TAlmenX::IntegerKon(const QString &S) const
{
    const QString cifre = kunCifre(S);
    const bool nul = std::all_of(cifre.begin(), cifre.end(), [](QChar c) { return c == u'0'; });
    return nul ? QString() : cifre;
}

QString TAlmenX::TelefonKon(const QString &S) const
{
    return kunTegn(S, [](QChar c) { return erCiffer(c) || c == u' '; });
}

QString TAlmenX::Decimal2Kon(const QString &S, bool empty) const
{
    if (empty && S.isEmpty())
        return {};
    if (S.isEmpty() || S == QStringLiteral(","))
        return QStringLiteral("0,00");
    QString kopi;
    qsizetype komma = -1;
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S.at(i);
        const bool sidste = i == S.size() - 1;
        if (komma < 0 && c == u',') {
            komma = i;
            if (i == 0)
                kopi += u'0';
            kopi += c;
            if (sidste)
                return kopi + QStringLiteral("00");
            continue;
        }
        kopi += c;
        if (komma >= 0 && i == komma + 1 && sidste)
            return kopi + u'0';
        if (komma >= 0 && i == komma + 2)
            return kopi; // further decimals are dropped, not rounded
    }
    return S + QStringLiteral(",00");
}

std::int32_t TAlmenX::AntalTal(const QString &S) const
{
    return std::int32_t(std::count_if(S.begin(), S.end(), erCiffer));
}

// ---- colours ----

void TAlmenX::HentRGB(TColor F, std::uint8_t &R, std::uint8_t &G, std::uint8_t &B) const
{
    if (F == clNone)
        return;
    const QColor farve = toQColor(F);
    R = std::uint8_t(farve.red());
    G = std::uint8_t(farve.green());
    B = std::uint8_t(farve.blue());
}

QString TAlmenX::GetHtmlFarve(TColor col) const
{
    std::uint8_t r = 0, g = 0, b = 0;
    HentRGB(col, r, g, b);
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// ---- texts and file names ----

void TAlmenX::ReplaceChar(QString &S, QChar repCh, QChar withCh) const
{
    S.replace(repCh, withCh);
}

QString TAlmenX::FilenameControl(const QString &S) const
{
    static const QString forbudte = QStringLiteral("\\/:*?\"<>|");
    QString result = S;
    for (QChar &c : result) {
        if (forbudte.contains(c))
            c = u'_';
    }
    return result;
}

QString TAlmenX::NoExt(const QString &FNavn) const
{
    const qsizetype punktum = extPunktum(FNavn);
    return punktum < 0 ? FNavn : FNavn.left(punktum);
}

QString TAlmenX::SetExt(const QString &Ext, const QString &FNavn) const
{
    return NoExt(FNavn) + u'.' + Ext;
}

QString TAlmenX::GetExt(const QString &FNavn) const
{
    const qsizetype punktum = extPunktum(FNavn);
    return punktum < 0 ? QString() : FNavn.mid(punktum + 1);
}

QString TAlmenX::FilCaption(const QString &FNavn) const
{
    const QString navn = NoExt(FNavn);
    return navn.mid(navnStart(navn));
}

QString TAlmenX::GetBibliotek(const QString &FNavn) const
{
    QString mappe = extPunktum(FNavn) < 0 ? FNavn : FNavn.left(navnStart(FNavn));
    if (mappe.endsWith(u'/') || mappe.endsWith(u'\\'))
        mappe.chop(1);
    if (mappe.isEmpty() || !QFileInfo(storedpath::resolve(mappe)).isDir())
        return {};
    return mappe.mid(navnStart(mappe));
}

// ---- file system ----

bool TAlmenX::SendToRecycleBin(const QString &AFileName) const
{
    const QString sti = storedpath::resolve(AFileName);
    if (sti.isEmpty() || !QFileInfo(sti).isFile())
        return false;
    // The trash lives in the user's data folder. Where a fresh account lacks
    // that folder, the toolkit would file the file beside the working folder.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString iSkraldespand;
    if (!QFile::moveToTrash(sti, &iSkraldespand))
        return false;
    if (QFileInfo(iSkraldespand).isAbsolute())
        return true;
    QFile::rename(iSkraldespand, sti); // no trash after all: put it back
    return false;
}

bool TAlmenX::DeleteFiles(const QString &Bib, const QString &Ext, bool MedBib) const
{
    const QString mappe = storedpath::resolve(Bib);
    // A pattern naming another folder ("..\*") would reach outside Bib.
    if (!sletningTilladt(mappe) || Ext.isEmpty() || Ext.contains(u'/') || Ext.contains(u'\\'))
        return false;
    const QRegularExpression moenster = filMoenster(Ext);
    bool alle = true;
    for (const QFileInfo &indgang : indgange(mappe)) {
        // Folders are not files; a link is removed as a link.
        if (!moenster.match(indgang.fileName()).hasMatch() || (indgang.isDir() && !erLink(indgang)))
            continue;
        if (!sletIndgang(indgang))
            alle = false;
    }
    if (MedBib)
        return alle && QDir().rmdir(mappe);
    return alle;
}

std::int32_t TAlmenX::CountFiles(const QString &Bib) const
{
    const QString mappe = storedpath::resolve(Bib);
    if (mappe.isEmpty())
        return 0;
    // A plain folder does not count; one with more to it (hidden, a link) does.
    std::int32_t antal = 0;
    for (const QFileInfo &indgang : indgange(mappe)) {
        if (!(indgang.isDir() && !erLink(indgang) && !indgang.isHidden()))
            ++antal;
    }
    return antal;
}

bool TAlmenX::DeleteDir(const QString &Dir) const
{
    const QString mappe = storedpath::resolve(Dir);
    if (!sletningTilladt(mappe))
        return false;
    const OptagetMarkoer markoer;
    bool alle = true;
    for (const QFileInfo &indgang : indgange(mappe)) {
        if (indgang.isDir() && !sletIndgang(indgang))
            alle = false;
    }
    return alle;
}

// ---- rectangles ----

TRect TAlmenX::MoveRect(const TRect &R, std::int32_t FlytX, std::int32_t FlytY) const
{
    return {R.Left + FlytX, R.Top + FlytY, R.Right + FlytX, R.Bottom + FlytY};
}

TRect TAlmenX::ZoomRect(const TRect &R, std::int32_t Zoom, double Regu) const
{
    const double nyBredde = double(R.Width()) + 2.0 * Zoom;
    const double flyt = rundLige((nyBredde / Regu - R.Height()) / 2.0);
    // No ratio (Regu 0) or a result beyond any screen leaves the rectangle as it is.
    if (!std::isfinite(flyt) || std::abs(flyt) > 1e9 || std::abs(double(Zoom)) > 1e9)
        return R;
    const auto n = std::int32_t(flyt);
    return {R.Left - Zoom, R.Top - n, R.Right + Zoom, R.Bottom + n};
}

} // namespace kvidrel
