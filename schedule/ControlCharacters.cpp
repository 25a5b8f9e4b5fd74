#include "schedule/ControlCharacters.h"

#include <algorithm>

bool holdsControlCharacter(std::string_view utf8)
{
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x20 || byte == 0x7F)
            return true;
        // U+0080..U+009F are C2 80..C2 9F in UTF-8
        if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F
            && static_cast<unsigned char>(utf8[i + 1]) >= 0x80)
            return true;
    }
    return false;
}

bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F);
    });
}
