#pragma once

// The names Qt keeps the program's settings and data under (QSettings, QStandardPaths). The
// program and tavrin-cli give the same, so they keep one journal.
namespace ProgramNames {
constexpr const char *kOrganization = "Local AppWizard-Generated Applications";
constexpr const char *kApplication = "Tavrin";
} // namespace ProgramNames
