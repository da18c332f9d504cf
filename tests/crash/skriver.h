#pragma once

#include "participants.h"
#include "questionbank.h"

#include <QString>

// What the writer saves in round k: sizes change with k, so a cut-off file
// cannot pass for a whole one.
kvidrel::DeltagerRegister deltagereNr(int k);
kvidrel::SpmRec spmNr(int k, const QString &spmFil);
// The round a saved file belongs to; -1 when it names none.
int rundeAfRegister(const QByteArray &bytes);
int rundeAfSpm(const QByteArray &bytes);

QString registerFil(const QString &mappe);
QString spmFil(const QString &mappe);

// Saves both files round after round from the round after the one on disk,
// and says "klar" once the first round is saved; runs until killed.
int skriverLoekke(const QString &mappe);
