#pragma once

// The methods of the server class TServerMethods1: one table of signatures that the proxy, the
// server's dispatcher and the tests all use.

#include "platform/datasnap/signature.h"

#include <QList>

const QList<datasnap::TDSMethodSignature>& ServerMethods1Imzalari();

// The signature of a method by its exact (case-sensitive) name; nullptr when there is none.
const datasnap::TDSMethodSignature* ServerMethods1Imzasi(QStringView ad);
