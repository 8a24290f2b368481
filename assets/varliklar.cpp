#include "assets/varliklar.h"

using namespace Qt::StringLiterals;

namespace varlik {

QString Yol(QStringView ad) {
    return u":/tevrano/"_s + ad.toString();
}

} // namespace varlik
