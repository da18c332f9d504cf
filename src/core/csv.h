#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace kvidrel {

// Tables as spreadsheets save them: fields split by a comma or a semicolon,
// in double quotes when they hold one of those, a quote (doubled) or a line
// break. Every record is one row of the spreadsheet, whatever line breaks its
// fields hold.
namespace csv {

struct Tabel
{
    QVector<QStringList> raekker;
    QChar skilletegn = u';';
    // The last row opens a quote that no quote closes: it ran to the end.
    bool sidsteUafsluttet = false;
};

// The separator is the one of comma and semicolon that the first row uses
// most outside quotes (a semicolon when neither). A line break inside a field
// is read as "\n"; an empty line is a row with one empty field.
Tabel laes(const QString &tekst);

// Rows separated by CR LF, fields quoted only where they must be; a line break
// inside a field is written as "\n".
QString skriv(const QVector<QStringList> &raekker, QChar skilletegn = u';');

} // namespace csv
} // namespace kvidrel
