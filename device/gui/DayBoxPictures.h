#pragma once

#include "device/DayBoxState.h"
#include "ui/PictureIds.h"

// The pictures of a day box in each state: normal, selected and hover faces (0 = none).
struct DayBoxPictures {
    unsigned normal = PictureId::kNone;
    unsigned selected = PictureId::kNone;
    unsigned hover = PictureId::kNone;
};

constexpr DayBoxPictures dayBoxPictures(DayBoxState state)
{
    switch (state) {
    case DayBoxState::Normal:
        return {PictureId::kDayNormal, PictureId::kDaySelected, PictureId::kDayHover};
    case DayBoxState::Waiting:
        return {PictureId::kDaySelected, PictureId::kNone, PictureId::kNone};
    case DayBoxState::Transferred:
        return {PictureId::kDayTransferred, PictureId::kNone, PictureId::kNone};
    }
    return {};
}
