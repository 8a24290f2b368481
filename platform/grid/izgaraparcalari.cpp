#include "platform/grid/izgaraparcalari.h"

#include "platform/grid/modeller.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QVBoxLayout>

namespace grid {

namespace {

TSatirTuru TurOf(const QModelIndex& indeks) {
    return static_cast<TSatirTuru>(indeks.data(SatirTuruRolu).toInt());
}

void Ucgen(QPainter* ressam, const QRectF& alan, bool asagi, const QColor& renk) {
    QPolygonF ucgen;
    if (asagi)
        ucgen << alan.topLeft() << alan.topRight() << QPointF(alan.center().x(), alan.bottom());
    else
        ucgen << alan.topLeft() << QPointF(alan.right(), alan.center().y()) << alan.bottomLeft();
    ressam->setPen(Qt::NoPen);
    ressam->setBrush(renk);
    ressam->drawPolygon(ucgen);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TTablo

TTablo::TTablo(TVeriIzgarasi* izgara)
    : QTableView(izgara)
    , m_izgara(izgara) {
    setObjectName(QStringLiteral("tablo"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setShowGrid(false);
    setWordWrap(true);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

QString TTablo::Katla(const QString& yazi) {
    // Turkish upper case, with the dotted and dotless I taken as one letter, so "i", "ı", "I"
    // and "İ" all find each other.
    static const QLocale turkce(QLocale::Turkish, QLocale::Turkey);
    QString katli = turkce.toUpper(yazi);
    katli.replace(u'İ', u'I');
    return katli;
}

int TTablo::AramaSutunu() const {
    const QModelIndex simdiki = currentIndex();
    if (simdiki.isValid() && !isColumnHidden(simdiki.column()))
        return simdiki.column();
    for (int gorsel = 0; gorsel < horizontalHeader()->count(); ++gorsel) {
        const int sutun = horizontalHeader()->logicalIndex(gorsel);
        if (!isColumnHidden(sutun))
            return sutun;
    }
    return -1;
}

void TTablo::keyboardSearch(const QString& yazi) {
    if (!m_izgara->ArtimliArama() || yazi.isEmpty() || !model())
        return;
    if (!m_sonTus.isValid() || m_sonTus.elapsed() > QApplication::keyboardInputInterval())
        m_aranan.clear();
    m_sonTus.start();
    const int sutun = AramaSutunu();
    const int satirSayisi = model()->rowCount();
    if (sutun < 0 || satirSayisi == 0)
        return;
    const QString onceki = m_aranan;
    m_aranan += yazi;
    const QString aranan = Katla(m_aranan);
    const int baslangic = qMax(0, currentIndex().row());
    for (int i = 0; i < satirSayisi; ++i) {
        const QModelIndex indeks = model()->index((baslangic + i) % satirSayisi, sutun);
        if (TurOf(indeks) != TSatirTuru::Veri)
            continue;
        if (Katla(indeks.data(Qt::DisplayRole).toString()).startsWith(aranan)) {
            setCurrentIndex(indeks);
            scrollTo(indeks);
            return;
        }
    }
    // No row starts with the longer text: the key is not taken.
    m_aranan = onceki;
}

void TTablo::SatiriYenidenCiz(int satir) {
    if (satir < 0 || !model() || satir >= model()->rowCount())
        return;
    viewport()->update(QRect(0, rowViewportPosition(satir), viewport()->width(), rowHeight(satir)));
}

void TTablo::keyPressEvent(QKeyEvent* olay) {
    const QModelIndex simdiki = currentIndex();
    if (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter) {
        if (simdiki.isValid()) {
            if (TurOf(simdiki) == TSatirTuru::GrupBasligi)
                m_izgara->GrupDegistir(simdiki.row());
            else if (const int kayit = m_izgara->Kayit(simdiki); kayit >= 0)
                emit m_izgara->EnterBasildi(kayit);
        }
        olay->accept();
        return;
    }
    // A blank continues an incremental search ("FREN BALATASI"); elsewhere it selects.
    if (olay->key() == Qt::Key_Space && m_izgara->ArtimliArama() && !m_aranan.isEmpty() && m_sonTus.isValid() &&
        m_sonTus.elapsed() <= QApplication::keyboardInputInterval()) {
        keyboardSearch(QStringLiteral(" "));
        olay->accept();
        return;
    }
    QTableView::keyPressEvent(olay);
}

void TTablo::mousePressEvent(QMouseEvent* olay) {
    const QModelIndex indeks = indexAt(olay->position().toPoint());
    if (olay->button() == Qt::LeftButton && indeks.isValid() && TurOf(indeks) == TSatirTuru::GrupBasligi) {
        m_izgara->GrupDegistir(indeks.row());
        olay->accept();
        return;
    }
    QTableView::mousePressEvent(olay);
}

void TTablo::mouseDoubleClickEvent(QMouseEvent* olay) {
    QTableView::mouseDoubleClickEvent(olay);
    const QModelIndex indeks = indexAt(olay->position().toPoint());
    if (olay->button() != Qt::LeftButton || !indeks.isValid())
        return;
    if (const int kayit = m_izgara->Kayit(indeks); kayit >= 0)
        emit m_izgara->CiftTiklandi(kayit);
}

void TTablo::contextMenuEvent(QContextMenuEvent* olay) {
    const QModelIndex indeks = indexAt(olay->pos());
    if (indeks.isValid() && m_izgara->Kayit(indeks) >= 0)
        setCurrentIndex(indeks);
    if (m_izgara->m_acilirMenu)
        m_izgara->m_acilirMenu->popup(olay->globalPos());
    olay->accept();
}

void TTablo::currentChanged(const QModelIndex& simdiki, const QModelIndex& onceki) {
    QTableView::currentChanged(simdiki, onceki);
    // The focused row is painted in the selected colour across all its cells.
    SatiriYenidenCiz(onceki.row());
    SatiriYenidenCiz(simdiki.row());
    verticalHeader()->viewport()->update();
    m_izgara->GorunumOdagiDegisti(simdiki);
}

bool TTablo::viewportEvent(QEvent* olay) {
    const bool sonuc = QTableView::viewportEvent(olay);
    if (olay->type() == QEvent::Resize)
        m_izgara->GenisligeSigdirGerekirse();
    return sonuc;
}

// ---------------------------------------------------------------------------------------------
// TBaslik

TBaslik::TBaslik(TVeriIzgarasi* izgara)
    : QHeaderView(Qt::Horizontal, izgara)
    , m_izgara(izgara) {
    setObjectName(QStringLiteral("baslik"));
    setSectionsClickable(true);
    setHighlightSections(false);
    setMinimumSectionSize(8);
    setDefaultAlignment(Qt::AlignCenter);
}

QRect TBaslik::SuzgecDugmesi(const QRect& bolum) {
    // Kept clear of the resize grip at the section's right edge.
    constexpr int kBoy = 14;
    if (bolum.width() < 3 * kBoy)
        return {};
    return QRect(bolum.right() - kBoy - 6, bolum.center().y() - kBoy / 2, kBoy, kBoy);
}

QRect TBaslik::BolumAlani(int sutun) const {
    return QRect(sectionViewportPosition(sutun), 0, sectionSize(sutun), height());
}

void TBaslik::paintSection(QPainter* ressam, const QRect& alan, int sutun) const {
    if (!alan.isValid())
        return;
    const TVeriIzgarasi::TRenkler& renk = m_izgara->Renkler();
    ressam->save();
    ressam->fillRect(alan, renk.baslik);
    ressam->setPen(renk.baslik.lighter(125));
    ressam->drawLine(alan.topRight(), alan.bottomRight());
    ressam->setPen(renk.baslik.darker(125));
    ressam->drawLine(alan.bottomLeft(), alan.bottomRight());

    QRect yaziAlani = alan.adjusted(4, 2, -4, -2);
    const QRect dugme = m_izgara->SuzgecDugmesiVar(sutun) ? SuzgecDugmesi(alan) : QRect();
    if (dugme.isValid())
        yaziAlani.setRight(dugme.left() - 2);
    ressam->setFont(font());
    ressam->setPen(renk.baslikYazi);
    const QString baslik = model() ? model()->headerData(sutun, Qt::Horizontal).toString() : QString();
    ressam->drawText(yaziAlani, Qt::AlignCenter | Qt::TextWordWrap, baslik);

    if (isSortIndicatorShown() && sortIndicatorSection() == sutun) {
        const QRectF ok(alan.center().x() - 4, alan.top() + 2, 8, 4);
        ressam->setRenderHint(QPainter::Antialiasing);
        QPolygonF ucgen;
        if (sortIndicatorOrder() == Qt::AscendingOrder)
            ucgen << ok.bottomLeft() << ok.bottomRight() << QPointF(ok.center().x(), ok.top());
        else
            ucgen << ok.topLeft() << ok.topRight() << QPointF(ok.center().x(), ok.bottom());
        ressam->setPen(Qt::NoPen);
        ressam->setBrush(renk.baslikYazi);
        ressam->drawPolygon(ucgen);
    }

    if (dugme.isValid()) {
        const bool etkin = !m_izgara->Suzgec(m_izgara->SutunAt(sutun).alan).isEmpty();
        ressam->setRenderHint(QPainter::Antialiasing);
        ressam->setPen(QPen(renk.baslikYazi, 1));
        ressam->setBrush(etkin ? QColor(255, 214, 64) : Qt::transparent);
        ressam->drawRoundedRect(QRectF(dugme).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        Ucgen(ressam, QRectF(dugme).adjusted(3.5, 5, -3.5, -4.5), true,
              etkin ? renk.baslik.darker(150) : renk.baslikYazi);
    }
    ressam->restore();
}

void TBaslik::mousePressEvent(QMouseEvent* olay) {
    const QPoint nokta = olay->position().toPoint();
    const int sutun = logicalIndexAt(nokta);
    if (olay->button() == Qt::LeftButton && sutun >= 0 && m_izgara->SuzgecDugmesiVar(sutun) &&
        SuzgecDugmesi(BolumAlani(sutun)).contains(nokta)) {
        m_dugmeBasili = true;
        olay->accept();
        emit SuzgecIstendi(sutun);
        return;
    }
    QHeaderView::mousePressEvent(olay);
}

void TBaslik::mouseReleaseEvent(QMouseEvent* olay) {
    if (m_dugmeBasili) {
        // The press opened a filter; it is not a click that sorts.
        m_dugmeBasili = false;
        olay->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(olay);
}

void TBaslik::contextMenuEvent(QContextMenuEvent* olay) {
    if (m_izgara->m_sutunSecici)
        m_izgara->SutunSeciciyiGoster(olay->globalPos());
    olay->accept();
}

// ---------------------------------------------------------------------------------------------
// TGosterge

TGosterge::TGosterge(TVeriIzgarasi* izgara)
    : QHeaderView(Qt::Vertical, izgara)
    , m_izgara(izgara) {
    setObjectName(QStringLiteral("gosterge"));
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
}

void TGosterge::paintSection(QPainter* ressam, const QRect& alan, int satir) const {
    const TVeriIzgarasi::TRenkler& renk = m_izgara->Renkler();
    ressam->fillRect(alan, renk.gosterge);
    if (satir != m_izgara->Tablo()->currentIndex().row())
        return;
    ressam->save();
    ressam->setRenderHint(QPainter::Antialiasing);
    if (alan.width() >= 9) {
        const qreal boy = qMin<qreal>(alan.width() - 4, 8);
        const QRectF ok(alan.center().x() - boy / 2, alan.center().y() - boy / 2, boy / 2 + 1, boy);
        Ucgen(ressam, ok, false, Qt::white);
    } else {
        ressam->fillRect(alan.adjusted(0, 1, 0, -1), renk.gosterge.lighter(300));
    }
    ressam->restore();
}

// ---------------------------------------------------------------------------------------------
// THucreBoyayici

THucreBoyayici::THucreBoyayici(TVeriIzgarasi* izgara)
    : QStyledItemDelegate(izgara)
    , m_izgara(izgara) {}

void THucreBoyayici::CizgiCiz(QPainter* ressam, const QRect& alan) const {
    if (!m_izgara->IzgaraCizgileri())
        return;
    ressam->setPen(m_izgara->Renkler().cizgi);
    ressam->drawLine(alan.topRight(), alan.bottomRight());
    ressam->drawLine(alan.bottomLeft(), alan.bottomRight());
}

void THucreBoyayici::GrupBasligiCiz(QPainter* ressam, const QRect& alan, const QModelIndex& indeks) const {
    const TVeriIzgarasi::TRenkler& renk = m_izgara->Renkler();
    ressam->fillRect(alan, renk.grupBasligi);
    ressam->setRenderHint(QPainter::Antialiasing);
    const bool acik = indeks.data(GrupAcikRolu).toBool();
    const QRectF isaret(alan.left() + 7, alan.center().y() - 4.5, acik ? 9 : 6, acik ? 6 : 9);
    Ucgen(ressam, isaret, acik, renk.yazi);
    QFont kalin = ressam->font();
    kalin.setBold(true);
    ressam->setFont(kalin);
    ressam->setPen(renk.yazi);
    const QRect yaziAlani = alan.adjusted(22, 0, -4, 0);
    const QString yazi = QFontMetrics(kalin).elidedText(indeks.data().toString(), Qt::ElideRight, yaziAlani.width());
    ressam->drawText(yaziAlani, Qt::AlignLeft | Qt::AlignVCenter, yazi);
    ressam->setPen(renk.grupBasligi.darker(120));
    ressam->drawLine(alan.bottomLeft(), alan.bottomRight());
}

void THucreBoyayici::GrupAltligiCiz(QPainter* ressam, const QRect& alan, const QModelIndex& indeks) const {
    const TVeriIzgarasi::TRenkler& renk = m_izgara->Renkler();
    ressam->fillRect(alan, renk.altBilgi);
    const QString yazi = indeks.data().toString();
    if (!yazi.isEmpty()) {
        QFont kalin = ressam->font();
        kalin.setBold(true);
        ressam->setFont(kalin);
        ressam->setPen(renk.yazi);
        const QRect yaziAlani = alan.adjusted(3, 0, -3, 0);
        ressam->drawText(yaziAlani, Qt::AlignRight | Qt::AlignVCenter,
                         QFontMetrics(kalin).elidedText(yazi, Qt::ElideLeft, yaziAlani.width()));
    }
    ressam->setPen(renk.altBilgi.darker(115));
    ressam->drawLine(alan.bottomLeft(), alan.bottomRight());
}

void THucreBoyayici::IcerikCiz(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks,
                               const TSutun& sutun, const QColor& yaziRengi) const {
    const QRect ic = secenek.rect.adjusted(3, 1, -3, -1);
    const Qt::Alignment hiza = indeks.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    const QString yazi = indeks.data(Qt::DisplayRole).toString();
    ressam->setPen(yaziRengi);
    switch (sutun.tur) {
    case TSutunTuru::Simge: {
        const QIcon simge = indeks.data(Qt::DecorationRole).value<QIcon>();
        const int boy = qMax(0, qMin(24, ic.height()));
        QRect simgeAlani(0, ic.center().y() - boy / 2, boy, boy);
        if (yazi.isEmpty()) {
            const int x = (hiza & Qt::AlignLeft)    ? ic.left()
                          : (hiza & Qt::AlignRight) ? ic.right() - boy + 1
                                                    : ic.center().x() - boy / 2;
            simgeAlani.moveLeft(x);
            simge.paint(ressam, simgeAlani);
        } else {
            simgeAlani.moveLeft(ic.left());
            simge.paint(ressam, simgeAlani);
            ressam->drawText(ic.adjusted(boy + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, yazi);
        }
        return;
    }
    case TSutunTuru::OnayKutusu: {
        const QWidget* pencere = secenek.widget;
        QStyle* stil = pencere ? pencere->style() : QApplication::style();
        QStyleOptionButton kutu;
        const int genislik = stil->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, pencere);
        const int yukseklik = stil->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, pencere);
        kutu.rect = QRect(ic.center().x() - genislik / 2, ic.center().y() - yukseklik / 2, genislik, yukseklik);
        kutu.state = QStyle::State_Enabled |
                     (indeks.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        kutu.palette = secenek.palette;
        stil->drawPrimitive(QStyle::PE_IndicatorCheckBox, &kutu, ressam, pencere);
        return;
    }
    case TSutunTuru::Resim: {
        const QPixmap resim = indeks.data(Qt::DecorationRole).value<QPixmap>();
        if (resim.isNull() || ic.isEmpty())
            return;
        const QSize boyut = resim.size().scaled(ic.size(), Qt::KeepAspectRatio);
        const QRect hedef(ic.center().x() - boyut.width() / 2, ic.center().y() - boyut.height() / 2, boyut.width(),
                          boyut.height());
        ressam->setRenderHint(QPainter::SmoothPixmapTransform);
        ressam->drawPixmap(hedef, resim);
        return;
    }
    case TSutunTuru::SarilanYazi:
    case TSutunTuru::Not:
        ressam->drawText(ic, int(hiza) | Qt::TextWordWrap, yazi);
        return;
    default: {
        QString tekSatir = yazi;
        tekSatir.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
        ressam->drawText(ic, int(hiza), secenek.fontMetrics.elidedText(tekSatir, Qt::ElideRight, ic.width()));
        return;
    }
    }
}

void THucreBoyayici::paint(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks) const {
    ressam->save();
    ressam->setFont(secenek.font);
    const QRect alan = secenek.rect;
    switch (TurOf(indeks)) {
    case TSatirTuru::GrupBasligi:
        GrupBasligiCiz(ressam, alan, indeks);
        ressam->restore();
        return;
    case TSatirTuru::GrupAltligi:
        GrupAltligiCiz(ressam, alan, indeks);
        ressam->restore();
        return;
    case TSatirTuru::Veri:
        break;
    }
    const TVeriIzgarasi::TRenkler& renk = m_izgara->Renkler();
    const QModelIndex simdiki = m_izgara->Tablo()->currentIndex();
    const bool secili = simdiki.isValid() && simdiki.row() == indeks.row();
    const QColor zemin = m_izgara->SatirZemini(indeks.row(), secili);
    const QColor yaziRengi = secili ? renk.seciliYazi : renk.yazi;
    const TSutun& sutun = m_izgara->SutunAt(indeks.column());
    bool bitti = false;
    if (sutun.ciz) {
        ressam->save();
        bitti = sutun.ciz(*ressam, THucreBoyasi{alan, secili, zemin, yaziRengi, secenek.font}, m_izgara->Hucre(indeks));
        ressam->restore();
    }
    if (!bitti) {
        ressam->fillRect(alan, zemin);
        IcerikCiz(ressam, secenek, indeks, sutun, yaziRengi);
        const bool hucreSecimi = m_izgara->Tablo()->selectionBehavior() == QAbstractItemView::SelectItems;
        if (hucreSecimi && simdiki == indeks) {
            ressam->setPen(QPen(renk.secili.darker(170), 1));
            ressam->setBrush(Qt::NoBrush);
            ressam->drawRect(alan.adjusted(0, 0, -1, -1));
        }
    }
    CizgiCiz(ressam, alan);
    ressam->restore();
}

// ---------------------------------------------------------------------------------------------
// TAltBilgi

TAltBilgi::TAltBilgi(TVeriIzgarasi* izgara, QTableView* tablo)
    : QWidget(izgara)
    , m_izgara(izgara)
    , m_tablo(tablo) {
    setObjectName(QStringLiteral("altbilgi"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize TAltBilgi::sizeHint() const {
    return {100, fontMetrics().height() + 12};
}

void TAltBilgi::paintEvent(QPaintEvent*) {
    const TVeriIzgarasi::TRenkler& renk = m_izgara->Renkler();
    QPainter ressam(this);
    ressam.fillRect(rect(), renk.altBilgi);
    ressam.setPen(renk.altBilgi.darker(125));
    ressam.drawLine(rect().topLeft(), rect().topRight());
    const QRect gorunum = m_tablo->viewport()->geometry().translated(m_tablo->geometry().topLeft());
    ressam.setClipRect(QRect(gorunum.left(), 0, gorunum.width(), height()));
    const QHeaderView* baslik = m_tablo->horizontalHeader();
    for (const auto& [sutun, yazi] : m_izgara->AltBilgiYazilari()) {
        const QRect kutu(gorunum.left() + baslik->sectionViewportPosition(sutun) + 2, 3, baslik->sectionSize(sutun) - 4,
                         height() - 6);
        if (kutu.width() <= 2)
            continue;
        ressam.setPen(renk.altBilgi.darker(140));
        ressam.setBrush(renk.altBilgi.lighter(106));
        ressam.drawRect(kutu.adjusted(0, 0, -1, -1));
        ressam.setPen(renk.yazi);
        const QRect yaziAlani = kutu.adjusted(3, 0, -3, 0);
        ressam.drawText(yaziAlani, Qt::AlignRight | Qt::AlignVCenter,
                        fontMetrics().elidedText(yazi, Qt::ElideLeft, yaziAlani.width()));
    }
}

// ---------------------------------------------------------------------------------------------
// TSuzgecPenceresi

namespace {
constexpr int kAnahtarRolu = Qt::UserRole + 1;
constexpr int kTumuRolu = Qt::UserRole + 2;
} // namespace

TSuzgecPenceresi::TSuzgecPenceresi(QWidget* sahip)
    : QFrame(sahip, Qt::Popup)
    , m_liste(new QListWidget(this)) {
    setObjectName(QStringLiteral("suzgecPenceresi"));
    setFrameShape(QFrame::StyledPanel);
    m_liste->setObjectName(QStringLiteral("suzgecListesi"));
    m_liste->setFrameShape(QFrame::NoFrame);
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(1, 1, 1, 1);
    duzen->addWidget(m_liste);
    connect(m_liste, &QListWidget::itemChanged, this, &TSuzgecPenceresi::OgeDegisti);
    connect(m_liste, &QListWidget::itemClicked, this, &TSuzgecPenceresi::OgeTiklandi);
}

void TSuzgecPenceresi::Ac(int sutun, const QList<TSuzgecDegeri>& degerler, const QSet<QString>& secili,
                          const QRect& bolum) {
    m_dolduruluyor = true;
    m_sutun = sutun;
    m_liste->clear();
    auto* tumu = new QListWidgetItem(QStringLiteral("(Tümü)"), m_liste);
    tumu->setData(kTumuRolu, true);
    for (const TSuzgecDegeri& deger : degerler) {
        auto* oge = new QListWidgetItem(deger.etiket.isEmpty() ? QStringLiteral("(Boş)") : deger.etiket, m_liste);
        oge->setData(kAnahtarRolu, deger.anahtar);
        oge->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        oge->setCheckState(secili.contains(deger.anahtar) ? Qt::Checked : Qt::Unchecked);
    }
    m_dolduruluyor = false;
    const int satirBoyu = m_liste->sizeHintForRow(0) > 0 ? m_liste->sizeHintForRow(0) : fontMetrics().height() + 6;
    int genislik = qMax(bolum.width(), 200);
    for (int i = 0; i < m_liste->count(); ++i)
        genislik = qMax(genislik, qMin(480, fontMetrics().horizontalAdvance(m_liste->item(i)->text()) + 48));
    resize(genislik, qMin(380, satirBoyu * m_liste->count() + 8));
    move(bolum.bottomLeft());
    show();
    m_liste->setFocus();
}

void TSuzgecPenceresi::OgeDegisti(QListWidgetItem* oge) {
    if (m_dolduruluyor || oge->data(kTumuRolu).toBool())
        return;
    QSet<QString> secili;
    for (int i = 0; i < m_liste->count(); ++i) {
        const QListWidgetItem* o = m_liste->item(i);
        if (!o->data(kTumuRolu).toBool() && o->checkState() == Qt::Checked)
            secili.insert(o->data(kAnahtarRolu).toString());
    }
    emit Degisti(m_sutun, secili);
}

void TSuzgecPenceresi::OgeTiklandi(QListWidgetItem* oge) {
    if (!oge->data(kTumuRolu).toBool())
        return;
    emit Degisti(m_sutun, {});
    hide();
}

} // namespace grid
