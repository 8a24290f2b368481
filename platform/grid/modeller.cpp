#include "platform/grid/modeller.h"

#include "platform/datasnap/datasource.h"

#include <QCollator>
#include <QImage>
#include <algorithm>

namespace grid {

// ---------------------------------------------------------------------------------------------
// Values

namespace {

bool SayiTuru(const QVariant& deger) {
    switch (deger.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool BosMu(const QVariant& deger) {
    return !deger.isValid() || deger.isNull();
}

const QCollator& Harmanlayici() {
    thread_local const QCollator harmanlayici = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return harmanlayici;
}

} // namespace

bool DegerKucuk(const QVariant& a, const QVariant& b) {
    if (BosMu(a) || BosMu(b))
        return BosMu(a) && !BosMu(b);
    if (SayiTuru(a) && SayiTuru(b))
        return a.toDouble() < b.toDouble();
    return Harmanlayici().compare(a.toString(), b.toString()) < 0;
}

QString AnahtarYazisi(const QVariant& deger) {
    if (BosMu(deger))
        return {};
    switch (deger.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(deger.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return deger.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return deger.toString();
    }
}

bool Isaretli(const QVariant& deger) {
    if (BosMu(deger))
        return false;
    if (SayiTuru(deger))
        return deger.toDouble() != 0;
    const QString yazi = deger.toString().trimmed();
    return yazi == QLatin1String("1") || yazi.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QVariant THucre::Deger(QStringView alan) const {
    const datasnap::TField* alanim = veri ? veri->FindField(alan) : nullptr;
    return alanim ? veri->ValueAt(kayit, alanim->Index()) : QVariant();
}

QString THucre::Yazi(QStringView alan) const {
    const datasnap::TField* alanim = veri ? veri->FindField(alan) : nullptr;
    return alanim ? veri->DisplayTextAt(kayit, alanim->Index()) : QString();
}

// ---------------------------------------------------------------------------------------------
// TSutunModeli

TSutunModeli::TSutunModeli(const std::vector<TSutun>& sutunlar, QObject* sahip)
    : QAbstractTableModel(sahip)
    , m_sutunlar(sutunlar) {
    AlanlariEsle();
}

void TSutunModeli::SetKaynak(datasnap::TDataSource* kaynak) {
    beginResetModel();
    for (const QMetaObject::Connection& baglanti : m_baglantilar)
        disconnect(baglanti);
    m_baglantilar.clear();
    m_kaynak = kaynak;
    if (kaynak) {
        m_baglantilar << connect(kaynak, &QAbstractItemModel::modelAboutToBeReset, this,
                                 &TSutunModeli::beginResetModel);
        m_baglantilar << connect(kaynak, &QAbstractItemModel::modelReset, this, [this] {
            AlanlariEsle();
            m_resimler.clear();
            endResetModel();
        });
        m_baglantilar << connect(kaynak, &QAbstractItemModel::dataChanged, this,
                                 [this](const QModelIndex& ust, const QModelIndex& alt) {
                                     for (int satir = ust.row(); satir <= alt.row(); ++satir)
                                         for (int sutun = 0; sutun < columnCount(); ++sutun)
                                             m_resimler.remove(qint64(satir) << 32 | sutun);
                                     emit dataChanged(index(ust.row(), 0), index(alt.row(), columnCount() - 1));
                                 });
        m_baglantilar << connect(kaynak, &QObject::destroyed, this, [this] { Sifirla(); });
    }
    AlanlariEsle();
    m_resimler.clear();
    endResetModel();
}

void TSutunModeli::Sifirla() {
    beginResetModel();
    m_baglantilar.clear();
    AlanlariEsle();
    m_resimler.clear();
    endResetModel();
}

void TSutunModeli::SutunlariDegistir(const std::function<void()>& degistir) {
    beginResetModel();
    degistir();
    AlanlariEsle();
    m_resimler.clear();
    endResetModel();
}

const datasnap::TClientDataSet* TSutunModeli::Veri() const {
    if (!m_kaynak || !m_kaynak->Enabled() || !m_kaynak->DataSet() || !m_kaynak->DataSet()->Active())
        return nullptr;
    return m_kaynak->DataSet();
}

void TSutunModeli::AlanlariEsle() {
    m_alanlar.assign(m_sutunlar.size(), -1);
    if (!m_kaynak)
        return;
    for (size_t i = 0; i < m_sutunlar.size(); ++i)
        m_alanlar[i] = m_kaynak->FieldColumn(m_sutunlar[i].alan);
}

int TSutunModeli::rowCount(const QModelIndex& ust) const {
    return ust.isValid() || !m_kaynak ? 0 : m_kaynak->rowCount();
}

int TSutunModeli::columnCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : static_cast<int>(m_sutunlar.size());
}

QVariant TSutunModeli::Deger(int kayit, int sutun) const {
    const int alan = AlanSutunu(sutun);
    if (alan < 0 || !m_kaynak)
        return {};
    return m_kaynak->data(m_kaynak->index(kayit, alan), datasnap::TDataSource::ValueRole);
}

THucre TSutunModeli::Hucre(int kayit, int sutun) const {
    THucre hucre;
    hucre.veri = Veri();
    hucre.kayit = kayit;
    hucre.deger = Deger(kayit, sutun);
    return hucre;
}

QString TSutunModeli::Metin(int kayit, int sutun) const {
    const TSutun& s = m_sutunlar[sutun];
    if (s.metin)
        return Veri() ? s.metin(Hucre(kayit, sutun)) : QString();
    switch (s.tur) {
    case TSutunTuru::Simge: {
        const TSimgeOgesi* oge = s.simgeler.Bul(Deger(kayit, sutun));
        return oge && s.simgeler.YaziGoster() ? oge->yazi : QString();
    }
    case TSutunTuru::OnayKutusu:
    case TSutunTuru::Resim:
        return {};
    default: {
        const int alan = AlanSutunu(sutun);
        return alan < 0 || !m_kaynak ? QString() : m_kaynak->data(m_kaynak->index(kayit, alan)).toString();
    }
    }
}

QVariant TSutunModeli::Resim(int kayit, int sutun) const {
    const qint64 anahtar = qint64(kayit) << 32 | sutun;
    auto bulunan = m_resimler.constFind(anahtar);
    if (bulunan != m_resimler.constEnd())
        return *bulunan;
    const QVariant deger = Deger(kayit, sutun);
    QPixmap resim;
    if (deger.typeId() == QMetaType::QByteArray)
        resim = QPixmap::fromImage(QImage::fromData(deger.toByteArray()));
    m_resimler.insert(anahtar, resim);
    return resim;
}

Qt::Alignment TSutunModeli::Hiza(int sutun) const {
    const TSutun& s = m_sutunlar[sutun];
    Qt::Alignment yatay = s.hiza & Qt::AlignHorizontal_Mask;
    if (!yatay) {
        switch (s.tur) {
        case TSutunTuru::Sayi:
            yatay = Qt::AlignRight;
            break;
        case TSutunTuru::Simge:
        case TSutunTuru::OnayKutusu:
        case TSutunTuru::Resim:
            yatay = Qt::AlignHCenter;
            break;
        default: {
            const int alan = AlanSutunu(sutun);
            const auto* veri = Veri();
            yatay = veri && alan >= 0 && veri->Fields(alan)->IsNumeric() ? Qt::AlignRight : Qt::AlignLeft;
        }
        }
    }
    return yatay | Qt::AlignVCenter;
}

QVariant TSutunModeli::data(const QModelIndex& indeks, int rol) const {
    if (!indeks.isValid() || indeks.column() >= int(m_sutunlar.size()))
        return {};
    const int kayit = indeks.row();
    const int sutun = indeks.column();
    const TSutun& s = m_sutunlar[sutun];
    switch (rol) {
    case Qt::DisplayRole:
        return Metin(kayit, sutun);
    case DegerRolu:
        return Deger(kayit, sutun);
    case KayitRolu:
        return kayit;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Hiza(sutun));
    case Qt::DecorationRole:
        if (s.tur == TSutunTuru::Simge) {
            const TSimgeOgesi* oge = s.simgeler.Bul(Deger(kayit, sutun));
            return oge ? QVariant(oge->simge) : QVariant();
        }
        if (s.tur == TSutunTuru::Resim)
            return Resim(kayit, sutun);
        return {};
    case Qt::CheckStateRole:
        if (s.tur == TSutunTuru::OnayKutusu)
            return Isaretli(Deger(kayit, sutun)) ? Qt::Checked : Qt::Unchecked;
        return {};
    case SuzgecAnahtariRolu:
        switch (s.tur) {
        case TSutunTuru::Simge:
            return AnahtarYazisi(Deger(kayit, sutun));
        case TSutunTuru::OnayKutusu:
            return Isaretli(Deger(kayit, sutun)) ? QStringLiteral("1") : QStringLiteral("0");
        default:
            return Metin(kayit, sutun);
        }
    case SuzgecEtiketiRolu:
        switch (s.tur) {
        case TSutunTuru::Simge: {
            const QVariant deger = Deger(kayit, sutun);
            const TSimgeOgesi* oge = s.simgeler.Bul(deger);
            return oge && !oge->yazi.isEmpty() ? oge->yazi : AnahtarYazisi(deger);
        }
        case TSutunTuru::OnayKutusu:
            return Isaretli(Deger(kayit, sutun)) ? QStringLiteral("İşaretli") : QStringLiteral("İşaretsiz");
        default:
            return Metin(kayit, sutun);
        }
    default:
        return {};
    }
}

QVariant TSutunModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (yon != Qt::Horizontal || bolum < 0 || bolum >= int(m_sutunlar.size()))
        return QAbstractTableModel::headerData(bolum, yon, rol);
    switch (rol) {
    case Qt::DisplayRole:
        return m_sutunlar[bolum].Baslik();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

// ---------------------------------------------------------------------------------------------
// TSuzgecModeli

TSuzgecModeli::TSuzgecModeli(QObject* sahip)
    : QSortFilterProxyModel(sahip) {
    setSortRole(DegerRolu);
}

void TSuzgecModeli::SetSuzgec(int sutun, const QSet<QString>& anahtarlar) {
    if (anahtarlar.isEmpty())
        m_suzgecler.remove(sutun);
    else
        m_suzgecler.insert(sutun, anahtarlar);
    invalidateFilter();
}

void TSuzgecModeli::SuzgecleriTemizle() {
    if (m_suzgecler.isEmpty())
        return;
    m_suzgecler.clear();
    invalidateFilter();
}

bool TSuzgecModeli::SatirGeciyor(int kaynakSatir, int haric) const {
    const QAbstractItemModel* kaynak = sourceModel();
    for (auto it = m_suzgecler.cbegin(); it != m_suzgecler.cend(); ++it) {
        if (it.key() == haric)
            continue;
        const QString anahtar = kaynak->index(kaynakSatir, it.key()).data(SuzgecAnahtariRolu).toString();
        if (!it.value().contains(anahtar))
            return false;
    }
    return true;
}

bool TSuzgecModeli::filterAcceptsRow(int kaynakSatir, const QModelIndex&) const {
    return SatirGeciyor(kaynakSatir, -1);
}

bool TSuzgecModeli::lessThan(const QModelIndex& sol, const QModelIndex& sag) const {
    QVariant a = sol.data(DegerRolu);
    QVariant b = sag.data(DegerRolu);
    if (BosMu(a) && BosMu(b)) {
        // Unbound columns sort by their text.
        a = sol.data(Qt::DisplayRole);
        b = sag.data(Qt::DisplayRole);
    }
    return DegerKucuk(a, b);
}

// ---------------------------------------------------------------------------------------------
// TGrupModeli

TGrupModeli::TGrupModeli(TSuzgecModeli* kaynak, QObject* sahip)
    : QAbstractTableModel(sahip)
    , m_kaynak(kaynak) {
    // While grouped, any change of the filtered rows rebuilds the groups and the view is told by
    // one reset. Ungrouped, the view shows the filter layer itself and this layer only maps rows.
    const auto yenile = [this] {
        if (Gruplu())
            Yenile();
    };
    connect(kaynak, &QAbstractItemModel::modelReset, this, yenile);
    connect(kaynak, &QAbstractItemModel::layoutChanged, this, yenile);
    connect(kaynak, &QAbstractItemModel::rowsInserted, this, yenile);
    connect(kaynak, &QAbstractItemModel::rowsRemoved, this, yenile);
    connect(kaynak, &QAbstractItemModel::dataChanged, this, yenile);
}

void TGrupModeli::SetGrupSutunu(int sutun, const QString& baslik) {
    m_grupSutunu = sutun;
    m_grupBasligi = baslik;
    m_acikDurumlar.clear();
    Yenile();
}

void TGrupModeli::SetOzetHesabi(TOzetHesabi hesap) {
    m_ozetHesabi = std::move(hesap);
    Yenile();
}

void TGrupModeli::GruplariAc(bool acik) {
    if (!Gruplu())
        return;
    beginResetModel();
    for (TGrup& grup : m_gruplar) {
        grup.acik = acik;
        m_acikDurumlar.insert(grup.anahtar, acik);
    }
    SatirlariDiz();
    endResetModel();
}

void TGrupModeli::GrupDegistir(int satir) {
    if (Tur(satir) != TSatirTuru::GrupBasligi)
        return;
    beginResetModel();
    TGrup& grup = m_gruplar[m_yerler[satir].grup];
    grup.acik = !grup.acik;
    m_acikDurumlar.insert(grup.anahtar, grup.acik);
    SatirlariDiz();
    endResetModel();
}

void TGrupModeli::Yenile() {
    beginResetModel();
    GruplariKur();
    SatirlariDiz();
    endResetModel();
}

int TGrupModeli::KayitOf(int suzgecSatiri) const {
    return m_kaynak->mapToSource(m_kaynak->index(suzgecSatiri, 0)).row();
}

void TGrupModeli::GruplariKur() {
    m_gruplar.clear();
    if (!Gruplu())
        return;
    std::map<QString, size_t> bulunan;
    const int satirSayisi = m_kaynak->rowCount();
    for (int satir = 0; satir < satirSayisi; ++satir) {
        const QModelIndex indeks = m_kaynak->index(satir, m_grupSutunu);
        const QVariant deger = indeks.data(DegerRolu);
        const QString anahtar = BosMu(deger) ? indeks.data(Qt::DisplayRole).toString() : AnahtarYazisi(deger);
        auto [yer, yeni] = bulunan.try_emplace(anahtar, m_gruplar.size());
        if (yeni) {
            TGrup grup;
            grup.deger = BosMu(deger) ? indeks.data(Qt::DisplayRole) : deger;
            grup.anahtar = anahtar;
            grup.yazi = m_grupBasligi + QStringLiteral(" : ") + indeks.data(Qt::DisplayRole).toString();
            grup.acik = m_acikDurumlar.value(anahtar, true);
            m_gruplar.push_back(std::move(grup));
        }
        TGrup& grup = m_gruplar[yer->second];
        grup.satirlar.push_back(satir);
        grup.kayitlar.push_back(KayitOf(satir));
    }
    std::stable_sort(m_gruplar.begin(), m_gruplar.end(),
                     [](const TGrup& a, const TGrup& b) { return DegerKucuk(a.deger, b.deger); });
    if (m_ozetHesabi)
        for (TGrup& grup : m_gruplar)
            grup.ozetler = m_ozetHesabi(grup.kayitlar);
}

void TGrupModeli::SatirlariDiz() {
    m_yerler.clear();
    m_kayittanSatira.clear();
    if (!Gruplu())
        return;
    m_kayittanSatira.assign(m_kaynak->sourceModel() ? m_kaynak->sourceModel()->rowCount() : 0, -1);
    for (int g = 0; g < int(m_gruplar.size()); ++g) {
        const TGrup& grup = m_gruplar[g];
        m_yerler.push_back({TSatirTuru::GrupBasligi, g, -1});
        if (grup.acik) {
            for (size_t i = 0; i < grup.satirlar.size(); ++i) {
                const int kayit = grup.kayitlar[i];
                if (kayit >= 0 && kayit < int(m_kayittanSatira.size()))
                    m_kayittanSatira[kayit] = static_cast<int>(m_yerler.size());
                m_yerler.push_back({TSatirTuru::Veri, g, grup.satirlar[i]});
            }
        }
        if (m_ozetHesabi)
            m_yerler.push_back({TSatirTuru::GrupAltligi, g, -1});
    }
}

TSatirTuru TGrupModeli::Tur(int satir) const {
    if (!Gruplu() || satir < 0 || satir >= int(m_yerler.size()))
        return TSatirTuru::Veri;
    return m_yerler[satir].tur;
}

int TGrupModeli::SuzgecSatiri(int satir) const {
    if (satir < 0 || satir >= rowCount())
        return -1;
    return Gruplu() ? m_yerler[satir].suzgecSatiri : satir;
}

int TGrupModeli::Kayit(int satir) const {
    const int suzgecSatiri = SuzgecSatiri(satir);
    return suzgecSatiri < 0 ? -1 : KayitOf(suzgecSatiri);
}

int TGrupModeli::SatirBul(int kayit) const {
    if (kayit < 0)
        return -1;
    if (Gruplu())
        return kayit < int(m_kayittanSatira.size()) ? m_kayittanSatira[kayit] : -1;
    const QAbstractItemModel* kaynak = m_kaynak->sourceModel();
    if (!kaynak || kayit >= kaynak->rowCount())
        return -1;
    return m_kaynak->mapFromSource(kaynak->index(kayit, 0)).row();
}

int TGrupModeli::BaslikSatiri(int kayit) const {
    if (!Gruplu() || kayit < 0)
        return -1;
    for (int satir = 0; satir < int(m_yerler.size()); ++satir) {
        if (m_yerler[satir].tur != TSatirTuru::GrupBasligi)
            continue;
        const std::vector<int>& kayitlar = m_gruplar[m_yerler[satir].grup].kayitlar;
        if (std::find(kayitlar.begin(), kayitlar.end(), kayit) != kayitlar.end())
            return satir;
    }
    return -1;
}

int TGrupModeli::rowCount(const QModelIndex& ust) const {
    if (ust.isValid())
        return 0;
    return Gruplu() ? static_cast<int>(m_yerler.size()) : m_kaynak->rowCount();
}

int TGrupModeli::columnCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : m_kaynak->columnCount();
}

QVariant TGrupModeli::data(const QModelIndex& indeks, int rol) const {
    if (!indeks.isValid())
        return {};
    const TSatirTuru tur = Tur(indeks.row());
    if (rol == SatirTuruRolu)
        return static_cast<int>(tur);
    if (tur == TSatirTuru::Veri) {
        const int suzgecSatiri = SuzgecSatiri(indeks.row());
        return m_kaynak->index(suzgecSatiri, indeks.column()).data(rol);
    }
    const TGrup& grup = m_gruplar[m_yerler[indeks.row()].grup];
    if (tur == TSatirTuru::GrupBasligi) {
        if (rol == Qt::DisplayRole)
            return grup.yazi;
        if (rol == GrupAcikRolu)
            return grup.acik;
        return {};
    }
    if (rol == Qt::DisplayRole)
        return indeks.column() < int(grup.ozetler.size()) ? grup.ozetler[indeks.column()] : QString();
    if (rol == Qt::TextAlignmentRole)
        return m_kaynak->headerData(indeks.column(), Qt::Horizontal, rol);
    return {};
}

QVariant TGrupModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (yon == Qt::Vertical)
        return {};
    return m_kaynak->headerData(bolum, yon, rol);
}

Qt::ItemFlags TGrupModeli::flags(const QModelIndex& indeks) const {
    if (!indeks.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TGrupModeli::sort(int sutun, Qt::SortOrder sira) {
    m_kaynak->sort(sutun, sira);
}

} // namespace grid
