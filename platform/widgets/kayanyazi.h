#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

namespace widgets {

// A marquee: its items (HTML-formatted texts and pictures, side by side with a gap between them)
// scroll from the right edge to the left and come round again, while it runs and is shown.
class TKayanYazi final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKayanYazi)
public:
    static constexpr int AdimSuresi = 30; // milliseconds a step

    explicit TKayanYazi(QWidget* sahip = nullptr);

    void MetinEkle(const QString& html); // simple formatting tags are rendered
    void ResimEkle(const QPixmap& resim);
    void Temizle(); // removes every item
    int OgeSayisi() const { return static_cast<int>(m_ogeler.size()); }

    void Baslat();
    void Durdur();
    bool Calisiyor() const { return m_calisiyor; }
    bool Kayiyor() const { return m_zamanlayici.isActive(); } // running and shown

    void SetAralik(int piksel); // gap between items; 5 by default
    void SetHiz(int piksel);    // pixels a step; 2 by default
    void SetZeminRengi(const QColor& renk);

    int Konum() const { return m_konum; } // x of the strip's left end
    int SeritGenisligi() const { return m_serit.width(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* olay) override;
    void timerEvent(QTimerEvent* olay) override;
    void showEvent(QShowEvent* olay) override;
    void hideEvent(QHideEvent* olay) override;
    void changeEvent(QEvent* olay) override;

private:
    struct TOge {
        QString html;
        QPixmap resim;
    };
    QPixmap Ciz(const TOge& oge) const;
    void SeridiKur();
    void Zamanla();

    std::vector<TOge> m_ogeler;
    QPixmap m_serit;
    QBasicTimer m_zamanlayici;
    QColor m_zemin{253, 253, 253};
    int m_konum = 0;
    int m_aralik = 5;
    int m_hiz = 2;
    bool m_calisiyor = false;
};

} // namespace widgets
