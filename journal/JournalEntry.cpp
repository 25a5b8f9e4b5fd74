#include "journal/JournalEntry.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<JournalKind, const char *>, 5> kKinds = {{
    {JournalKind::Download, "download"},
    {JournalKind::AllClear, "all-clear"},
    {JournalKind::Upload, "upload"},
    {JournalKind::Comparison, "comparison"},
    {JournalKind::ClockSet, "clock-set"},
}};
constexpr std::array<std::pair<JournalOutcome, const char *>, 6> kOutcomes = {{
    {JournalOutcome::Completed, "completed"},
    {JournalOutcome::Refused, "refused"},
    {JournalOutcome::NoResponse, "no-response"},
    {JournalOutcome::LineError, "line-error"},
    {JournalOutcome::Cancelled, "cancelled"},
    {JournalOutcome::PortFailed, "port-failed"},
}};

template <typename Table, typename Value> QString nameIn(const Table &table, Value value)
{
    for (const auto &[v, name] : table) {
        if (v == value)
            return QString::fromLatin1(name);
    }
    return QString();
}

template <typename Value, typename Table> std::optional<Value> valueIn(const Table &table, const QString &name)
{
    for (const auto &[v, n] : table) {
        if (name == QLatin1String(n))
            return v;
    }
    return std::nullopt;
}
} // namespace

QString journalKindName(JournalKind kind)
{
    return nameIn(kKinds, kind);
}

QString journalOutcomeName(JournalOutcome outcome)
{
    return nameIn(kOutcomes, outcome);
}

std::optional<JournalKind> journalKindFromName(const QString &name)
{
    return valueIn<JournalKind>(kKinds, name);
}

std::optional<JournalOutcome> journalOutcomeFromName(const QString &name)
{
    return valueIn<JournalOutcome>(kOutcomes, name);
}
