#include "client/app/uygulama.h"

#include "client/remote/utils.h"
#include "platform/datasnap/dsexception.h"

TUygulama::TUygulama(int& argc, char** argv)
    : QApplication(argc, argv) {}

TUygulama::~TUygulama() = default;

bool TUygulama::notify(QObject* alici, QEvent* olay) {
    try {
        return QApplication::notify(alici, olay);
    } catch (const datasnap::TDSException& hata) {
        VarsayilanHataGoster(hata.Message());
    } catch (const std::exception& hata) {
        VarsayilanHataGoster(QString::fromUtf8(hata.what()));
    }
    return false;
}

void VarsayilanHataGoster(const QString& mesaj) {
    MesajGoster(mesaj, mtError, mbOK, mbOK);
}
