#pragma once

#include <QGroupBox>
#include <QString>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace widgets {

// A captioned box of radio buttons, one per item, each item carrying a numeric identifier. At
// most one item is selected; Temizle empties the list and leaves nothing selected.
class TSecenekKutusu final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSecenekKutusu)
public:
    explicit TSecenekKutusu(const QString& baslik, QWidget* sahip = nullptr);
    ~TSecenekKutusu() override;

    void Temizle();
    void Ekle(const QString& yazi, int kimlik);
    int Sayi() const { return static_cast<int>(m_ogeler.size()); }
    QString Yazi(int i) const;
    int Kimlik(int i) const;

    int SeciliIndeks() const;    // -1 when nothing is selected
    void SetSeciliIndeks(int i); // -1 clears the selection
    QString SeciliYazi() const;  // empty when nothing is selected
    int SeciliKimlik() const;    // 0 when nothing is selected
    QRadioButton* Dugme(int i) const;

signals:
    void Tiklandi(); // the user clicked an item

private:
    struct TOge {
        QRadioButton* dugme;
        int kimlik;
    };
    QVBoxLayout* m_duzen;
    QButtonGroup* m_grup;
    std::vector<TOge> m_ogeler;
};

} // namespace widgets
