#include "ui/gui/Pictures.h"

#include <QString>

// The pictures are compiled into this static library; naming the resource's initialiser
// here keeps the linker from dropping it.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

QPixmap loadPicture(unsigned id)
{
    if (id == 0)
        return QPixmap();
    registerPictures();
    return QPixmap(QStringLiteral(":/ui/pictures/%1.png").arg(id));
}
