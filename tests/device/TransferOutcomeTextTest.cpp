#include "device/TransferOutcomeText.h"

#include <gtest/gtest.h>

// The operator's words depend on the exchange as well as on how it ended: a mix-up would put
// Download's text on Upload's silence.
TEST(TransferOutcomeText, EachExchangeAndEndHasItsDialogText)
{
    using X = TransferExchange;
    using E = TransferEnd;
    const struct {
        X exchange;
        E end;
        const char *text;
        const char *caption;
    } table[] = {
        {X::Download, E::Completed, "Downloading complete", "Tavrin"},
        {X::Download, E::Refused, "..", "Refused by the device"},
        {X::Download, E::NoResponse, "Make no Response", ""},
        {X::Download, E::Cancelled, "", ""},
        {X::Download, E::PortFailed, "Serial Port Open Fail", ""},
        {X::Upload, E::Completed, "Uploading complete", "Tavrin"},
        {X::Upload, E::LineError, "Line Error", ""},
        {X::Upload, E::NoResponse, "Communication error", ""},
        {X::Upload, E::Cancelled, "", ""},
        {X::Clock, E::Completed, "", ""},
        {X::Clock, E::LineError, "", ""},
    };
    for (const auto &row : table) {
        TransferOutcome outcome;
        outcome.exchange = row.exchange;
        outcome.end = row.end;
        const OutcomeMessage message = transferOutcomeMessage(outcome);
        EXPECT_EQ(message.text, QString::fromLatin1(row.text)) << int(row.exchange) << ' ' << int(row.end);
        EXPECT_EQ(message.caption, QString::fromLatin1(row.caption)) << int(row.exchange) << ' ' << int(row.end);
        EXPECT_EQ(message.icon == OutcomeMessage::Icon::Information, row.end == E::Completed && row.caption[0]);
    }
}

// An Upload that left weekdays out still completes, but says which, with a warning.
TEST(TransferOutcomeText, AnUploadWithLineErrorsNamesTheWeekdaysNotTaken)
{
    TransferOutcome outcome;
    outcome.exchange = TransferExchange::Upload;
    outcome.lineErrorDays = {1, 3};
    const OutcomeMessage message = transferOutcomeMessage(outcome);
    EXPECT_EQ(message.text, "Uploading complete\n\nNot taken (Line Error): Monday, Wednesday.");
    EXPECT_EQ(message.caption, "Tavrin");
    EXPECT_EQ(message.icon, OutcomeMessage::Icon::Warning);
}

// A screen reader hears where each day box stands, in the exchange's own direction.
TEST(TransferOutcomeText, DayBoxesAreNamedByTheirDayAndState)
{
    const QString monday = QStringLiteral("Monday");
    EXPECT_EQ(dayBoxName(monday, DayBoxState::Normal, TransferExchange::Download), "Monday");
    EXPECT_EQ(dayBoxName(monday, DayBoxState::Waiting, TransferExchange::Download), "Monday, waiting");
    EXPECT_EQ(dayBoxName(monday, DayBoxState::Transferred, TransferExchange::Download), "Monday, sent");
    EXPECT_EQ(dayBoxName(monday, DayBoxState::Transferred, TransferExchange::Upload), "Monday, received");
}
