#pragma once

#include <QImage>

#include "platform/ui/Bitmap.h"

struct CBitmap::Impl {
    QImage image;  // Format_RGB32
};
