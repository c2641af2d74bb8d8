#pragma once
// Starting outside programs. Failures are silent by design: the buttons and menu items
// that use these simply do nothing when the desktop offers no such program.
#include <QString>
#include <QStringList>

namespace hn {

// Desk calculators tried in this order; the first one found on PATH is started.
QStringList DeskCalculatorCandidates();
// The program that StartDeskCalculator would start, or an empty string.
QString FindDeskCalculator();
bool StartDeskCalculator();

// Opens a web or mailto: address with the desktop's handler.
bool OpenAddress(const QString& address);

} // namespace hn
