#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

namespace grid {

// One entry of an icon column: the icon and the word a value stands for.
struct TSimgeOgesi {
    QIcon simge; // a null icon draws nothing
    QString yazi;
};

// Maps the values of a column to icons: a list of values, one entry for empty values (NULL or
// blank text) and one for every other value. Numbers match across their kinds (1, 1.0 and "1").
class TSimgeHaritasi {
public:
    TSimgeHaritasi& Ekle(const QVariant& deger, const QIcon& simge, const QString& yazi = {});
    TSimgeHaritasi& SetBos(const QIcon& simge, const QString& yazi = {});
    TSimgeHaritasi& SetDiger(const QIcon& simge, const QString& yazi = {});
    // Whether the word is drawn beside the icon (icon columns show the icon only by default).
    TSimgeHaritasi& SetYaziGoster(bool goster);

    bool Bos() const { return m_ogeler.isEmpty() && !m_bos && !m_diger; }
    bool YaziGoster() const { return m_yaziGoster; }

    // The entry for `deger`: its own, the empty entry, or the entry for other values; nullptr
    // when none applies.
    const TSimgeOgesi* Bul(const QVariant& deger) const;

    static bool BosDeger(const QVariant& deger);

private:
    struct TKayit {
        QVariant deger;
        TSimgeOgesi oge;
    };
    QList<TKayit> m_ogeler;
    std::optional<TSimgeOgesi> m_bos;
    std::optional<TSimgeOgesi> m_diger;
    bool m_yaziGoster = false;
};

} // namespace grid
