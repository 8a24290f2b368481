#include "platform/grid/simgeharitasi.h"

namespace grid {

namespace {

bool SayiMi(const QVariant& deger, double* sayi) {
    switch (deger.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        *sayi = deger.toDouble();
        return true;
    case QMetaType::QString: {
        bool tamam = false;
        *sayi = deger.toString().trimmed().toDouble(&tamam);
        return tamam;
    }
    default:
        return false;
    }
}

bool Esit(const QVariant& a, const QVariant& b) {
    double x = 0;
    double y = 0;
    if (SayiMi(a, &x) && SayiMi(b, &y))
        return x == y;
    return a.toString() == b.toString();
}

} // namespace

TSimgeHaritasi& TSimgeHaritasi::Ekle(const QVariant& deger, const QIcon& simge, const QString& yazi) {
    m_ogeler.append({deger, {simge, yazi}});
    return *this;
}

TSimgeHaritasi& TSimgeHaritasi::SetBos(const QIcon& simge, const QString& yazi) {
    m_bos = TSimgeOgesi{simge, yazi};
    return *this;
}

TSimgeHaritasi& TSimgeHaritasi::SetDiger(const QIcon& simge, const QString& yazi) {
    m_diger = TSimgeOgesi{simge, yazi};
    return *this;
}

TSimgeHaritasi& TSimgeHaritasi::SetYaziGoster(bool goster) {
    m_yaziGoster = goster;
    return *this;
}

bool TSimgeHaritasi::BosDeger(const QVariant& deger) {
    return !deger.isValid() || deger.isNull() ||
           (deger.typeId() == QMetaType::QString && deger.toString().trimmed().isEmpty());
}

const TSimgeOgesi* TSimgeHaritasi::Bul(const QVariant& deger) const {
    if (BosDeger(deger))
        return m_bos ? &*m_bos : nullptr;
    for (const TKayit& kayit : m_ogeler)
        if (Esit(kayit.deger, deger))
            return &kayit.oge;
    return m_diger ? &*m_diger : nullptr;
}

} // namespace grid
