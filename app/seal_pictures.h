#pragma once

#include <QPixmap>

// A red seal stamp with a short subject name in white, of the given size: the pictures of the
// exam menu ("法规" 200 × 254, "管理" 300 × 413, "技术" 300 × 365).
QPixmap sealPicture(const QString &shortName, const QSize &size);
