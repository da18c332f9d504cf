#pragma once

#include "questionbank.h"
#include "regneark.h"

#include <QString>
#include <QVector>
#include <functional>

namespace kvidrel {

// Writes the planned questions into the group's folder mappe, all or none:
// they are made in a hidden folder beside the groups and moved in only once
// every one is there. With nyListe the group is added to grupper and the list
// saved. Throws FileError after taking back what was done.
void skrivPlan(QVector<PlanlagtSpm> &plan, const QString &gruppeDir, const QString &mappe,
               bool nyListe, GruppeListe grupper, const QString &gruppe,
               const std::function<void(int)> &efterSpm);

} // namespace kvidrel
