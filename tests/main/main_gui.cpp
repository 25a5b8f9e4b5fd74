#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Transfers made by tests, and by the programs they start, go to a journal of their own.
    QTemporaryDir journalDir;
    if (qEnvironmentVariableIsEmpty("TAVRIN_JOURNAL"))
        qputenv("TAVRIN_JOURNAL", journalDir.filePath(QStringLiteral("journal.sqlite")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
