#pragma once

// Where the program's pictures are. Every picture is a Qt resource of the library tevrano_assets.

#include <QIcon>
#include <QString>

namespace varlik {

// Resource path of a picture, e.g. Yol(u"logo.svg") is ":/tevrano/logo.svg".
QString Yol(QStringView ad);

} // namespace varlik
