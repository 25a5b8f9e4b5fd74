#pragma once

#include <QString>

#include <string_view>

// Program names, calendar notes and the fields of an entry never hold control characters
// (C0, DEL, C1): they are shown in the list, written to terminals by tavrin-cli and printed,
// where an ESC or a line break would act rather than show. Editors refuse them, imports refuse
// them, and a foreign file's rows holding any are left out as rows the program cannot show.
bool holdsControlCharacter(std::string_view utf8);
bool holdsControlCharacter(const QString &text);
