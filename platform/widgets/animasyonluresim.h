#pragma once

#include <QByteArray>
#include <QLabel>
#include <memory>

class QBuffer;
class QMovie;

namespace widgets {

// An animated picture (GIF, or any picture Qt reads): plays while it is shown and its animation
// is on, stops while hidden. Banners and busy animations load their bytes into it.
class TAnimasyonluResim final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAnimasyonluResim)
public:
    explicit TAnimasyonluResim(QWidget* sahip = nullptr);
    ~TAnimasyonluResim() override;

    // Loads picture bytes; false (and an empty picture) when they are not a picture.
    bool ResimYukle(const QByteArray& veri);
    bool DosyaYukle(const QString& yol);
    void Temizle();
    bool Bos() const { return !m_film; }

    QSize ResimBoyutu() const; // the picture's own size; empty when none
    int KareSayisi() const;
    int SimdikiKare() const;
    bool Oynuyor() const; // the animation is running now

    void SetAnimasyon(bool acik);
    bool Animasyon() const { return m_animasyon; }
    void SetUzat(bool uzat); // stretch the picture over the whole control

protected:
    void showEvent(QShowEvent* olay) override;
    void hideEvent(QHideEvent* olay) override;

private:
    void Oynat();

    std::unique_ptr<QBuffer> m_tampon;
    std::unique_ptr<QMovie> m_film;
    QByteArray m_veri;
    QSize m_boyut;
    bool m_animasyon = true;
};

} // namespace widgets
