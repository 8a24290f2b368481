#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

// A small GIF89a writer (Qt reads GIF but cannot write it). Colours are reduced to a fixed
// palette, the 6×6×6 colour cube, and the pixels are written as LZW literal codes only, with a
// clear code often enough that the code width stays at 9 bits: larger than real LZW output,
// but simple and readable by every decoder. Several frames make an endlessly looping animation.

// The palette colour a pixel is written as (each channel rounded to a multiple of 51).
QRgb GifPaletRengi(QRgb renk);

// All frames must have the size of the first; `gecikme` is the time per frame in 1/100 s.
QByteArray GifKodla(const QList<QImage>& kareler, int gecikme = 100);
