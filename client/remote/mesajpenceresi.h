#pragma once

#include "client/remote/utils.h"

#include <QDialog>
#include <array>
#include <memory>

class QPushButton;

// The window of MesajGoster: icon and text of the kind, the buttons of the set in their fixed
// order, Turkish captions, the default, Escape and tab-order rules.
class MesajPenceresi final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MesajPenceresi)

public:
    explicit MesajPenceresi(const MesajIstegi& istek);
    ~MesajPenceresi() override;

    QPushButton* Tus(int konum) const; // nullptr when the button is not in the set
    QPushButton* VarsayilanTus() const;
    QPushButton* KacisTusu() const;

    // Escape and closing the window answer like the Escape button; without one they do nothing.
    void reject() override;

signals:
    void yardimIstendi();

private:
    void IcerikKur(const MesajIstegi& istek);
    void TuslariKur(MesajTuslari tuslar, int ilkTus);
    void TusOlustur(int konum);
    void TusaBasildi(int konum);

    std::array<QPushButton*, MesajTusuSayisi> m_tuslar{};
    int m_varsayilan = -1;
    int m_kacis = -1;
};

// Builds the window for a request without showing it; the owner of the request is its parent.
std::unique_ptr<MesajPenceresi> MesajPenceresiOlustur(const MesajIstegi& istek);

// Shows the window modally, frees it and returns the result code it closed with.
int MesajPenceresiniCalistir(std::unique_ptr<MesajPenceresi> pencere);
