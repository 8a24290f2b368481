#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QWidget>

namespace widgets {

// The busy animation: a ring of twelve spokes whose bright head turns, drawn at any size.
// It turns only while it is shown, so a hidden indicator costs nothing.
class TMesgulGostergesi final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMesgulGostergesi)
public:
    static constexpr int KolSayisi = 12;
    static constexpr int AdimSuresi = 80; // milliseconds a step

    explicit TMesgulGostergesi(QWidget* sahip = nullptr);

    void SetRenk(const QColor& renk);
    int Adim() const { return m_adim; } // which spoke leads, 0 … KolSayisi − 1
    bool Donuyor() const { return m_zamanlayici.isActive(); }

    QSize sizeHint() const override { return {28, 28}; }

protected:
    void paintEvent(QPaintEvent* olay) override;
    void timerEvent(QTimerEvent* olay) override;
    void showEvent(QShowEvent* olay) override;
    void hideEvent(QHideEvent* olay) override;

private:
    QBasicTimer m_zamanlayici;
    QColor m_renk{30, 115, 190};
    int m_adim = 0;
};

} // namespace widgets
