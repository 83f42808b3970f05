#pragma once

#include <QImage>
#include <QSize>

namespace quillon::datagen {

// The main window's background: a calm blue gradient with the product name.
QImage drawBackgroundPicture(QSize size);

} // namespace quillon::datagen
