#pragma once

// A small ini file ("[section]" lines and "key=value" lines), read and written as UTF-8 text with
// the keys exactly as given: non-ASCII key names such as "hatırla" are written as they are, not
// escaped. Lines the program does not know are kept when the file is written back.

#include <QString>
#include <QStringList>

class TAyarDosyasi {
public:
    explicit TAyarDosyasi(QString yol);

    bool Var() const;    // the file exists
    bool Oku();          // loads the file; false when it cannot be read (the content is then empty)
    bool Kaydet() const; // writes the whole file at once; false when it cannot be written

    QString Yazi(const QString& bolum, const QString& anahtar, const QString& varsayilan = {}) const;
    // An integer value: 0 is false, any other number true; a missing or non-numeric value gives
    // `varsayilan`.
    bool Mantiksal(const QString& bolum, const QString& anahtar, bool varsayilan) const;

    void YaziYaz(const QString& bolum, const QString& anahtar, const QString& deger);
    void MantiksalYaz(const QString& bolum, const QString& anahtar, bool deger); // "1" or "0"

private:
    // Index of the line "[bolum]", -1 when absent; keys of a section run to the next section line.
    qsizetype BolumSatiri(const QString& bolum) const;
    qsizetype AnahtarSatiri(qsizetype bolumSatiri, const QString& anahtar) const;
    qsizetype BolumSonu(qsizetype bolumSatiri) const;

    QString m_yol;
    QStringList m_satirlar;
};
