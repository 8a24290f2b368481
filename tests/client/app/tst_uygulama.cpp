// The program's application object: an exception that an event handler does not catch reaches
// the default error display with its message, and the program goes on.
#include "client/app/uygulama.h"
#include "client/remote/utils.h"
#include "platform/datasnap/dsexception.h"

#include <QTest>
#include <QTimer>
#include <stdexcept>

using namespace Qt::StringLiterals;

class TestUygulama : public QObject {
    Q_OBJECT

private slots:
    void yakalanmayanHataMesajlaGosterilir_data();
    void yakalanmayanHataMesajlaGosterilir();
};

void TestUygulama::yakalanmayanHataMesajlaGosterilir_data() {
    QTest::addColumn<bool>("uzakHata");
    QTest::addColumn<QString>("mesaj");
    QTest::newRow("remote layer") << true << u"Sunucu hatası: tablo yok"_s;
    QTest::newRow("other") << false << u"beklenmeyen durum"_s;
}

void TestUygulama::yakalanmayanHataMesajlaGosterilir() {
    QFETCH(bool, uzakHata);
    QFETCH(QString, mesaj);
    std::vector<MesajIstegi> gosterilen;
    MesajCevaplayicisiniAyarla([&gosterilen](const MesajIstegi& istek) {
        gosterilen.push_back(istek);
        return int(mrOk);
    });
    QObject alici;
    bool sonrakiCalisti = false;
    QTimer::singleShot(0, &alici, [uzakHata, mesaj] {
        if (uzakHata)
            throw datasnap::TDSException(mesaj);
        throw std::runtime_error(mesaj.toStdString());
    });
    QTimer::singleShot(0, &alici, [&sonrakiCalisti] { sonrakiCalisti = true; });
    QTRY_VERIFY(sonrakiCalisti);
    MesajCevaplayicisiniAyarla({});

    QCOMPARE(gosterilen.size(), size_t(1));
    QCOMPARE(gosterilen.front().metin, mesaj);
    QCOMPARE(gosterilen.front().tur, int(mtError));
}

int main(int argc, char** argv) {
    TUygulama uygulama(argc, argv);
    TestUygulama test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uygulama.moc"
