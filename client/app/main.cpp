// tevrano-b2b: the style, the fonts, the main window and its start-up, then the message loop.
#include "client/app/Unit1.h"
#include "client/app/uygulama.h"
#include "client/app/yazitipleri.h"
#include "client/app/zircon.h"

#include <unistd.h>

int main(int argc, char** argv) {
    // The web view's engine refuses its sandbox to the superuser (e.g. a demo in a container).
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    TUygulama uygulama(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tevrano-b2b"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tevrano-b2b"));
    YaziTipleriniEsle();
    zircon::ZirconUygula(uygulama);

    TForm1 form;
    form.FormCreate();
    form.showMaximized();
    return uygulama.exec();
}
