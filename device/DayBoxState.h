#pragma once

// What a day box of Download and Upload shows; the dialog gives each state its pictures.
enum class DayBoxState {
    Normal, // not yet transferred, whether chosen or not
    Waiting, // chosen, its turn not yet come
    Transferred, // its transfer has begun (and is kept once done)
};
