#include "server/store/tarih.h"

#include <cmath>

namespace {

const QDate oleBaslangici(1899, 12, 30);
constexpr double gundekiMilisaniye = 86'400'000.0;

} // namespace

double OleTarihi(QDate gun) {
    return static_cast<double>(oleBaslangici.daysTo(gun));
}

double OleTarihi(const QDateTime& zaman) {
    const double kesir = zaman.time().msecsSinceStartOfDay() / gundekiMilisaniye;
    const double gun = OleTarihi(zaman.date());
    return gun < 0 ? gun - kesir : gun + kesir; // before the epoch the fraction still counts forward
}

QDateTime OleTarihinden(double ole) {
    const double gunler = std::trunc(ole);
    const double kesir = std::abs(ole - gunler);
    const QDate gun = oleBaslangici.addDays(static_cast<qint64>(gunler));
    const qint64 ms = std::llround(kesir * gundekiMilisaniye);
    if (ms >= 86'400'000) // rounded up to the next midnight
        return QDateTime(gun.addDays(1), QTime(0, 0));
    return QDateTime(gun, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

QString SaatYazisi(const QTime& saat) {
    return saat.toString(QStringLiteral("HH:mm:ss"));
}
