#pragma once

// The fonts the design names -- Tahoma, Arial, Courier New -- mapped once for the whole program
// onto free fonts of nearly the same widths, so that sizes and line breaks come out as designed:
//   Tahoma      -> a real Tahoma when the system has one; otherwise DejaVu Sans Condensed
//                  (fonts-dejavu-extra), then Wine's Tahoma (fonts-wine), then DejaVu Sans.
//   Arial       -> Liberation Sans (fonts-liberation)
//   Courier New -> Liberation Mono (fonts-liberation)
// Wine's Tahoma has Tahoma's widths but draws the capital "İ" with a gap beside it and its bold
// face hardly bolder, which spoils Turkish upper-case text (every user name); DejaVu Sans
// Condensed draws Turkish correctly at almost the same widths (a 70-letter line at 13 pixels:
// 473 against 460 pixels, bold 538 against 531).

#include <QString>

// Loads and maps the fonts; call once after the application object exists.
void YaziTipleriniEsle();

// The family that a design font name is drawn with after the mapping.
QString CizilenAile(const QString& tasarimAilesi);
