#include "platform/grid/izgara.h"

#include "platform/datasnap/datasource.h"
#include "platform/grid/excel.h"
#include "platform/grid/izgaraparcalari.h"
#include "platform/grid/modeller.h"
#include "platform/grid/oranlama.h"
#include "platform/grid/ozet.h"

#include <QAbstractButton>
#include <QMenu>
#include <QResizeEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace grid {

namespace {
constexpr int kVarsayilanGenislik = 100;
} // namespace

TVeriIzgarasi::TVeriIzgarasi(QWidget* sahip)
    : QWidget(sahip)
    , m_sutunModeli(std::make_unique<TSutunModeli>(m_sutunlar))
    , m_suzgecModeli(std::make_unique<TSuzgecModeli>())
    , m_grupModeli(std::make_unique<TGrupModeli>(m_suzgecModeli.get())) {
    m_suzgecModeli->setSourceModel(m_sutunModeli.get());

    m_tablo = new TTablo(this);
    auto* baslik = new TBaslik(this);
    m_tablo->setHorizontalHeader(baslik);
    auto* gosterge = new TGosterge(this);
    m_tablo->setVerticalHeader(gosterge);
    m_tablo->setItemDelegate(new THucreBoyayici(this));
    m_tablo->setModel(m_suzgecModeli.get());
    m_altBilgi = new TAltBilgi(this, m_tablo);
    m_altBilgi->hide();
    m_yatayCubuk = new QScrollBar(Qt::Horizontal, this);
    m_yatayCubuk->setObjectName(QStringLiteral("yatayCubuk"));
    m_yatayCubuk->hide();

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(m_tablo, 1);
    duzen->addWidget(m_altBilgi);
    duzen->addWidget(m_yatayCubuk);

    // The table's own horizontal bar stays hidden so that the footer sits right under the
    // rows; this bar below the footer stands in for it.
    QScrollBar* icCubuk = m_tablo->horizontalScrollBar();
    connect(icCubuk, &QScrollBar::rangeChanged, m_yatayCubuk, [this, icCubuk](int enAz, int enCok) {
        m_yatayCubuk->setRange(enAz, enCok);
        m_yatayCubuk->setPageStep(icCubuk->pageStep());
        m_yatayCubuk->setSingleStep(icCubuk->singleStep());
        m_yatayCubuk->setVisible(enCok > enAz);
    });
    connect(icCubuk, &QScrollBar::valueChanged, m_yatayCubuk, &QScrollBar::setValue);
    connect(m_yatayCubuk, &QScrollBar::valueChanged, icCubuk, &QScrollBar::setValue);
    connect(icCubuk, &QScrollBar::valueChanged, m_altBilgi, qOverload<>(&QWidget::update));

    connect(baslik, &TBaslik::SuzgecIstendi, this,
            [this](int sutun) { SuzgecPenceresiniAc(m_sutunlar.at(sutun).alan); });
    connect(baslik, &QHeaderView::sectionResized, m_altBilgi, qOverload<>(&QWidget::update));
    connect(baslik, &QHeaderView::sectionResized, this, [this](int sutun, int, int yeni) {
        if (m_sigdiriliyor || !m_genisligeSigdir || sutun >= SutunSayisi())
            return;
        // A width set by code or by the user becomes the column's share in the fitted layout.
        m_temelGenislikler.resize(SutunSayisi(), 0);
        m_temelGenislikler[sutun] = yeni;
        if (!m_tablo->horizontalHeader()->isSectionHidden(sutun) && m_guncelleme == 0)
            GenisligeSigdirGerekirse();
    });
    connect(baslik, &QHeaderView::sectionMoved, m_altBilgi, qOverload<>(&QWidget::update));
    connect(baslik, &QHeaderView::geometriesChanged, m_altBilgi, qOverload<>(&QWidget::update));
    ModelBaglantilariniKur();

    SetSatirYuksekligi(24);
    SetBaslikYuksekligi(28);
    SetGostergeGenisligi(12);
    SetRenkler(m_renkler);
    SetSiralanabilir(true);
}

TVeriIzgarasi::~TVeriIzgarasi() {
    // The views go before the models they show.
    delete m_altBilgi;
    delete m_tablo;
}

// ---------------------------------------------------------------------------------------------
// Columns

void TVeriIzgarasi::SetSutunlar(std::vector<TSutun> sutunlar) {
    GuncellemeBaslat();
    m_temelGenislikler.clear();
    m_suzgecModeli->SuzgecleriTemizle();
    GruplamayiKaldir();
    m_sutunModeli->SutunlariDegistir([&] { m_sutunlar = std::move(sutunlar); });
    UygulaSutunlari();
    GuncellemeBitir();
    GenisligeSigdirGerekirse();
}

void TVeriIzgarasi::UygulaSutunlari() {
    for (int i = 0; i < SutunSayisi(); ++i) {
        const TSutun& s = m_sutunlar[i];
        m_tablo->setColumnHidden(i, false);
        SutunGenisligiUygula(i, s.genislik > 0 ? s.genislik : kVarsayilanGenislik);
        m_tablo->setColumnHidden(i, !s.gorunur);
    }
    KapsamlariKur();
    m_altBilgi->update();
}

