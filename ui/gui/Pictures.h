#pragma once

#include <QPixmap>

// The program's pictures by number (see ui/PictureIds.h). A number that names no picture,
// 0 included, gives a null pixmap.
QPixmap loadPicture(unsigned id);
