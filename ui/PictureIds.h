#pragma once

// Numbers of the day-box pictures (32 x 32) that the transfer dialogs put on their
// CHoverBitmapButtons. A picture is looked up by its number; 0 means "no picture".
namespace PictureId {
constexpr unsigned kNone = 0;
// raised light-grey square: a day box's normal face (and its disabled face before a transfer)
constexpr unsigned kDayNormal = 154;
// the same square marked "Tr": the day whose transfer has begun, kept once it is done
constexpr unsigned kDayTransferred = 155;
// framed square with a check mark: pressed or checked, and a chosen day waiting its turn
constexpr unsigned kDaySelected = 156;
// framed empty square: the mouse is over the box
constexpr unsigned kDayHover = 158;
} // namespace PictureId
