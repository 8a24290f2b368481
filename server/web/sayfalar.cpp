#include "server/web/sayfalar.h"

#include "server/store/tarih.h"
#include "server/store/veritabani.h"

#include <QDateTime>
#include <httplib.h>

namespace {

const char* const kHtml = "text/html; charset=utf-8";

// The form's fields: request name, caption.
const std::pair<const char*, const char*> kFormAlanlari[] = {
    {"firmaadi", "Firma Adı"}, {"yetkili", "Yetkili"}, {"adres1", "Adres"},    {"adres2", "Adres 2"},
    {"ilce", "İlçe"},          {"sehir", "Şehir"},     {"telefon", "Telefon"}, {"fax", "Faks"},
    {"vd", "Vergi Dairesi"},   {"vn", "Vergi No"},     {"mail", "E-posta"},    {"kargoambar", "Kargo / Ambar"},
};

QString Kacis(const QString& metin) {
    return metin.toHtmlEscaped();
}

QString SayfaIskeleti(const QString& baslik, const QString& govde) {
    return QStringLiteral(R"(<!DOCTYPE html>
<html lang="tr"><head><meta charset="utf-8"><title>%1</title>
<style>
body{font-family:Tahoma,Arial,sans-serif;margin:0;background:#eef2f7;color:#1d2b3a}
header{background:#1f3a5f;color:#fff;padding:14px 24px;font-size:20px}
main{padding:18px 24px;max-width:760px}
label{display:inline-block;width:140px}
input{width:320px;margin:3px 0;padding:3px}
button{margin-top:10px;padding:5px 18px;background:#1f3a5f;color:#fff;border:0}
.not{color:#4a5a6a;font-size:13px}
</style></head>
<body><header>Tevrano Otomotiv Yedek Parça</header><main>%2</main></body></html>)")
        .arg(Kacis(baslik), govde);
}

QString AnaSayfa() {
    return SayfaIskeleti(QStringLiteral("Tevrano B2B"),
                         QStringLiteral("<h2>Bayi Sipariş Sistemi</h2>"
                                        "<p>Yedek parça kataloğu, fiyatlar, stok durumu ve siparişleriniz için "
                                        "Tevrano B2B programını kullanın.</p>"
                                        "<p class=\"not\">Hesap talebi için programı kurduğunuz bilgisayardan giriş "
                                        "yapmayı deneyin; talep formu açılacaktır.</p>"));
}

QString FormSayfasi(const QString& carino, const QString& kullanici, const QString& kimlik) {
    QString alanlar;
    for (const auto& [ad, baslik] : kFormAlanlari)
        alanlar += QStringLiteral("<label for=\"%1\">%2</label><input id=\"%1\" name=\"%1\"><br>\n")
                       .arg(QLatin1String(ad), QString::fromUtf8(baslik));
    return SayfaIskeleti(QStringLiteral("Hesap Talebi"),
                         QStringLiteral("<h2>Hesap Talebi</h2>"
                                        "<p>Bu bilgisayar sistemde kayıtlı değil. Bilgilerinizi gönderin, hesabınız "
                                        "açıldığında size haber verilecektir.</p>"
                                        "<form method=\"post\" action=\"/formmailgonder.aspx\">"
                                        "<input type=\"hidden\" name=\"carino\" value=\"%1\">"
                                        "<input type=\"hidden\" name=\"kullanici\" value=\"%2\">"
                                        "<input type=\"hidden\" name=\"id\" value=\"%3\">"
                                        "<p class=\"not\">Bilgisayar kimliği: %3</p>%4"
                                        "<button type=\"submit\">Gönder</button></form>")
                             .arg(Kacis(carino), Kacis(kullanici), Kacis(kimlik), alanlar));
}

QString Param(const httplib::Request& req, const char* ad) {
    return req.has_param(ad) ? QString::fromStdString(req.get_param_value(ad)) : QString();
}

} // namespace

void FormIstegiKaydet(const TSunucuOrtami& ortam, const QHash<QString, QString>& alanlar) {
    auto alan = [&alanlar](const char* ad) { return alanlar.value(QLatin1String(ad)).trimmed().left(500); };
    if (alan("firmaadi").isEmpty() || alan("yetkili").isEmpty())
        throw TIstekHatasi(QStringLiteral("Firma adı ve yetkili gerekli"));
    QSqlDatabase db = ortam.veritabani->Baglanti();
    TIslem islem(db);
    Calistir(db,
             QStringLiteral("INSERT INTO MAILLER (TARIH, TUR, CARINO, BILGISAYARID, BASLIK, FIRMAADI, ADRES1, ADRES2, "
                            "ILCE, SEHIR, TELEFON, FAX, VD, VN, YETKILI, KULLANICIADI, MAIL, KARGOAMBAR) "
                            "VALUES (?, 'FORM', ?, ?, 'Hesap Talebi', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {OleTarihi(QDateTime::currentDateTime()), alan("carino").toInt(), alan("id"), alan("firmaadi"),
              alan("adres1"), alan("adres2"), alan("ilce"), alan("sehir"), alan("telefon"), alan("fax"), alan("vd"),
              alan("vn"), alan("yetkili"), alan("kullanici"), alan("mail"), alan("kargoambar")});
    islem.Onayla();
}

void WebSayfalariniKaydet(httplib::Server& http, const TSunucuOrtami& ortam) {
    http.Get("/",
             [](const httplib::Request&, httplib::Response& res) { res.set_content(AnaSayfa().toStdString(), kHtml); });
    http.Get("/formmailgonder.aspx", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(FormSayfasi(Param(req, "carino"), Param(req, "kullanici"), Param(req, "id")).toStdString(),
                        kHtml);
    });
    http.Post("/formmailgonder.aspx", [&ortam](const httplib::Request& req, httplib::Response& res) {
        QHash<QString, QString> alanlar;
        for (const auto& [ad, deger] : req.params)
            alanlar.insert(QString::fromStdString(ad), QString::fromStdString(deger));
        try {
            FormIstegiKaydet(ortam, alanlar);
            res.set_content(SayfaIskeleti(QStringLiteral("Hesap Talebi"),
                                          QStringLiteral("<h2>Talebiniz alındı</h2><p>Teşekkür ederiz.</p>"))
                                .toStdString(),
                            kHtml);
        } catch (const TIstekHatasi& e) {
            res.status = 400;
            res.set_content(SayfaIskeleti(QStringLiteral("Hesap Talebi"),
                                          QStringLiteral("<p>%1</p>").arg(Kacis(QString::fromStdString(e.what()))))
                                .toStdString(),
                            kHtml);
        }
    });
}
