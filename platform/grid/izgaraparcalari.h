#pragma once

// The widgets a TVeriIzgarasi is made of: the table view, its header with filter buttons, the
// row indicator, the cell painter, the footer row and the filter popup.

#include "platform/grid/izgara.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QHeaderView>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTableView>

class QListWidget;
class QListWidgetItem;

namespace grid {

class TTablo final : public QTableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TTablo)
public:
    explicit TTablo(TVeriIzgarasi* izgara);

    void keyboardSearch(const QString& yazi) override;
    void SatiriYenidenCiz(int satir);

protected:
    void keyPressEvent(QKeyEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    void contextMenuEvent(QContextMenuEvent* olay) override;
    void currentChanged(const QModelIndex& simdiki, const QModelIndex& onceki) override;
    bool viewportEvent(QEvent* olay) override;

private:
    int AramaSutunu() const;
    static QString Katla(const QString& yazi);

    TVeriIzgarasi* m_izgara;
    QString m_aranan;
    QElapsedTimer m_sonTus;
};

class TBaslik final : public QHeaderView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBaslik)
public:
    explicit TBaslik(TVeriIzgarasi* izgara);

    // The filter button inside a section's rectangle.
    static QRect SuzgecDugmesi(const QRect& bolum);
    QRect BolumAlani(int sutun) const;

signals:
    void SuzgecIstendi(int sutun);

protected:
    void paintSection(QPainter* ressam, const QRect& alan, int sutun) const override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;
    void contextMenuEvent(QContextMenuEvent* olay) override;

private:
    TVeriIzgarasi* m_izgara;
    bool m_dugmeBasili = false;
};

class TGosterge final : public QHeaderView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGosterge)
public:
    explicit TGosterge(TVeriIzgarasi* izgara);

protected:
    void paintSection(QPainter* ressam, const QRect& alan, int satir) const override;

private:
    TVeriIzgarasi* m_izgara;
};

class THucreBoyayici final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THucreBoyayici)
public:
    explicit THucreBoyayici(TVeriIzgarasi* izgara);

    void paint(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks) const override;

private:
    void GrupBasligiCiz(QPainter* ressam, const QRect& alan, const QModelIndex& indeks) const;
    void GrupAltligiCiz(QPainter* ressam, const QRect& alan, const QModelIndex& indeks) const;
    void IcerikCiz(QPainter* ressam, const QStyleOptionViewItem& secenek, const QModelIndex& indeks,
                   const TSutun& sutun, const QColor& yaziRengi) const;
    void CizgiCiz(QPainter* ressam, const QRect& alan) const;

    TVeriIzgarasi* m_izgara;
};

class TAltBilgi final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAltBilgi)
public:
    TAltBilgi(TVeriIzgarasi* izgara, QTableView* tablo);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    TVeriIzgarasi* m_izgara;
    QTableView* m_tablo;
};

class TSuzgecPenceresi final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSuzgecPenceresi)
public:
    explicit TSuzgecPenceresi(QWidget* sahip);

    void Ac(int sutun, const QList<TSuzgecDegeri>& degerler, const QSet<QString>& secili, const QRect& bolum);
    int Sutun() const { return m_sutun; }

signals:
    void Degisti(int sutun, const QSet<QString>& anahtarlar);

private:
    void OgeDegisti(QListWidgetItem* oge);
    void OgeTiklandi(QListWidgetItem* oge);

    QListWidget* m_liste;
    int m_sutun = -1;
    bool m_dolduruluyor = false;
};

} // namespace grid
