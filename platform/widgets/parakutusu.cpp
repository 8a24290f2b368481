#include "platform/widgets/parakutusu.h"

#include "platform/datasnap/numberformat.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <cmath>

namespace widgets {

namespace {

// Reads a typed amount: first by the regional settings (grouping allowed), then with a point as
// the decimal sign, as people often type it.
bool TutarOku(const QString& yazi, const QLocale& yerel, double* deger) {
    const QString temiz = yazi.trimmed();
    if (temiz.isEmpty()) {
        *deger = 0;
        return true;
    }
    bool tamam = false;
    double okunan = yerel.toDouble(temiz, &tamam);
    if (!tamam)
        okunan = QLocale::c().toDouble(temiz, &tamam);
    if (!tamam || !std::isfinite(okunan))
        return false;
    *deger = okunan;
    return true;
}

} // namespace

TParaKutusu::TParaKutusu(QWidget* sahip)
    : QLineEdit(sahip)
    , m_bicim(datasnap::kFloatDisplayFormat.toString()) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Goster();
}

void TParaKutusu::SetDeger(double deger) {
    if (!std::isfinite(deger))
        return;
    const bool degisti = deger != m_deger;
    m_deger = deger;
    Goster();
    if (degisti)
        emit DegerDegisti(m_deger);
}

void TParaKutusu::SetBicim(const QString& bicim) {
    m_bicim = bicim;
    Goster();
}

bool TParaKutusu::Duzenleniyor() const {
    return hasFocus() && !isReadOnly();
}

void TParaKutusu::Goster() {
    if (Duzenleniyor()) {
        QLocale yerel = locale();
        yerel.setNumberOptions(QLocale::OmitGroupSeparator);
        setText(yerel.toString(m_deger, 'f', QLocale::FloatingPointShortest));
    } else {
        setText(datasnap::FormatFloat(m_bicim, m_deger, locale()));
    }
}

void TParaKutusu::Onayla() {
    double okunan = 0;
    if (TutarOku(text(), locale(), &okunan) && okunan != m_deger) {
        m_deger = okunan;
        emit DegerDegisti(m_deger);
    }
}

void TParaKutusu::focusInEvent(QFocusEvent* olay) {
    QLineEdit::focusInEvent(olay);
    if (!isReadOnly()) {
        Goster();
        selectAll();
    }
}

void TParaKutusu::focusOutEvent(QFocusEvent* olay) {
    // A context menu over the box takes the focus for a moment; the editing goes on after it.
    const bool duzenlemeSuruyor = olay->reason() == Qt::PopupFocusReason;
    if (!isReadOnly() && !duzenlemeSuruyor)
        Onayla();
    QLineEdit::focusOutEvent(olay);
    if (!duzenlemeSuruyor)
        Goster();
}

void TParaKutusu::keyPressEvent(QKeyEvent* olay) {
    if (!isReadOnly() && (olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter)) {
        Onayla();
        Goster();
    }
    QLineEdit::keyPressEvent(olay);
}

void TParaKutusu::changeEvent(QEvent* olay) {
    QLineEdit::changeEvent(olay);
    if (olay->type() == QEvent::LocaleChange || olay->type() == QEvent::ReadOnlyChange)
        Goster();
}

} // namespace widgets
