#pragma once
#include <QString>

namespace kz {

void RankTotals();
void RankMatch();
void MarkTotalsList();
void MarkMatchList();

// One line of a ranking list.
QString RankingLine(int rank, bool tied, const QString& name, double value);

} // namespace kz
