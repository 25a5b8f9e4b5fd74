#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Transfers made by tests, and by the programs they start, go to a journal of their own.
    QTemporaryDir journalDir;
    if (qEnvironmentVariableIsEmpty("TAVRIN_JOURNAL"))
        qputenv("TAVRIN_JOURNAL", journalDir.filePath(QStringLiteral("journal.sqlite")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
