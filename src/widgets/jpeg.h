#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG file held in memory with libjpeg. Returns the picture in RGB,
// or a null image when the bytes are not a complete, valid JPEG stream (corrupt
// or truncated data is refused instead of being shown half grey).
namespace jpeg {

QImage decodificar(const QByteArray &dados);

} // namespace jpeg
