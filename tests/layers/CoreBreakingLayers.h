#pragma once

// Not compiled: the include check must refuse both lines when this stands in a device core.
#include <QWidget>

#include "ui/PictureIds.h"
