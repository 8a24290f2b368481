#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates are stored as OLE Automation dates, the form in which they travel on the wire: days
// since 1899-12-30 as the whole part, the time of day as the fraction. Times are local times
// without a zone.
double OleTarihi(const QDateTime& zaman);
double OleTarihi(QDate gun);
QDateTime OleTarihinden(double ole);

// "HH:mm:ss", the form of the SAAT columns.
QString SaatYazisi(const QTime& saat);
