#pragma once

// Pictures for a person to look at, taken only when KVIDREL_SKAERMBILLEDER
// names a folder (tools/screenshots.sh): a plain test run writes nothing
// outside its own temporary folders.

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QWidget>

inline void gemBillede(const QImage &billede, const QString &navn)
{
    const QString mappe = qEnvironmentVariable("KVIDREL_SKAERMBILLEDER");
    if (!mappe.isEmpty())
        billede.save(mappe + u'/' + navn + QStringLiteral(".png"));
}

inline void gemBillede(QWidget *vindue, const QString &navn)
{
    if (qEnvironmentVariableIsEmpty("KVIDREL_SKAERMBILLEDER"))
        return;
    // Layouts settle in posted events, as the event loop would let them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    gemBillede(vindue->grab().toImage(), navn);
}
