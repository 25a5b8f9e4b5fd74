#pragma once

#include <cstdint>

// What marks a SQLite file as one of this program's schedule files. Both numbers live in the
// file's header (PRAGMA application_id, PRAGMA user_version) and are set in the template.
namespace ScheduleFileFormat {

// The bytes "TAVR".
constexpr std::int32_t kApplicationId = 0x54415652;

// The layout of the weekday tables this program reads and writes. Files of a higher version
// are refused; files of version 0 without an application id (written before the id was set)
// are schedule files of version 1.
constexpr int kSchemaVersion = 1;

// The longest text the loader takes into a schedule field, far above anything the editor
// makes (a time is 16 characters); longer values come only from foreign or hostile files,
// and this keeps a loaded week within a few tens of megabytes.
constexpr int kMaxFieldBytes = 1024;

// The longest single value SQLite will hand the loader; anything longer is an error of the
// file rather than an allocation of the program.
constexpr int kMaxValueBytes = 1 << 20;

} // namespace ScheduleFileFormat
