// Records on the wire: qualified class names, wire field names in declaration order, defaults.
#include "client/remote/baglantiu.h"
#include "client/remote/mobilstokunit.h"
#include "platform/datasnap/dsexception.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace datasnap;

namespace {

QJsonObject AsJson(const TObject& o) {
    return QJsonDocument::fromJson(MarshalToJson(&o)).object();
}

template <class T> std::unique_ptr<T> Back(const TObject& o) {
    return UnmarshalAs<T>(AsJson(o));
}

// The keys of "fields" in the order they were written.
QStringList WrittenFieldOrder(const TObject& o) {
    const QByteArray json = MarshalToJson(&o);
    const qsizetype start = json.indexOf("\"fields\":{") + 10;
    QStringList keys;
    int depth = 0;
    bool inString = false;
    qsizetype keyStart = -1;
    for (qsizetype i = start; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"') {
                inString = false;
                if (depth == 0 && json[i + 1] == ':')
                    keys << QString::fromUtf8(json.mid(keyStart, i - keyStart));
            }
        } else if (c == '"') {
            inString = true;
            keyStart = i + 1;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth-- == 0)
                break;
        }
    }
    return keys;
}

} // namespace

class TstKayitlar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { KayitSiniflariniKaydet(); }

    void constructorDefaults() {
        const TSonucBilgisi s;
        QCOMPARE(s.Version(), 1);
        QCOMPARE(s.MusteriTipi(), 1);
        QCOMPARE(s.Varmi(), false);
        QCOMPARE(s.CARINO(), 0);
        const TMobilStok m;
        QCOMPARE(m.Birim(), QStringLiteral("ADET"));
        QCOMPARE(m.KDV(), 20.0);
        const TTusSonuclari t;
        QCOMPARE(t.Alindi() + t.Onaylandi() + t.ParcaliHazirlandi() + t.SevkEdildi() + t.Hazirlandi() + t.Goruldu(), 0);
    }

    void sessionRecordRoundTripsWithWireNames() {
        TSonucBilgisi s;
        s.SetBILGISAYARID(QStringLiteral("WD-123"));
        s.SetADI(QStringLiteral("BAYİ ÇAĞRI"));
        s.SetCARINO(1234);
        s.SetVarmi(true);
        s.SetMusteriTipi(3);
        s.SetVersion(2);
        const QJsonObject json = AsJson(s);
        QCOMPARE(json.value(u"type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
        QCOMPARE(json.value(u"id").toInt(), 1);
        const QJsonObject fields = json.value(u"fields").toObject();
        QCOMPARE(fields.size(), 20);
        QCOMPARE(fields.value(u"FCARINO").toInt(), 1234);
        QCOMPARE(fields.value(u"Fcarikod").toString(), QString());
        QCOMPARE(WrittenFieldOrder(s).first(), QStringLiteral("FBILGISAYARID"));
        QCOMPARE(WrittenFieldOrder(s).last(), QStringLiteral("FVersion"));

        const auto back = Back<TSonucBilgisi>(s);
        QCOMPARE(back->ADI(), s.ADI());
        QCOMPARE(back->CARINO(), 1234);
        QVERIFY(back->Varmi());
        QCOMPARE(back->MusteriTipi(), 3);
    }

    void everyRecordClassHasItsNameAndFieldCount_data() {
        QTest::addColumn<QString>("className");
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<QString>("firstField");
        QTest::addColumn<QString>("lastField");
        QTest::newRow("TSonucBilgisi") << "baglantiu.TSonucBilgisi" << 20 << "FBILGISAYARID"
                                       << "FVersion";
        QTest::newRow("TSiparisDipAyrinti") << "baglantiu.TSiparisDipAyrinti" << 8 << "FSizinMesaj"
                                            << "FSaticiNotu";
        QTest::newRow("TTusSonuclari") << "baglantiu.TTusSonuclari" << 6 << "FAlindi"
                                       << "FGoruldu";
        QTest::newRow("TMobilStok") << "mobilstokunit.TMobilStok" << 35 << "FStokNo"
                                    << "FFiyat";
        QTest::newRow("TMobilSepet") << "mobilstokunit.TMobilSepet" << 53 << "FKARGOID"
                                     << "FResim";
        QTest::newRow("TMobilCariBilgisi") << "mobilstokunit.TMobilCariBilgisi" << 30 << "FBILGISAYARID"
                                           << "FILCE";
        QTest::newRow("TAcilisEkran") << "mobilstokunit.TAcilisEkran" << 4 << "FSiraNo"
                                      << "FArama";
        QTest::newRow("TMobilStoklar") << "mobilstokunit.TMobilStoklar" << 1 << "FItems"
                                       << "FItems";
        QTest::newRow("TMobilSepetler") << "mobilstokunit.TMobilSepetler" << 1 << "FItems"
                                        << "FItems";
        QTest::newRow("TAcilisEkranlar") << "mobilstokunit.TAcilisEkranlar" << 1 << "FItems"
                                         << "FItems";
        QTest::newRow("TAcilisEkranlariki") << "mobilstokunit.TAcilisEkranlariki" << 1 << "FEkranlar"
                                            << "FEkranlar";
    }

    void everyRecordClassHasItsNameAndFieldCount() {
        QFETCH(QString, className);
        QFETCH(int, fieldCount);
        QFETCH(QString, firstField);
        QFETCH(QString, lastField);
        const TClassInfo* info = FindClass(className);
        QVERIFY(info);
        const std::unique_ptr<TObject> object = info->create();
        QCOMPARE(object->ClassInfo().qualifiedName, className);
        const QStringList order = WrittenFieldOrder(*object);
        QCOMPARE(order.size(), fieldCount);
        QCOMPARE(order.first(), firstField);
        QCOMPARE(order.last(), lastField);
        const std::unique_ptr<TObject> back = Unmarshal(AsJson(*object));
        QCOMPARE(MarshalToJson(back.get()), MarshalToJson(object.get()));
    }

    void missingFieldKeepsConstructorDefault() {
        const QJsonObject json =
            QJsonDocument::fromJson(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":"BAYI3","FNew":5}})")
                .object();
        const auto s = UnmarshalAs<TSonucBilgisi>(json);
        QCOMPARE(s->ADI(), QStringLiteral("BAYI3"));
        QCOMPARE(s->Version(), 1);
        QCOMPARE(s->MusteriTipi(), 1);
        const auto m = UnmarshalAs<TMobilStok>(
            QJsonDocument::fromJson(R"({"type":"mobilstokunit.TMobilStok","fields":{"FStokNo":7}})").object());
        QCOMPARE(m->Birim(), QStringLiteral("ADET"));
        QCOMPARE(m->KDV(), 20.0);
    }

    void unknownClassOrWrongTypeFails_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("unknown class") << QByteArray(R"({"type":"baglantiu.TBilinmeyen","fields":{}})")
                                       << "baglantiu.TBilinmeyen";
        QTest::newRow("string as number")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","fields":{"FCARINO":"12"}})") << "FCARINO";
        QTest::newRow("fraction in Integer")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","fields":{"FCARINO":1.5}})") << "FCARINO";
        QTest::newRow("number as Boolean")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","fields":{"FVarmi":1}})") << "FVarmi";
        QTest::newRow("wrong item class")
            << QByteArray(
                   R"({"type":"mobilstokunit.TMobilStoklar","fields":{"FItems":[{"type":"baglantiu.TTusSonuclari","fields":{}}]}})")
            << "TMobilStok";
    }

    void unknownClassOrWrongTypeFails() {
        QFETCH(QByteArray, json);
        QFETCH(QString, messagePart);
        try {
            Unmarshal(QJsonDocument::fromJson(json).object());
            QFAIL("no exception");
        } catch (const TDSException& e) {
            QVERIFY2(e.Message().contains(messagePart), qPrintable(e.Message()));
        }
    }

    void listsCarryTheirItems() {
        TAcilisEkranlariki liste;
        std::vector<std::unique_ptr<TAcilisEkran>> ekranlar;
        for (int i = 0; i < 3; ++i) {
            auto e = std::make_unique<TAcilisEkran>();
            e->SetSiraNo(i + 1);
            e->SetArama(i == 0 ? QStringLiteral("#KAMPANYA#") : QStringLiteral("#YENİ#"));
            ekranlar.push_back(std::move(e));
        }
        liste.SetEkranlar(std::move(ekranlar));
        const QJsonObject json = AsJson(liste);
        const QJsonArray items = json.value(u"fields").toObject().value(u"FEkranlar").toArray();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[2].toObject().value(u"id").toInt(), 4); // ids number every object of the message
        const auto back = Back<TAcilisEkranlariki>(liste);
        QCOMPARE(back->Ekranlar().size(), size_t(3));
        QCOMPARE(back->Ekranlar()[1]->Arama(), QStringLiteral("#YENİ#"));

        TMobilStoklar stoklar;
        stoklar.Add(std::make_unique<TMobilStok>());
        stoklar.Items(0)->SetAdi(QStringLiteral("YAĞ FİLTRESİ"));
        const auto stoklarBack = Back<TMobilStoklar>(stoklar);
        QCOMPARE(stoklarBack->Count(), 1);
        QCOMPARE(stoklarBack->Items(0)->Adi(), QStringLiteral("YAĞ FİLTRESİ"));
    }

    void kopyalaCopiesEveryField() {
        TMobilSepet kaynak;
        kaynak.SetSIRANO(5);
        kaynak.SetSTOKADI(QStringLiteral("DEBRİYAJ SETİ"));
        kaynak.SetTARIH(46000.5);
        kaynak.SetResim(QStringLiteral("FFD8"));
        TMobilSepet hedef;
        hedef.Kopyala(kaynak);
        QCOMPARE(MarshalToJson(&hedef), MarshalToJson(&kaynak));

        TSonucBilgisi yerel;
        yerel.SetBilgiSayarAdi(QStringLiteral("yerel"));
        yerel.Kopyala(TSonucBilgisi());
        QCOMPARE(yerel.BilgiSayarAdi(), QString()); // local fields are overwritten too
    }

    void hexPictureText() {
        QCOMPARE(HexResimCoz(u"FFD8ffe0"), QByteArray("\xFF\xD8\xFF\xE0", 4));
        QCOMPARE(HexResimCoz(u""), QByteArray());
        QCOMPARE(HexResimCoz(u"ABC"), QByteArray("\xAB", 1)); // an odd last character is not a byte
    }
};

QTEST_GUILESS_MAIN(TstKayitlar)
#include "tst_kayitlar.moc"
