#pragma once

// Edit boxes whose input is forced to upper case, as typed or pasted.

#include <QValidator>

class QLineEdit;

// Turns every input into upper case (locale-independent: "i" and "ı" both become "I").
class TBuyukHarfDogrulayici final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& girdi, int& konum) const override;
};

// Gives `kutu` an upper-case validator owned by the box.
void BuyukHarfYap(QLineEdit* kutu);
