#pragma once

#include <QLineEdit>

namespace widgets {

// A money box: shows its amount with "#,###,##0.00" under the user's regional settings, and
// while the user edits it, the plain number. The amount is kept exactly as set or typed; only
// its display is rounded. Text that is not a number leaves the amount as it was.
class TParaKutusu final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TParaKutusu)
public:
    explicit TParaKutusu(QWidget* sahip = nullptr);

    double Deger() const { return m_deger; }
    void SetDeger(double deger);
    void SetBicim(const QString& bicim); // display format; "#,###,##0.00" by default

signals:
    void DegerDegisti(double deger);

protected:
    void focusInEvent(QFocusEvent* olay) override;
    void focusOutEvent(QFocusEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void changeEvent(QEvent* olay) override;

private:
    void Goster();
    void Onayla();
    bool Duzenleniyor() const;

    double m_deger = 0;
    QString m_bicim;
};

} // namespace widgets
