#pragma once

#include <QDateTime>
#include <QDialog>

class QDateTimeEdit;
class QLabel;
class QPushButton;

// Date dialog of the reports (caption "Tarih Seç", a tool window): one or two dates, both set to
// the current date and time when the dialog is created; "Seç" accepts.
class Ttarihsec final : public QDialog {
    Q_OBJECT
public:
    explicit Ttarihsec(QWidget* sahip = nullptr);
    ~Ttarihsec() override;
    Q_DISABLE_COPY_MOVE(Ttarihsec)

    // A one-date report hides the second label and picker.
    void TekTarih(bool tek);

    // The chosen dates, with the time of day at which the dialog was created.
    QDateTime Tarih1() const;
    QDateTime Tarih2() const;

private:
    QTime m_saat; // the pickers show dates; the time of day stays that of the creation
    QLabel* m_label1;
    QLabel* m_label2;
    QDateTimeEdit* m_tarih1;
    QDateTimeEdit* m_tarih2;
    QPushButton* m_sec;
};

// A local date and time as an OLE Automation date (days since 1899-12-30, the time of day as the
// fraction), the form dates travel in.
double OleTarihineCevir(const QDateTime& zaman);
