#pragma once

#include "server/methods/baglam.h"

#include <QHash>
#include <functional>

using TSunucuMetodu = std::function<void(TCagriBaglami&)>;
using TMetotTablosu = QHash<QString, TSunucuMetodu>;

// Every implemented server method by name. A method of the signature table that is not here
// answers "not implemented".
const TMetotTablosu& SunucuMetotlari();

// One registration function per area.
void OturumMetotlari(TMetotTablosu& tablo);
void KatalogMetotlari(TMetotTablosu& tablo);
void SepetMetotlari(TMetotTablosu& tablo);
void CariMetotlari(TMetotTablosu& tablo);