int TVeriIzgarasi::SutunIndeksi(QStringView alan) const {
    for (int i = 0; i < SutunSayisi(); ++i)
        if (m_sutunlar[i].alan.compare(alan, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const TSutun* TVeriIzgarasi::Sutun(QStringView alan) const {
    const int i = SutunIndeksi(alan);
    return i < 0 ? nullptr : &m_sutunlar[i];
}

QStringList TVeriIzgarasi::GorunurSutunlar() const {
    QStringList alanlar;
    const QHeaderView* baslik = m_tablo->horizontalHeader();
    for (int gorsel = 0; gorsel < baslik->count(); ++gorsel) {
        const int sutun = baslik->logicalIndex(gorsel);
        if (!m_tablo->isColumnHidden(sutun))
            alanlar << m_sutunlar[sutun].alan;
    }
    return alanlar;
}

void TVeriIzgarasi::SetSutunGorunur(QStringView alan, bool gorunur) {
    const int i = SutunIndeksi(alan);
    if (i < 0)
        return;
    const bool degisti = m_sutunlar[i].gorunur != gorunur || m_tablo->isColumnHidden(i) == gorunur;
    m_sutunlar[i].gorunur = gorunur;
    m_tablo->setColumnHidden(i, !gorunur);
    if (!degisti)
        return;
    GenisligeSigdirGerekirse();
    KapsamlariKur();
    m_altBilgi->update();
    emit SutunGorunurluguDegisti(m_sutunlar[i].alan, gorunur);
}

bool TVeriIzgarasi::SutunGorunur(QStringView alan) const {
    const int i = SutunIndeksi(alan);
    return i >= 0 && !m_tablo->isColumnHidden(i);
}

void TVeriIzgarasi::SetSutunSecicide(QStringView alan, bool secicide) {
    const int i = SutunIndeksi(alan);
    if (i >= 0)
        m_sutunlar[i].secicide = secicide;
}

bool TVeriIzgarasi::SutunSecicide(QStringView alan) const {
    const TSutun* s = Sutun(alan);
    return s && s->secicide;
}

void TVeriIzgarasi::SutunuAyarla(QStringView alan, bool gorunur, bool secicide) {
    SetSutunSecicide(alan, secicide);
    SetSutunGorunur(alan, gorunur);
}

void TVeriIzgarasi::SutunGenisligiUygula(int sutun, int genislik) {
    m_tablo->horizontalHeader()->resizeSection(sutun, qMax(genislik, m_sutunlar[sutun].enAzGenislik));
}

void TVeriIzgarasi::SetSutunGenisligi(QStringView alan, int genislik) {
    const int i = SutunIndeksi(alan);
    if (i >= 0)
        SutunGenisligiUygula(i, qMax(0, genislik));
}

int TVeriIzgarasi::SutunGenisligi(QStringView alan) const {
    const int i = SutunIndeksi(alan);
    return i < 0 ? 0 : m_tablo->horizontalHeader()->sectionSize(i);
}

void TVeriIzgarasi::SetSutunCizici(QStringView alan, THucreCizici ciz) {
    const int i = SutunIndeksi(alan);
    if (i < 0)
        return;
    m_sutunlar[i].ciz = std::move(ciz);
    m_tablo->viewport()->update();
}

void TVeriIzgarasi::SetSutunMetni(QStringView alan, TMetinVerici metin) {
    const int i = SutunIndeksi(alan);
    if (i < 0)
        return;
    m_sutunModeli->SutunlariDegistir([&] { m_sutunlar[i].metin = std::move(metin); });
}

// ---------------------------------------------------------------------------------------------
// Data

void TVeriIzgarasi::SetVeriKaynagi(datasnap::TDataSource* kaynak) {
    m_kaynak = kaynak;
    m_sutunModeli->SetKaynak(kaynak);
}

datasnap::TDataSource* TVeriIzgarasi::VeriKaynagi() const {
    return m_kaynak;
}

bool TVeriIzgarasi::Bagli() const {
    return m_sutunModeli->Veri() != nullptr;
}

datasnap::TClientDataSet* TVeriIzgarasi::Veri() const {
    return Bagli() ? m_kaynak->DataSet() : nullptr;
}

void TVeriIzgarasi::VeriKaynaginiAyir() {
    if (m_kaynak)
        m_kaynak->SetEnabled(false);
}

void TVeriIzgarasi::VeriKaynaginaBagla() {
    if (m_kaynak)
        m_kaynak->SetEnabled(true);
}

void TVeriIzgarasi::GuncellemeBaslat() {
    if (m_guncelleme++ > 0)
        return;
    m_tablo->setUpdatesEnabled(false);
    m_altBilgi->setUpdatesEnabled(false);
}

void TVeriIzgarasi::GuncellemeBitir() {
    if (m_guncelleme == 0 || --m_guncelleme > 0)
        return;
    m_tablo->setUpdatesEnabled(true);
    m_altBilgi->setUpdatesEnabled(true);
    m_tablo->viewport()->update();
    m_altBilgi->update();
}

int TVeriIzgarasi::SatirSayisi() const {
    return Bagli() ? m_suzgecModeli->rowCount() : 0;
}

std::vector<int> TVeriIzgarasi::GorunenKayitlar() const {
    std::vector<int> kayitlar;
    if (!Bagli())
        return kayitlar;
    if (m_grupModeli->GrupSutunu() >= 0) {
        for (const TGrup& grup : m_grupModeli->Gruplar())
            kayitlar.insert(kayitlar.end(), grup.kayitlar.begin(), grup.kayitlar.end());
        return kayitlar;
    }
    const int satirSayisi = m_suzgecModeli->rowCount();
    kayitlar.reserve(satirSayisi);
    for (int satir = 0; satir < satirSayisi; ++satir)
        kayitlar.push_back(m_suzgecModeli->mapToSource(m_suzgecModeli->index(satir, 0)).row());
    return kayitlar;
}

void TVeriIzgarasi::Yenile() {
    // The data set behind the source may have been swapped; follow its cursor.
    datasnap::TClientDataSet* veri = m_kaynak ? m_kaynak->DataSet() : nullptr;
    if (veri != m_izlenenVeri) {
        disconnect(m_imlecBaglantisi);
        m_izlenenVeri = veri;
        if (veri)
            m_imlecBaglantisi =
                connect(veri, &datasnap::TClientDataSet::cursorMoved, this, &TVeriIzgarasi::VeriImleciKaydi);
    }
    KapsamlariKur();
    OzetleriHesapla();
    OdagiVeriyeUydur();
    m_altBilgi->update();
}

// ---------------------------------------------------------------------------------------------
// Focus

namespace {

int OdakSutunu(const QTableView* tablo) {
    const QModelIndex simdiki = tablo->currentIndex();
    if (simdiki.isValid() && !tablo->isColumnHidden(simdiki.column()))
        return simdiki.column();
    const QHeaderView* baslik = tablo->horizontalHeader();
    for (int gorsel = 0; gorsel < baslik->count(); ++gorsel)
        if (!tablo->isColumnHidden(baslik->logicalIndex(gorsel)))
            return baslik->logicalIndex(gorsel);
    return 0;
}

} // namespace

int TVeriIzgarasi::Kayit(const QModelIndex& indeks) const {
    return indeks.isValid() ? m_grupModeli->Kayit(indeks.row()) : -1;
}

int TVeriIzgarasi::OdakliKayit() const {
    return Bagli() ? Kayit(m_tablo->currentIndex()) : -1;
}

QString TVeriIzgarasi::OdakliSutun() const {
    const QModelIndex simdiki = m_tablo->currentIndex();
    return simdiki.isValid() ? m_sutunlar.at(simdiki.column()).alan : QString();
}

bool TVeriIzgarasi::KaydaOdaklan(int kayit) {
    const int satir = Bagli() ? m_grupModeli->SatirBul(kayit) : -1;
    if (satir < 0)
        return false;
    const QModelIndex indeks = m_tablo->model()->index(satir, OdakSutunu(m_tablo));
    m_tablo->setCurrentIndex(indeks);
    m_tablo->scrollTo(indeks);
    return true;
}

void TVeriIzgarasi::GorunumOdagiDegisti(const QModelIndex& simdiki) {
    const int kayit = Bagli() ? Kayit(simdiki) : -1;
    datasnap::TClientDataSet* veri = Veri();
    if (kayit >= 0 && veri && veri->RecNo() != kayit && !m_odakEsleniyor) {
        m_odakEsleniyor = true;
        veri->MoveTo(kayit);
        m_odakEsleniyor = false;
    }
    if (kayit != m_odakliKayit) {
        m_odakliKayit = kayit;
        emit OdakDegisti(kayit);
    }
}

void TVeriIzgarasi::VeriImleciKaydi(int kayit) {
    if (m_odakEsleniyor || !Bagli())
        return;
    const int satir = m_grupModeli->SatirBul(kayit);
    if (satir < 0 || satir == m_tablo->currentIndex().row())
        return;
    m_odakEsleniyor = true;
    m_tablo->setCurrentIndex(m_tablo->model()->index(satir, OdakSutunu(m_tablo)));
    m_tablo->scrollTo(m_tablo->currentIndex());
    m_odakEsleniyor = false;
}

void TVeriIzgarasi::OdagiVeriyeUydur() {
    const datasnap::TClientDataSet* veri = Veri();
    const int satirSayisi = m_tablo->model()->rowCount();
    if (!veri || satirSayisi == 0) {
        GorunumOdagiDegisti({});
        return;
    }
    const int sutun = OdakSutunu(m_tablo);
    int satir = m_grupModeli->SatirBul(veri->RecNo());
    if (satir < 0 && m_grupModeli->GrupSutunu() >= 0) {
        // The cursor's record is in a closed group: its header takes the focus, the cursor stays.
        satir = m_grupModeli->BaslikSatiri(veri->RecNo());
        m_odakEsleniyor = true;
        m_tablo->setCurrentIndex(satir < 0 ? QModelIndex() : m_tablo->model()->index(satir, sutun));
        m_odakEsleniyor = false;
        GorunumOdagiDegisti(m_tablo->currentIndex());
        return;
    }
    if (satir < 0) {
        // The cursor's record is filtered out: the first row shown takes the focus.
        for (int r = 0; r < satirSayisi && satir < 0; ++r)
            if (m_grupModeli->Tur(r) == TSatirTuru::Veri)
                satir = r;
    }
    m_tablo->setCurrentIndex(satir < 0 ? QModelIndex() : m_tablo->model()->index(satir, sutun));
    GorunumOdagiDegisti(m_tablo->currentIndex());
}

// ---------------------------------------------------------------------------------------------
// Look and behaviour

void TVeriIzgarasi::SetSatirSecimi(bool tumSatir) {
    m_tablo->setSelectionBehavior(tumSatir ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    m_tablo->viewport()->update();
}

void TVeriIzgarasi::SetSatirYuksekligi(int piksel) {
    QHeaderView* gosterge = m_tablo->verticalHeader();
    gosterge->setMinimumSectionSize(qMin(qMax(1, piksel), gosterge->minimumSectionSize()));
    gosterge->setDefaultSectionSize(qMax(1, piksel));
}

int TVeriIzgarasi::SatirYuksekligi() const {
    return m_tablo->verticalHeader()->defaultSectionSize();
}

void TVeriIzgarasi::SetBaslikYuksekligi(int piksel) {
    m_tablo->horizontalHeader()->setFixedHeight(qMax(0, piksel));
}

int TVeriIzgarasi::BaslikYuksekligi() const {
    return m_tablo->horizontalHeader()->height();
}

void TVeriIzgarasi::SetBaslikGorunur(bool gorunur) {
    m_tablo->horizontalHeader()->setVisible(gorunur);
}

void TVeriIzgarasi::SetGostergeGenisligi(int piksel) {
    QHeaderView* gosterge = m_tablo->verticalHeader();
    gosterge->setVisible(piksel > 0);
    if (piksel > 0)
        gosterge->setFixedWidth(piksel);
}

void TVeriIzgarasi::SetRenkler(const TRenkler& renkler) {
    m_renkler = renkler;
    QPalette palet = m_tablo->palette();
    palet.setColor(QPalette::Base, renkler.ciftSatir);
    palet.setColor(QPalette::Text, renkler.yazi);
    palet.setColor(QPalette::Highlight, renkler.secili);
    palet.setColor(QPalette::HighlightedText, renkler.seciliYazi);
    m_tablo->setPalette(palet);
    // The header strip beyond the last column and the corner above the indicator take the
    // header's colour.
    for (QWidget* parca : {static_cast<QWidget*>(m_tablo->horizontalHeader()),
                           static_cast<QWidget*>(m_tablo->findChild<QAbstractButton*>())}) {
        if (!parca)
            continue;
        QPalette baslikPaleti = parca->palette();
        for (const QPalette::ColorRole rol : {QPalette::Window, QPalette::Base, QPalette::Button})
            baslikPaleti.setColor(rol, renkler.baslik);
        parca->setPalette(baslikPaleti);
    }
    m_tablo->horizontalHeader()->viewport()->setAutoFillBackground(true);
    m_tablo->viewport()->update();
    m_tablo->horizontalHeader()->viewport()->update();
    m_tablo->verticalHeader()->viewport()->update();
    m_altBilgi->update();
}

void TVeriIzgarasi::SetYaziTipi(const QFont& yaziTipi) {
    const bool baslikKendi = m_tablo->horizontalHeader()->testAttribute(Qt::WA_SetFont);
    const QFont baslikYazisi = m_tablo->horizontalHeader()->font();
    m_tablo->setFont(yaziTipi);
    m_altBilgi->setFont(yaziTipi);
    if (baslikKendi)
        m_tablo->horizontalHeader()->setFont(baslikYazisi);
    m_altBilgi->updateGeometry();
}

void TVeriIzgarasi::SetBaslikYaziTipi(const QFont& yaziTipi) {
    m_tablo->horizontalHeader()->setFont(yaziTipi);
}

void TVeriIzgarasi::SetIzgaraCizgileri(bool goster) {
    m_cizgiler = goster;
    m_tablo->viewport()->update();
}

void TVeriIzgarasi::SetPikselKaydirma(bool piksel) {
    m_tablo->setVerticalScrollMode(piksel ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem);
}

void TVeriIzgarasi::SetSutunBoyutlanabilir(bool boyutlanabilir) {
    m_tablo->horizontalHeader()->setSectionResizeMode(boyutlanabilir ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void TVeriIzgarasi::SetGenisligeSigdir(bool acik) {
    m_genisligeSigdir = acik;
    GenisligeSigdirGerekirse();
}

void TVeriIzgarasi::GenisligeSigdirGerekirse() {
    if (!m_genisligeSigdir || m_sigdiriliyor)
        return;
    const QHeaderView* baslik = m_tablo->horizontalHeader();
    m_temelGenislikler.resize(SutunSayisi(), 0);
    std::vector<int> gorunenler;
    long long toplam = 0;
    for (int gorsel = 0; gorsel < baslik->count(); ++gorsel) {
        const int sutun = baslik->logicalIndex(gorsel);
        if (m_tablo->isColumnHidden(sutun))
            continue;
        if (m_temelGenislikler[sutun] <= 0)
            m_temelGenislikler[sutun] = qMax(1, baslik->sectionSize(sutun));
        gorunenler.push_back(sutun);
        toplam += m_temelGenislikler[sutun];
    }
    const int genislik = m_tablo->viewport()->width();
    if (gorunenler.empty() || toplam <= 0 || genislik <= 0)
        return;
    // Each column its share of the width; what rounding leaves goes to the last one.
    m_sigdiriliyor = true;
    int kalan = genislik;
    for (size_t i = 0; i < gorunenler.size(); ++i) {
        const int sutun = gorunenler[i];
        const int pay =
            i + 1 == gorunenler.size() ? kalan : static_cast<int>(m_temelGenislikler[sutun] * genislik / toplam);
        m_tablo->horizontalHeader()->resizeSection(sutun, qMax(pay, m_sutunlar[sutun].enAzGenislik));
        kalan -= pay;
    }
    m_sigdiriliyor = false;
}

void TVeriIzgarasi::SetSiralanabilir(bool siralanabilir) {
    QHeaderView* baslik = m_tablo->horizontalHeader();
    if (siralanabilir) {
        // Starts in the data set's own order; a header click sorts.
        baslik->setSortIndicator(-1, Qt::AscendingOrder);
        m_tablo->setSortingEnabled(true);
    } else {
        m_tablo->setSortingEnabled(false);
        baslik->setSortIndicatorShown(false);
        m_suzgecModeli->sort(-1);
    }
}

void TVeriIzgarasi::SetArtimliArama(bool acik) {
    m_artimliArama = acik;
}

void TVeriIzgarasi::SetSuzgecDugmeleri(bool goster) {
    m_suzgecDugmeleri = goster;
    m_tablo->horizontalHeader()->viewport()->update();
}

bool TVeriIzgarasi::SuzgecDugmesiVar(int sutun) const {
    return m_suzgecDugmeleri && sutun >= 0 && sutun < SutunSayisi() && m_sutunlar[sutun].suzgec &&
           m_sutunlar[sutun].tur != TSutunTuru::Resim;
}

void TVeriIzgarasi::SetSutunSecici(bool acik) {
    m_sutunSecici = acik;
}

void TVeriIzgarasi::SetAcilirMenu(QMenu* menu) {
    m_acilirMenu = menu;
}

QTableView* TVeriIzgarasi::Tablo() const {
    return m_tablo;
}

QColor TVeriIzgarasi::SatirZemini(int satir, bool secili) const {
    if (secili)
        return m_renkler.secili;
    return satir % 2 == 0 ? m_renkler.ciftSatir : m_renkler.tekSatir;
}

THucre TVeriIzgarasi::Hucre(const QModelIndex& indeks) const {
    THucre hucre = m_sutunModeli->Hucre(Kayit(indeks), indeks.column());
    hucre.satir = indeks.row();
    return hucre;
}

void TVeriIzgarasi::resizeEvent(QResizeEvent* olay) {
    QWidget::resizeEvent(olay);
    emit Boyutlandi();
}

// ---------------------------------------------------------------------------------------------
// Header filters

QList<TSuzgecDegeri> TVeriIzgarasi::SuzgecDegerleri(QStringView alan) const {
    const int sutun = SutunIndeksi(alan);
    if (sutun < 0 || !Bagli())
        return {};
    struct TAday {
        QVariant deger;
        TSuzgecDegeri oge;
    };
    QHash<QString, int> gorulen;
    std::vector<TAday> adaylar;
    const int kayitSayisi = m_sutunModeli->rowCount();
    for (int kayit = 0; kayit < kayitSayisi; ++kayit) {
        if (!m_suzgecModeli->SatirGeciyor(kayit, sutun))
            continue;
        const QModelIndex indeks = m_sutunModeli->index(kayit, sutun);
        const QString anahtar = indeks.data(SuzgecAnahtariRolu).toString();
        if (gorulen.contains(anahtar))
            continue;
        gorulen.insert(anahtar, int(adaylar.size()));
        QVariant deger = indeks.data(DegerRolu);
        if (!deger.isValid())
            deger = anahtar;
        adaylar.push_back({deger, {anahtar, indeks.data(SuzgecEtiketiRolu).toString()}});
    }
    std::stable_sort(adaylar.begin(), adaylar.end(),
                     [](const TAday& a, const TAday& b) { return DegerKucuk(a.deger, b.deger); });
    QList<TSuzgecDegeri> degerler;
    degerler.reserve(int(adaylar.size()));
    for (const TAday& aday : adaylar)
        degerler << aday.oge;
    return degerler;
}

void TVeriIzgarasi::SuzgecSutunu(int sutun, const QSet<QString>& anahtarlar) {
    if (sutun < 0 || sutun >= SutunSayisi() || m_suzgecModeli->Suzgec(sutun) == anahtarlar)
        return;
    m_suzgecModeli->SetSuzgec(sutun, anahtarlar);
    m_tablo->horizontalHeader()->viewport()->update();
    emit SuzgecDegisti();
}

void TVeriIzgarasi::SetSuzgec(QStringView alan, const QStringList& anahtarlar) {
    SuzgecSutunu(SutunIndeksi(alan), QSet<QString>(anahtarlar.begin(), anahtarlar.end()));
}

QStringList TVeriIzgarasi::Suzgec(QStringView alan) const {
    const int sutun = SutunIndeksi(alan);
    if (sutun < 0)
        return {};
    const QSet<QString> anahtarlar = m_suzgecModeli->Suzgec(sutun);
    QStringList liste(anahtarlar.begin(), anahtarlar.end());
    liste.sort();
    return liste;
}

void TVeriIzgarasi::SuzgecleriTemizle() {
    if (!m_suzgecModeli->SuzgecVar())
        return;
    m_suzgecModeli->SuzgecleriTemizle();
    m_tablo->horizontalHeader()->viewport()->update();
    emit SuzgecDegisti();
}

bool TVeriIzgarasi::SuzgecVar() const {
    return m_suzgecModeli->SuzgecVar();
}

void TVeriIzgarasi::SuzgecPenceresiniAc(QStringView alan) {
    const int sutun = SutunIndeksi(alan);
    if (sutun < 0)
        return;
    if (!m_suzgecPenceresi) {
        m_suzgecPenceresi = new TSuzgecPenceresi(this);
        connect(m_suzgecPenceresi, &TSuzgecPenceresi::Degisti, this, &TVeriIzgarasi::SuzgecSutunu);
    }
    const auto* baslik = static_cast<const TBaslik*>(m_tablo->horizontalHeader());
    const QRect bolum = baslik->BolumAlani(sutun);
    const QRect ekranda(baslik->viewport()->mapToGlobal(bolum.topLeft()), bolum.size());
    m_suzgecPenceresi->Ac(sutun, SuzgecDegerleri(alan), m_suzgecModeli->Suzgec(sutun), ekranda);
}

// ---------------------------------------------------------------------------------------------
// Column chooser

QMenu* TVeriIzgarasi::SutunSecimMenusu() {
    if (!m_seciciMenusu) {
        m_seciciMenusu = new QMenu(this);
        m_seciciMenusu->setObjectName(QStringLiteral("sutunSecici"));
    }
    m_seciciMenusu->clear();
    for (const TSutun& s : m_sutunlar) {
        if (!s.secicide)
            continue;
        QAction* eylem = m_seciciMenusu->addAction(s.Baslik());
        eylem->setCheckable(true);
        eylem->setChecked(SutunGorunur(s.alan));
        eylem->setData(s.alan);
        const QString alan = s.alan;
        connect(eylem, &QAction::toggled, this, [this, alan](bool acik) { SetSutunGorunur(alan, acik); });
    }
    return m_seciciMenusu;
}

void TVeriIzgarasi::SutunSeciciyiGoster(const QPoint& ekranNoktasi) {
    SutunSecimMenusu()->popup(ekranNoktasi);
}

// ---------------------------------------------------------------------------------------------
// Footers and groups

void TVeriIzgarasi::SetAltOzetler(const QList<TOzet>& ozetler) {
    m_altOzetler = ozetler;
    OzetleriHesapla();
    m_altBilgi->update();
}

void TVeriIzgarasi::SetAltBilgiGorunur(bool gorunur) {
    m_altBilgi->setVisible(gorunur);
}

bool TVeriIzgarasi::AltBilgiGorunur() const {
    return !m_altBilgi->isHidden();
}

void TVeriIzgarasi::OzetleriHesapla() {
    m_ozetlerGecerli = false;
    m_altBilgi->update();
}

void TVeriIzgarasi::OzetleriGuncelle() const {
    if (m_ozetlerGecerli)
        return;
    m_ozetlerGecerli = true;
    m_altYazilar.assign(m_altOzetler.size(), QString());
    m_altDegerler.assign(m_altOzetler.size(), 0.0);
    const datasnap::TClientDataSet* veri = Veri();
    if (!veri || m_altOzetler.isEmpty())
        return;
    const std::vector<int> kayitlar = GorunenKayitlar();
    for (int i = 0; i < m_altOzetler.size(); ++i) {
        m_altDegerler[i] = OzetDegeri(m_altOzetler[i], *veri, kayitlar);
        m_altYazilar[i] = OzetYazisi(m_altOzetler[i], *veri, kayitlar);
    }
}

QString TVeriIzgarasi::AltOzetYazisi(int i) const {
    OzetleriGuncelle();
    return i >= 0 && i < int(m_altYazilar.size()) ? m_altYazilar[i] : QString();
}

double TVeriIzgarasi::AltOzetDegeri(int i) const {
    OzetleriGuncelle();
    return i >= 0 && i < int(m_altDegerler.size()) ? m_altDegerler[i] : 0.0;
}

QList<QPair<int, QString>> TVeriIzgarasi::AltBilgiYazilari() const {
    QList<QPair<int, QString>> yazilar;
    if (!Bagli())
        return yazilar;
    for (int i = 0; i < m_altOzetler.size(); ++i) {
        const int sutun = SutunIndeksi(m_altOzetler[i].Sutun());
        if (sutun >= 0 && !m_tablo->isColumnHidden(sutun))
            yazilar.append({sutun, AltOzetYazisi(i)});
    }
    return yazilar;
}

std::vector<QString> TVeriIzgarasi::GrupOzetleriHesapla(const std::vector<int>& kayitlar) const {
    std::vector<QString> yazilar(m_sutunlar.size());
    const datasnap::TClientDataSet* veri = m_sutunModeli->Veri();
    if (!veri)
        return yazilar;
    for (const TOzet& ozet : m_grupOzetleri) {
        const int sutun = SutunIndeksi(ozet.Sutun());
        if (sutun < 0)
            continue;
        QString& yazi = yazilar[sutun];
        yazi += (yazi.isEmpty() ? QString() : QStringLiteral("  ")) + OzetYazisi(ozet, *veri, kayitlar);
    }
    return yazilar;
}

void TVeriIzgarasi::Gruplandir(QStringView alan) {
    const int sutun = SutunIndeksi(alan);
    if (sutun < 0)
        return;
    m_grupAlani = m_sutunlar[sutun].alan;
    SetSutunGorunur(m_grupAlani, false);
    m_grupModeli->SetGrupSutunu(sutun, m_sutunlar[sutun].Baslik());
    GorunumModeliniKur(m_grupModeli.get());
}

void TVeriIzgarasi::GruplamayiKaldir() {
    m_grupAlani.clear();
    m_grupModeli->SetGrupSutunu(-1, {});
    GorunumModeliniKur(m_suzgecModeli.get());
}

void TVeriIzgarasi::ModelBaglantilariniKur() {
    // Made after the view's own connections, so that the view has taken a change (a reset
    // clears its focus) before the grid puts the focus back on the cursor's record.
    for (const QMetaObject::Connection& baglanti : m_modelBaglantilari)
        disconnect(baglanti);
    m_modelBaglantilari.clear();
    // Without groups the view shows the filter layer itself, which keeps the focus and the
    // selection through sorting and filtering; with groups it shows the group layer.
    m_modelBaglantilari << connect(m_grupModeli.get(), &QAbstractItemModel::modelReset, this, [this] {
        if (m_tablo->model() == m_grupModeli.get())
            Yenile();
    });
    const auto suzgecDegisti = [this] {
        if (m_tablo->model() == m_suzgecModeli.get())
            Yenile();
    };
    TSuzgecModeli* suzgec = m_suzgecModeli.get();
    m_modelBaglantilari << connect(suzgec, &QAbstractItemModel::modelReset, this, suzgecDegisti);
    m_modelBaglantilari << connect(suzgec, &QAbstractItemModel::layoutChanged, this, suzgecDegisti);
    m_modelBaglantilari << connect(suzgec, &QAbstractItemModel::rowsInserted, this, suzgecDegisti);
    m_modelBaglantilari << connect(suzgec, &QAbstractItemModel::rowsRemoved, this, suzgecDegisti);
    m_modelBaglantilari << connect(suzgec, &QAbstractItemModel::dataChanged, this, &TVeriIzgarasi::OzetleriHesapla);
}

void TVeriIzgarasi::GorunumModeliniKur(QAbstractItemModel* model) {
    if (m_tablo->model() == model)
        return;
    // A new model starts the header anew: widths, hidden columns and the sort order go across.
    QHeaderView* baslik = m_tablo->horizontalHeader();
    std::vector<int> genislikler;
    for (int i = 0; i < SutunSayisi(); ++i)
        genislikler.push_back(baslik->sectionSize(i));
    const int siraSutunu = baslik->sortIndicatorSection();
    const Qt::SortOrder sira = baslik->sortIndicatorOrder();
    GuncellemeBaslat();
    m_tablo->setModel(model);
    ModelBaglantilariniKur();
    for (int i = 0; i < SutunSayisi(); ++i) {
        m_tablo->setColumnHidden(i, false);
        baslik->resizeSection(i, genislikler[i]);
        m_tablo->setColumnHidden(i, !m_sutunlar[i].gorunur);
    }
    baslik->setSortIndicator(siraSutunu, sira);
    GuncellemeBitir();
    Yenile();
}

QString TVeriIzgarasi::GrupAlani() const {
    return m_grupAlani;
}

void TVeriIzgarasi::SetGrupOzetleri(const QList<TOzet>& ozetler) {
    m_grupOzetleri = ozetler;
    if (ozetler.isEmpty())
        m_grupModeli->SetOzetHesabi({});
    else
        m_grupModeli->SetOzetHesabi([this](const std::vector<int>& kayitlar) { return GrupOzetleriHesapla(kayitlar); });
}

void TVeriIzgarasi::GruplariDaralt() {
    m_grupModeli->GruplariAc(false);
}

void TVeriIzgarasi::GruplariAc() {
    m_grupModeli->GruplariAc(true);
}

void TVeriIzgarasi::GrupDegistir(int satir) {
    m_grupModeli->GrupDegistir(satir);
}

int TVeriIzgarasi::GrupSayisi() const {
    return static_cast<int>(m_grupModeli->Gruplar().size());
}

bool TVeriIzgarasi::GrupAcik(int grup) const {
    return grup >= 0 && grup < GrupSayisi() && m_grupModeli->Gruplar()[grup].acik;
}

QString TVeriIzgarasi::GrupBasligi(int grup) const {
    return grup >= 0 && grup < GrupSayisi() ? m_grupModeli->Gruplar()[grup].yazi : QString();
}

QString TVeriIzgarasi::GrupOzetYazisi(int grup, int ozet) const {
    const datasnap::TClientDataSet* veri = Veri();
    if (!veri || grup < 0 || grup >= GrupSayisi() || ozet < 0 || ozet >= m_grupOzetleri.size())
        return {};
    return OzetYazisi(m_grupOzetleri[ozet], *veri, m_grupModeli->Gruplar()[grup].kayitlar);
}

void TVeriIzgarasi::KapsamlariKur() {
    m_tablo->clearSpans();
    if (m_grupModeli->GrupSutunu() < 0 || SutunSayisi() == 0)
        return;
    // A group header spans the row from its first visible column.
    const QHeaderView* baslik = m_tablo->horizontalHeader();
    int ilk = -1;
    for (int gorsel = 0; gorsel < baslik->count() && ilk < 0; ++gorsel)
        if (!m_tablo->isColumnHidden(baslik->logicalIndex(gorsel)))
            ilk = baslik->logicalIndex(gorsel);
    if (ilk < 0)
        return;
    const int genislik = SutunSayisi() - ilk;
    if (genislik < 2)
        return;
    for (int satir = 0; satir < m_tablo->model()->rowCount(); ++satir)
        if (m_grupModeli->Tur(satir) == TSatirTuru::GrupBasligi)
            m_tablo->setSpan(satir, ilk, 1, genislik);
}

// ---------------------------------------------------------------------------------------------
// Layout

bool TVeriIzgarasi::SutunlariOrantila(int genislik) {
    if (genislik < 0)
        genislik = width();
    std::vector<int> sutunlar;
    std::vector<int> agirliklar;
    for (int i = 0; i < SutunSayisi(); ++i) {
        if (m_tablo->isColumnHidden(i))
            continue;
        sutunlar.push_back(i);
        agirliklar.push_back(qMax(0, m_sutunlar[i].agirlik));
    }
    const std::vector<int> genislikler = OrantiliGenislikler(agirliklar, genislik);
    if (genislikler.empty())
        return false;
    GuncellemeBaslat();
    for (size_t k = 0; k < sutunlar.size(); ++k)
        SutunGenisligiUygula(sutunlar[k], genislikler[k]);
    GuncellemeBitir();
    return true;
}

namespace {

// Measures the widest of many texts with few exact (shaped) measurements: every text is first
// estimated by the sum of its characters' advances, then the few widest estimates are measured.
class TYaziOlcucu {
public:
    explicit TYaziOlcucu(const QFont& yaziTipi)
        : m_olcu(yaziTipi) {}

    void Ekle(const QString& yazi) {
        if (yazi.isEmpty())
            return;
        int tahmin = 0;
        for (const QChar harf : yazi) {
            auto bulunan = m_harfler.constFind(harf.unicode());
            if (bulunan == m_harfler.constEnd())
                bulunan = m_harfler.insert(harf.unicode(), m_olcu.horizontalAdvance(harf));
            tahmin += *bulunan;
        }
        m_adaylar.push_back({tahmin, yazi});
    }

    int EnGenis() {
        constexpr size_t kOlculen = 4;
        const size_t sayi = std::min(kOlculen, m_adaylar.size());
        std::partial_sort(m_adaylar.begin(), m_adaylar.begin() + sayi, m_adaylar.end(),
                          [](const TAday& a, const TAday& b) { return a.tahmin > b.tahmin; });
        int genislik = 0;
        for (size_t i = 0; i < sayi; ++i)
            genislik = std::max(genislik, m_olcu.horizontalAdvance(m_adaylar[i].yazi));
        return genislik;
    }

private:
    struct TAday {
        int tahmin;
        QString yazi;
    };
    QFontMetrics m_olcu;
    QHash<char16_t, int> m_harfler;
    std::vector<TAday> m_adaylar;
};

} // namespace

int TVeriIzgarasi::SutunGenisligiOlc(int sutun) const {
    const TSutun& s = m_sutunlar[sutun];
    const QHeaderView* baslik = m_tablo->horizontalHeader();
    const QFontMetrics baslikOlcusu(baslik->font());
    int genislik = baslikOlcusu.horizontalAdvance(s.Baslik()) + 12 + (SuzgecDugmesiVar(sutun) ? 26 : 0);

    // The first rows and the rows in sight: a bounded sample, so a long list costs no more.
    const int satirSayisi = m_tablo->model()->rowCount();
    std::set<int> ornek;
    for (int satir = 0; satir < qMin(satirSayisi, EnIyiOrnekSatirSayisi); ++satir)
        ornek.insert(satir);
    const int ust = m_tablo->rowAt(0);
    if (ust >= 0) {
        int alt = m_tablo->rowAt(m_tablo->viewport()->height() - 1);
        if (alt < 0)
            alt = satirSayisi - 1;
        for (int satir = ust; satir <= alt; ++satir)
            ornek.insert(satir);
    }
    TYaziOlcucu yazilar(m_tablo->font());
    int icerik = 0;
    for (const int satir : ornek) {
        if (m_grupModeli->Tur(satir) != TSatirTuru::Veri)
            continue;
        const QModelIndex indeks = m_tablo->model()->index(satir, sutun);
        switch (s.tur) {
        case TSutunTuru::Simge: {
            const QString yazi = indeks.data().toString();
            icerik = qMax(icerik, qMin(24, SatirYuksekligi()) + (yazi.isEmpty() ? 0 : 4));
            yazilar.Ekle(yazi);
            break;
        }
        case TSutunTuru::OnayKutusu:
            icerik = qMax(icerik, m_tablo->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_tablo));
            break;
        case TSutunTuru::Resim: {
            const QPixmap resim = indeks.data(Qt::DecorationRole).value<QPixmap>();
            if (!resim.isNull())
                icerik = qMax(
                    icerik,
                    resim.size().scaled(QSize(100000, qMax(1, SatirYuksekligi() - 2)), Qt::KeepAspectRatio).width());
            break;
        }
        default:
            for (const QString& parca : indeks.data().toString().split(QLatin1Char('\n')))
                yazilar.Ekle(parca);
        }
    }
    return qMax(genislik, icerik + yazilar.EnGenis() + 10);
}

void TVeriIzgarasi::EnIyiSigdir() {
    GuncellemeBaslat();
    for (int i = 0; i < SutunSayisi(); ++i)
        if (!m_tablo->isColumnHidden(i))
            SutunGenisligiUygula(i, SutunGenisligiOlc(i));
    GuncellemeBitir();
    GenisligeSigdirGerekirse();
}

void TVeriIzgarasi::EnIyiSigdir(QStringView alan) {
    const int i = SutunIndeksi(alan);
    if (i >= 0)
        SutunGenisligiUygula(i, SutunGenisligiOlc(i));
}

// ---------------------------------------------------------------------------------------------
// Export

namespace {

TExcelHucresi YaziHucresi(const QString& yazi) {
    TExcelHucresi hucre;
    hucre.tur = TExcelHucresi::TTur::Yazi;
    hucre.yazi = yazi;
    return hucre;
}

TExcelHucresi AlanHucresi(const datasnap::TClientDataSet& veri, int kayit, int alan) {
    using TTur = TExcelHucresi::TTur;
    TExcelHucresi hucre;
    const QVariant deger = veri.ValueAt(kayit, alan);
    if (!deger.isValid() || deger.isNull())
        return hucre;
    const datasnap::TField* alanim = veri.Fields(alan);
    switch (alanim->DataType()) {
    case datasnap::TFieldType::Int32:
    case datasnap::TFieldType::Int64:
        hucre.tur = TTur::Sayi;
        hucre.sayi = deger.toDouble();
        break;
    case datasnap::TFieldType::Double:
    case datasnap::TFieldType::Currency:
    case datasnap::TFieldType::BCD:
        hucre.tur = TTur::Sayi;
        hucre.sayi = deger.toDouble();
        hucre.bicim = alanim->DisplayFormat();
        break;
    case datasnap::TFieldType::Date:
        hucre.tur = TTur::Tarih;
        hucre.sayi = deger.toDouble();
        break;
    case datasnap::TFieldType::DateTime:
        hucre.tur = TTur::TarihSaat;
        hucre.sayi = deger.toDouble();
        break;
    case datasnap::TFieldType::Boolean:
        hucre.tur = TTur::Mantik;
        hucre.mantik = deger.toBool();
        break;
    case datasnap::TFieldType::WideString:
        return YaziHucresi(deger.toString());
    case datasnap::TFieldType::Blob:
        break;
    }
    return hucre;
}

TExcelHucresi OzetHucresi(const TOzet& ozet, const datasnap::TClientDataSet& veri, const std::vector<int>& kayitlar) {
    TExcelHucresi hucre;
    hucre.tur = TExcelHucresi::TTur::Sayi;
    hucre.sayi = OzetDegeri(ozet, veri, kayitlar);
    if (ozet.tur == TOzetTuru::Toplam) {
        const datasnap::TField* alan = veri.FindField(ozet.alan);
        hucre.bicim = !ozet.bicim.isEmpty() ? ozet.bicim : alan ? alan->DisplayFormat() : QString();
    }
    return hucre;
}

} // namespace

bool TVeriIzgarasi::ExcelKaydet(const QString& dosyaYolu, QString* hata) const {
    TExcelTablosu tablo;
    std::vector<int> sutunlar;
    for (const QString& alan : GorunurSutunlar())
        sutunlar.push_back(SutunIndeksi(alan));
    for (const int sutun : sutunlar) {
        tablo.basliklar << m_sutunlar[sutun].Baslik();
        tablo.genislikler.push_back(m_tablo->horizontalHeader()->sectionSize(sutun));
    }
    const datasnap::TClientDataSet* veri = Veri();
    const auto hucre = [&](int kayit, int sutun) -> TExcelHucresi {
        const TSutun& s = m_sutunlar[sutun];
        if (s.metin)
            return YaziHucresi(s.metin(m_sutunModeli->Hucre(kayit, sutun)));
        const int alan = m_sutunModeli->AlanSutunu(sutun);
        if (s.tur == TSutunTuru::Resim || alan < 0)
            return {};
        if (s.tur == TSutunTuru::Simge) {
            const TSimgeOgesi* oge = s.simgeler.Bul(veri->ValueAt(kayit, alan));
            if (oge && !oge->yazi.isEmpty())
                return YaziHucresi(oge->yazi);
        }
        return AlanHucresi(*veri, kayit, alan);
    };
    const auto veriSatiri = [&](int kayit) {
        TExcelSatiri satir;
        for (const int sutun : sutunlar)
            satir.hucreler.push_back(hucre(kayit, sutun));
        return satir;
    };
    const auto ozetSatiri = [&](const QList<TOzet>& ozetler, const std::vector<int>& kayitlar) {
        TExcelSatiri satir;
        satir.kalin = true;
        satir.hucreler.resize(sutunlar.size());
        for (const TOzet& ozet : ozetler) {
            const auto yer = std::find(sutunlar.begin(), sutunlar.end(), SutunIndeksi(ozet.Sutun()));
            if (yer != sutunlar.end())
                satir.hucreler[yer - sutunlar.begin()] = OzetHucresi(ozet, *veri, kayitlar);
        }
        return satir;
    };
    if (veri && !sutunlar.empty()) {
        if (m_grupModeli->GrupSutunu() >= 0) {
            for (const TGrup& grup : m_grupModeli->Gruplar()) {
                TExcelSatiri baslik;
                baslik.kalin = true;
                baslik.hucreler.push_back(YaziHucresi(grup.yazi));
                tablo.satirlar.push_back(std::move(baslik));
                for (const int kayit : grup.kayitlar)
                    tablo.satirlar.push_back(veriSatiri(kayit));
                if (!m_grupOzetleri.isEmpty())
                    tablo.satirlar.push_back(ozetSatiri(m_grupOzetleri, grup.kayitlar));
            }
        } else {
            for (const int kayit : GorunenKayitlar())
                tablo.satirlar.push_back(veriSatiri(kayit));
        }
        if (!m_altOzetler.isEmpty() && AltBilgiGorunur())
            tablo.satirlar.push_back(ozetSatiri(m_altOzetler, GorunenKayitlar()));
    }
    return ExcelYaz(tablo, dosyaYolu, hata);
}

} // namespace grid
