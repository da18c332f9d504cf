#pragma once

// General helpers: date and time texts in three languages, week numbers, date
// checks, filters for number fields typed by a user, colours as HTML, file-name
// operations and a few bounded file-system operations.

#include "drawtypes.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

class QLineEdit;

namespace kvidrel {

enum TSprog : std::uint8_t
{
    Dansk,
    Engelsk,
    Tysk
};

class TAlmenX : public QObject
{
    Q_OBJECT

public:
    explicit TAlmenX(QObject *parent = nullptr);

    TSprog Sprog() const { return FSprog; }
    void SetSprog(TSprog Value) { FSprog = Value; }

    // Names and lookups. The lookups accept all three languages whatever
    // Sprog is; 8 and 0 mean not recognised.
    QString GetDag(std::uint8_t Dag) const; // 0 and 7 are Sunday
    QString GetMaaned(std::uint8_t Maaned) const;
    std::uint8_t GetDagByte(const QString &Dag) const;       // 1 Monday .. 7 Sunday
    std::uint8_t GetMaanedByte(const QString &Maaned) const; // 1 .. 12
    QString GetDato(std::uint8_t Dato) const;                // empty for 0
    QString GetAar(std::int32_t Aar) const;                  // empty for 0

    // The current date and time, read from the clock at each call.
    QString AAr();
    QString DagIMaaned();
    QString MaanedIAar();
    QString Time();
    QString Minut();
    QString Sekund();
    QString MilliSekund();
    QString Maaned();
    QString Dag();
    std::int32_t GetYear();
    std::uint8_t GetMonth();
    std::uint8_t GetDate();
    QString Klokken();        // "Klokken 9:5"
    QString Dato();           // "05 03 2024"
    QString Tid();            // "09.05"
    QString MaskDD();         // "05.03.2024"
    QString DagDato();        // "Tirsdag 5 Marts 2024"
    QString GetDateStempel(); // "2024-03-05_09-05"

    // Other dates. Years follow the Gregorian rule.
    // Days since 30 December 1899; none for a date that does not exist.
    std::optional<std::int32_t> AntalDage(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar);
    std::uint16_t GetWeekDay(const QDate &Dato) const; // 0 Sunday .. 6 Saturday, 7 for no date
    std::uint16_t GetUgeDag(const QDate &Dato) const;  // 1 Monday .. 7 Sunday, 0 for no date
    QString GetDayInWeek(const QDate &Dato) const;
    QString DayInWeekAnyDate(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar) const;
    // Week 1 begins on the year's first Monday; the days before it are week 0.
    // -1 for a date that does not exist.
    std::int32_t GetWeek(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar) const;
    bool EksisterDato(std::int32_t Dag, std::int32_t Maaned, std::int32_t Aar) const;
    std::int32_t AntalDageIMaaned(std::int32_t Aar, std::int32_t Maaned) const;
    bool DatoMaskKon(const QString &S) const; // an existing date as DD.MM.YYYY
    bool DBdatoKontrol(const QString &S) const;
    // Cleans the field's text as a date DD-MM-YYYY; false when anything was removed.
    bool DBdatoKon(QLineEdit &Edi) const;
    // Sets the clock (UTC) to T:M:S on the date last put into the working
    // record. False when the time is not valid or the clock refuses.
    bool SetTime(std::uint16_t T, std::uint16_t M, std::uint16_t S);

    // Number fields, as typed by a user. Numbers too large for their type
    // give the type's limit.
    QString GetAZ(const QString &S) const;
    QString GetPosTal(const QString &S) const;
    QString Get16Tal(const QString &S) const;
    std::int32_t EditInteger(const QString &S) const;
    bool ErrorInteger(const QString &S) const;
    std::int32_t EditPosInteger(const QString &S) const;
    bool ErrorPosInteger(const QString &S) const;
    std::uint8_t EditByte(const QString &S) const;
    double EditFloat(const QString &S) const;
    QString Floatkon(const QString &S) const;
    QString IntegerKon(const QString &S) const;
    QString TelefonKon(const QString &S) const;
    QString Decimal2Kon(const QString &S, bool empty) const; // "12,5" -> "12,50"
    std::int32_t AntalTal(const QString &S) const;

    // Colours. System colours are resolved through the application palette;
    // clNone leaves R, G and B as they are.
    void HentRGB(TColor F, std::uint8_t &R, std::uint8_t &G, std::uint8_t &B) const;
    QString GetHtmlFarve(TColor col) const; // "#RRGGBB"

    // Texts and file names. The extension rules look at the file name only,
    // so a dotted folder in the path stays whole.
    void ReplaceChar(QString &S, QChar repCh, QChar withCh) const;
    QString FilenameControl(const QString &S) const;
    QString NoExt(const QString &FNavn) const;
    QString SetExt(const QString &Ext, const QString &FNavn) const;
    QString GetExt(const QString &FNavn) const;
    QString FilCaption(const QString &FNavn) const;
    QString GetBibliotek(const QString &FNavn) const;

    // File system. Stored Windows paths under the data root are accepted.
    // Deleting is allowed strictly inside the data root only and never
    // follows a link; each operation returns whether it did what was asked.
    bool SendToRecycleBin(const QString &AFileName) const;
    bool DeleteFiles(const QString &Bib, const QString &Ext, bool MedBib) const;
    std::int32_t CountFiles(const QString &Bib) const;
    bool DeleteDir(const QString &Dir) const; // the subfolders of Dir; its own files stay

    // Rectangles.
    TRect MoveRect(const TRect &R, std::int32_t FlytX, std::int32_t FlytY) const;
    TRect ZoomRect(const TRect &R, std::int32_t Zoom, double Regu) const;

private:
    // The platform's date-time record: most date operations fill it from the
    // clock or from their arguments and read it back.
    struct TSystemTime
    {
        std::uint16_t wYear = 0;
        std::uint16_t wMonth = 0;
        std::uint16_t wDayOfWeek = 0; // 0 Sunday
        std::uint16_t wDay = 0;
        std::uint16_t wHour = 0;
        std::uint16_t wMinute = 0;
        std::uint16_t wSecond = 0;
        std::uint16_t wMilliseconds = 0;
    };

    const TSystemTime &LaesUr();

    TSystemTime SystemTid;
    TSprog FSprog = Dansk;
};

} // namespace kvidrel
