#pragma once

#include <QDoubleSpinBox>

namespace widgets {

// A spin edit for whole numbers (the default) or decimals. A typed value outside the range is
// accepted while typing and brought into the range when the box loses the focus or Enter is
// pressed.
class TSayiKutusu final : public QDoubleSpinBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSayiKutusu)
public:
    explicit TSayiKutusu(QWidget* sahip = nullptr);

    void SetTamSayi(bool tamSayi, int ondalik = 2);
    bool TamSayi() const { return decimals() == 0; }
    int TamDeger() const { return qRound(value()); }

    QValidator::State validate(QString& yazi, int& konum) const override;
    void fixup(QString& yazi) const override;

private:
    bool SayiOku(const QString& yazi, double* deger) const;
};

} // namespace widgets
