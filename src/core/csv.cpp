#include "csv.h"

namespace kvidrel::csv {

namespace {

QChar findSkilletegn(const QString &tekst)
{
    int semikolon = 0;
    int komma = 0;
    bool iCitat = false;
    for (const QChar c : tekst) {
        if (c == u'"')
            iCitat = !iCitat; // a doubled quote toggles twice
        else if (!iCitat && (c == u'\r' || c == u'\n'))
            break;
        else if (!iCitat && c == u';')
            ++semikolon;
        else if (!iCitat && c == u',')
            ++komma;
    }
    return komma > semikolon ? u',' : u';';
}

} // namespace

Tabel laes(const QString &tekst)
{
    Tabel tabel;
    tabel.skilletegn = findSkilletegn(tekst);
    const QChar skil = tabel.skilletegn;
    const qsizetype n = tekst.size();
    QStringList raekke;
    QString felt;
    qsizetype i = 0;
    while (i < n) {
        QChar c = tekst.at(i);
        if (c == u'"' && felt.isEmpty()) {
            // A quoted field, up to a quote that is not doubled.
            bool lukket = false;
            for (++i; i < n; ++i) {
                c = tekst.at(i);
                if (c == u'"') {
                    if (i + 1 < n && tekst.at(i + 1) == u'"') {
                        felt += u'"';
                        ++i;
                        continue;
                    }
                    lukket = true;
                    ++i;
                    break;
                }
                if (c == u'\r') {
                    felt += u'\n';
                    if (i + 1 < n && tekst.at(i + 1) == u'\n')
                        ++i;
                } else {
                    felt += c;
                }
            }
            if (!lukket)
                tabel.sidsteUafsluttet = true;
            continue;
        }
        if (c == skil) {
            raekke << felt;
            felt.clear();
            ++i;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            raekke << felt;
            felt.clear();
            tabel.raekker << raekke;
            raekke.clear();
            if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
                ++i;
            ++i;
            continue;
        }
        // Text after a closing quote belongs to the field, as spreadsheets read it.
        felt += c;
        ++i;
    }
    const bool afsluttetMedLinjeskift =
        n > 0 && (tekst.back() == u'\n' || tekst.back() == u'\r') && !tabel.sidsteUafsluttet;
    if (!afsluttetMedLinjeskift && (n > 0)) {
        raekke << felt;
        tabel.raekker << raekke;
    }
    return tabel;
}

QString skriv(const QVector<QStringList> &raekker, QChar skilletegn)
{
    QString ud;
    for (const QStringList &raekke : raekker) {
        for (qsizetype k = 0; k < raekke.size(); ++k) {
            if (k > 0)
                ud += skilletegn;
            const QString &felt = raekke.at(k);
            const bool citer = felt.contains(skilletegn) || felt.contains(u'"') ||
                               felt.contains(u'\n') || felt.contains(u'\r') ||
                               felt.contains(u',') || felt.contains(u';') ||
                               felt.startsWith(u' ') || felt.endsWith(u' ');
            if (!citer) {
                ud += felt;
                continue;
            }
            QString indhold = felt;
            indhold.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            indhold.replace(u'\r', u'\n');
            indhold.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            ud += u'"' + indhold + u'"';
        }
        ud += QStringLiteral("\r\n");
    }
    return ud;
}

} // namespace kvidrel::csv
