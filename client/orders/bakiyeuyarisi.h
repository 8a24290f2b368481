#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
namespace datasnap {
class TSQLConnection;
}

// Fetches a customer's text; runs on the fetching thread. An exception counts as an empty text.
using TUyariGetirici = std::function<QString(int carino)>;

// The overdue-balance warning under the basket. Each Baslat empties the label and starts a plain
// thread of its own that fetches `CariVadeGunGecmismiBul` on its own copy of the connection
// (opened with the retry rule, without a message) and hands the text to the user-interface
// thread synchronously, where it becomes the label's caption. Fetches for the same customer
// overlap freely and the last one to finish wins; a late answer for a customer other than the
// one last asked for is dropped, so the label never shows another customer's debt. Failures end
// silently with an empty label. Threads that finish after this object is gone change nothing.
class TCariBakiyeUyarisi final : public QObject {
    Q_OBJECT
public:
    // `bagc` (the main connection) must outlive this object; only copies of it are opened.
    TCariBakiyeUyarisi(const datasnap::TSQLConnection& bagc, QLabel* lbluyarbakiye, QObject* parent = nullptr);
    ~TCariBakiyeUyarisi() override;
    Q_DISABLE_COPY_MOVE(TCariBakiyeUyarisi)

    // Empties the label and starts the fetch for `carino`. User-interface thread only.
    void Baslat(int carino);

    // Fetches not yet handed over.
    int CalisanSayisi() const { return m_calisan; }

    // Test seam: what the next Baslat calls use to fetch; empty restores the remote call.
    void GetiriciyiAyarla(TUyariGetirici getirici);

    // The label the text goes to (may be changed or null).
    void EtiketiAyarla(QLabel* lbluyarbakiye);

signals:
    // On the user-interface thread, after the label got `uyari`.
    void UyariGeldi(int carino, const QString& uyari);

private:
    struct TOrtak;
    TUyariGetirici UzakGetirici() const;
    void Teslim(int carino, const QString& uyari);

    const datasnap::TSQLConnection& m_bagc;
    QPointer<QLabel> m_etiket;
    TUyariGetirici m_getirici;
    std::shared_ptr<TOrtak> m_ortak;
    int m_sonCari = 0;
    int m_calisan = 0;
};
