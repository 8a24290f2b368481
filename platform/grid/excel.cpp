#include "platform/grid/excel.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>
#include <filesystem>
#include <xlsxwriter.h>

namespace grid {

namespace {

constexpr int kEnUzunYazi = 32767; // Excel's limit for the text of a cell

bool Hata(QString* hata, const QString& neden) {
    if (hata)
        *hata = neden;
    return false;
}

QString LxwHatasi(lxw_error kod) {
    return QString::fromUtf8(lxw_strerror(kod));
}

// Formats are made once per workbook and kind.
class TBicimler {
public:
    explicit TBicimler(lxw_workbook* kitap)
        : m_kitap(kitap) {}

    lxw_format* Al(const QString& sayiBicimi, bool kalin) {
        if (sayiBicimi.isEmpty() && !kalin)
            return nullptr;
        const QString anahtar = sayiBicimi + (kalin ? QStringLiteral("|k") : QString());
        auto bulunan = m_bicimler.constFind(anahtar);
        if (bulunan != m_bicimler.constEnd())
            return *bulunan;
        lxw_format* bicim = workbook_add_format(m_kitap);
        if (!sayiBicimi.isEmpty())
            format_set_num_format(bicim, sayiBicimi.toUtf8().constData());
        if (kalin)
            format_set_bold(bicim);
        m_bicimler.insert(anahtar, bicim);
        return bicim;
    }

private:
    lxw_workbook* m_kitap;
    QHash<QString, lxw_format*> m_bicimler;
};

lxw_error HucreYaz(lxw_worksheet* sayfa, lxw_row_t satir, lxw_col_t sutun, const TExcelHucresi& hucre,
                   TBicimler& bicimler, bool kalin) {
    using TTur = TExcelHucresi::TTur;
    switch (hucre.tur) {
    case TTur::Bos:
        return kalin ? worksheet_write_blank(sayfa, satir, sutun, bicimler.Al({}, true)) : LXW_NO_ERROR;
    case TTur::Yazi:
        // Written as text, never as a formula, whatever it starts with.
        return worksheet_write_string(sayfa, satir, sutun, hucre.yazi.left(kEnUzunYazi).toUtf8().constData(),
                                      bicimler.Al({}, kalin));
    case TTur::Sayi:
        return worksheet_write_number(sayfa, satir, sutun, hucre.sayi, bicimler.Al(hucre.bicim, kalin));
    case TTur::Tarih:
        return worksheet_write_number(sayfa, satir, sutun, hucre.sayi,
                                      bicimler.Al(QStringLiteral("dd.mm.yyyy"), kalin));
    case TTur::TarihSaat:
        return worksheet_write_number(sayfa, satir, sutun, hucre.sayi,
                                      bicimler.Al(QStringLiteral("dd.mm.yyyy hh:mm:ss"), kalin));
    case TTur::Mantik:
        return worksheet_write_boolean(sayfa, satir, sutun, hucre.mantik ? 1 : 0, bicimler.Al({}, kalin));
    }
    return LXW_NO_ERROR;
}

// Writes the whole workbook into `yol`; returns the first error.
lxw_error KitapYaz(const TExcelTablosu& tablo, const QByteArray& yol) {
    lxw_workbook_options secenekler{};
    secenekler.constant_memory = LXW_TRUE; // rows go out in order; memory stays flat for large grids
    lxw_workbook* kitap = workbook_new_opt(yol.constData(), &secenekler);
    if (!kitap)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    lxw_error sonuc = LXW_NO_ERROR;
    const auto kaydet = [&sonuc](lxw_error kod) {
        if (sonuc == LXW_NO_ERROR && kod != LXW_NO_ERROR)
            sonuc = kod;
    };
    QString ad = tablo.sayfaAdi.left(LXW_SHEETNAME_MAX);
    for (const QChar yasak : {u'[', u']', u':', u'*', u'?', u'/', u'\\'})
        ad.replace(yasak, u'_');
    lxw_worksheet* sayfa = workbook_add_worksheet(kitap, ad.isEmpty() ? nullptr : ad.toUtf8().constData());
    if (!sayfa) {
        workbook_close(kitap);
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    TBicimler bicimler(kitap);
    for (size_t i = 0; i < tablo.genislikler.size(); ++i)
        if (tablo.genislikler[i] > 0)
            kaydet(worksheet_set_column_pixels(sayfa, lxw_col_t(i), lxw_col_t(i), tablo.genislikler[i], nullptr));
    for (int i = 0; i < tablo.basliklar.size(); ++i) {
        TExcelHucresi baslik;
        baslik.tur = TExcelHucresi::TTur::Yazi;
        baslik.yazi = tablo.basliklar[i];
        kaydet(HucreYaz(sayfa, 0, lxw_col_t(i), baslik, bicimler, true));
    }
    worksheet_freeze_panes(sayfa, 1, 0);
    lxw_row_t satirNo = 1;
    for (const TExcelSatiri& satir : tablo.satirlar) {
        for (size_t i = 0; i < satir.hucreler.size(); ++i)
            kaydet(HucreYaz(sayfa, satirNo, lxw_col_t(i), satir.hucreler[i], bicimler, satir.kalin));
        ++satirNo;
    }
    kaydet(workbook_close(kitap));
    return sonuc;
}

} // namespace

bool ExcelYaz(const TExcelTablosu& tablo, const QString& dosyaYolu, QString* hata) {
    if (dosyaYolu.isEmpty())
        return Hata(hata, QStringLiteral("Dosya adı boş."));
    if (tablo.satirlar.size() + 1 > LXW_ROW_MAX)
        return Hata(hata, QStringLiteral("Excel bir sayfada en çok %1 satır tutar.").arg(LXW_ROW_MAX));
    if (tablo.basliklar.size() > LXW_COL_MAX)
        return Hata(hata, QStringLiteral("Excel bir sayfada en çok %1 sütun tutar.").arg(LXW_COL_MAX));
    const QFileInfo hedef(dosyaYolu);
    QTemporaryFile gecici(hedef.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(hedef.fileName())));
    if (!gecici.open())
        return Hata(hata, QStringLiteral("%1 yazılamıyor: %2").arg(hedef.absoluteFilePath(), gecici.errorString()));
    gecici.close();
    const lxw_error sonuc = KitapYaz(tablo, QFile::encodeName(gecici.fileName()));
    if (sonuc != LXW_NO_ERROR)
        return Hata(hata, QStringLiteral("Excel dosyası yazılamadı: %1").arg(LxwHatasi(sonuc)));
    QFile::setPermissions(gecici.fileName(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code kod;
    std::filesystem::rename(QFile::encodeName(gecici.fileName()).constData(),
                            QFile::encodeName(hedef.absoluteFilePath()).constData(), kod);
    if (kod)
        return Hata(hata, QStringLiteral("%1 yazılamıyor: %2")
                              .arg(hedef.absoluteFilePath(), QString::fromLocal8Bit(kod.message().c_str())));
    gecici.setAutoRemove(false);
    return true;
}

} // namespace grid
