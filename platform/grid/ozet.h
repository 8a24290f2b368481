#pragma once

#include "platform/grid/sutun.h"

#include <QLocale>
#include <vector>

namespace grid {

// The figure of a footer over the given records (rows of the data set): their number, or the
// sum of the field's values (NULL values and an absent field count as nothing).
double OzetDegeri(const TOzet& ozet, const datasnap::TClientDataSet& veri, const std::vector<int>& kayitlar);

// The figure as the footer shows it: a count as a whole number; a sum in the summary's own
// format, else in the field's display format, else as the field's plain text.
QString OzetYazisi(const TOzet& ozet, const datasnap::TClientDataSet& veri, const std::vector<int>& kayitlar,
                   const QLocale& yerel = QLocale());

} // namespace grid
