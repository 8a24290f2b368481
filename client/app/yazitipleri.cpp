#include "client/app/yazitipleri.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

using namespace Qt::StringLiterals;

namespace {

bool AileVar(const QString& aile) {
    return QFontDatabase::families().contains(aile, Qt::CaseInsensitive);
}

// Wine installs its fonts outside the folders the system's font list covers.
void WineTahomasiniYukle() {
    for (const QString& dosya : {u"/usr/share/wine/fonts/tahoma.ttf"_s, u"/usr/share/wine/fonts/tahomabd.ttf"_s})
        if (QFile::exists(dosya))
            QFontDatabase::addApplicationFont(dosya);
}

// Maps `aile` onto the first present stand-in when the system does not have it itself.
void Esle(const QString& aile, std::initializer_list<QString> yedekler) {
    if (AileVar(aile))
        return;
    for (const QString& yedek : yedekler)
        if (AileVar(yedek)) {
            QFont::insertSubstitution(aile, yedek);
            return;
        }
}

} // namespace

void YaziTipleriniEsle() {
    if (!AileVar(u"Tahoma"_s) && !AileVar(u"DejaVu Sans Condensed"_s))
        WineTahomasiniYukle();
    Esle(u"Tahoma"_s, {u"DejaVu Sans Condensed"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s});
    Esle(u"Arial"_s, {u"Liberation Sans"_s, u"DejaVu Sans"_s});
    Esle(u"Courier New"_s, {u"Liberation Mono"_s, u"DejaVu Sans Mono"_s});
}

QString CizilenAile(const QString& tasarimAilesi) {
    return QFontInfo(QFont(tasarimAilesi)).family();
}
