#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// The key facts of an order as the confirmation repeats them.
struct TSiparisOnayBilgisi {
    QString kullanici; // the session's ADI
    QString cari;      // the session's CariAdi
    QString teslim;    // text of the chosen delivery option
    QString kargoTuru; // text of the chosen cargo type
    QString tutar;     // the text shown as "Genel Toplam:"
    QString kargo;     // the chosen cargo company
    QString aciklama;  // the order note
};

// The seven summary lines joined by line breaks, captions padded so the colons line up.
QString SiparisOzeti(const TSiparisOnayBilgisi& bilgi);

// Order confirmation (caption "Sipariş Onay"): the summary, the balance warning and the question,
// answered with "Evet" (Accepted) or "Hayır" (Rejected). Closing the window is "Hayır".
class TONAYSIP final : public QDialog {
    Q_OBJECT
public:
    TONAYSIP(QWidget* sahip, const TSiparisOnayBilgisi& bilgi, const QString& bakiyeUyarisi);
    ~TONAYSIP() override;
    Q_DISABLE_COPY_MOVE(TONAYSIP)

    // Shows the dialog modally over `sahip`; true when the user answered "Evet".
    static bool Onayla(QWidget* sahip, const TSiparisOnayBilgisi& bilgi, const QString& bakiyeUyarisi);

private:
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* evet;
    QPushButton* hayir;
};
