// Installs the build into a temporary prefix and checks what a desktop finds there.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct ProcessRun {
    int exitCode = -1;
    QString output;
};

ProcessRun run(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ProcessRun result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.output = QStringLiteral("did not finish");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

class InstallTree : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir;
        const ProcessRun install = run(QStringLiteral("cmake"),
                                       {QStringLiteral("--install"), QStringLiteral(TAVRIN_BUILD_DIR),
                                        QStringLiteral("--prefix"), prefix->path()});
        installed = install.exitCode == 0;
        installLog = install.output;
    }
    static void TearDownTestSuite()
    {
        delete prefix;
        prefix = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installed) << installLog.toStdString(); }

    static QString at(const QString &relative) { return QDir(prefix->path()).filePath(relative); }

    static void expectToolAccepts(const QString &tool, const QStringList &arguments)
    {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool.toStdString() << " is not installed (scripts/ensure-deps.sh installs it)";
        const ProcessRun check = run(tool, arguments);
        EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    }

    static inline QTemporaryDir *prefix = nullptr;
    static inline bool installed = false;
    static inline QString installLog;
};

TEST_F(InstallTree, HoldsTheProgramsTemplateAndDesktopFiles)
{
    for (const char *file :
         {"bin/tavrin", "bin/tavrin-cli", "bin/tavrin-sim", "share/tavrin/default.mdb",
          "share/applications/org.tavrin.Tavrin.desktop", "share/metainfo/org.tavrin.Tavrin.metainfo.xml",
          "share/mime/packages/tavrin-schedule.xml", "share/icons/hicolor/scalable/apps/tavrin.svg",
          "share/icons/hicolor/32x32/apps/tavrin.png", "share/icons/hicolor/64x64/apps/tavrin.png",
          "lib/systemd/user/tavrin-clock.service", "lib/systemd/user/tavrin-clock.timer",
          "lib/systemd/user/tavrin-sync.service", "lib/systemd/user/tavrin-sync.timer",
          "lib/systemd/user/tavrin-site-sync.service", "lib/systemd/user/tavrin-site-sync.timer",
          "lib/systemd/user/tavrin-site-clock.service", "lib/systemd/user/tavrin-site-clock.timer"})
        EXPECT_TRUE(QFileInfo(at(QString::fromLatin1(file))).isFile()) << file;
    // the template lives in the data folder only: the program must find it there
    EXPECT_FALSE(QFileInfo::exists(at(QStringLiteral("bin/default.mdb"))));
}

TEST_F(InstallTree, DesktopFilePassesValidation)
{
    expectToolAccepts(QStringLiteral("desktop-file-validate"),
                      {at(QStringLiteral("share/applications/org.tavrin.Tavrin.desktop"))});
}

TEST_F(InstallTree, MetainfoPassesValidation)
{
    expectToolAccepts(QStringLiteral("appstreamcli"),
                      {QStringLiteral("validate"), QStringLiteral("--no-net"),
                       at(QStringLiteral("share/metainfo/org.tavrin.Tavrin.metainfo.xml"))});
}

// Only SQLite files marked as schedules are ours; an ordinary .mdb is left to whoever owns it.
TEST_F(InstallTree, MimeTypeClaimsMarkedScheduleFilesOnly)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    // One cache with the system's types beside ours, as a package install builds it.
    const QString system = QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml");
    if (!QFileInfo::exists(system))
        GTEST_SKIP() << "shared-mime-info is not installed";
    ASSERT_TRUE(QFile::copy(system, at(QStringLiteral("share/mime/packages/freedesktop.org.xml"))));
    ASSERT_EQ(run(QStringLiteral("update-mime-database"), {at(QStringLiteral("share/mime"))}).exitCode, 0);
    qputenv("XDG_DATA_DIRS", at(QStringLiteral("share")).toLocal8Bit());

    QTemporaryDir files;
    auto write = [&](const char *name, QByteArray header, const char *atOffset68) {
        header.resize(4096, '\0');
        if (*atOffset68)
            header.replace(68, 4, atOffset68);
        QFile file(files.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(header);
        return file.fileName();
    };
    const QByteArray sqlite("SQLite format 3", 16);
    const QByteArray jet("\x00\x01\x00\x00Standard Jet DB", 19);
    const QMimeDatabase mime;
    EXPECT_EQ(mime.mimeTypeForFile(write("week.mdb", sqlite, "TAVR")).name().toStdString(),
              "application/x-tavrin-schedule");
    EXPECT_EQ(mime.mimeTypeForFile(write("access.mdb", jet, "")).name().toStdString(), "application/vnd.ms-access");
    EXPECT_NE(mime.mimeTypeForFile(write("other.mdb", sqlite, "ABCD")).name().toStdString(),
              "application/x-tavrin-schedule");
}

TEST_F(InstallTree, InstalledProgramsAnswerAndTheProgramStartsOnTheInstalledTemplate)
{
    const QString program = at(QStringLiteral("bin/tavrin"));
    const ProcessRun version = run(program, {QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output.trimmed(), QStringLiteral("tavrin " TAVRIN_VERSION));
    for (const QString &tool : {QStringLiteral("tavrin-cli"), QStringLiteral("tavrin-sim")}) {
        const ProcessRun answer = run(at(QStringLiteral("bin/") + tool), {QStringLiteral("--version")});
        EXPECT_EQ(answer.exitCode, 0) << tool.toStdString();
        EXPECT_EQ(answer.output.trimmed(), tool + QStringLiteral(" " TAVRIN_VERSION));
    }

    const ProcessRun help = run(program, {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains(QStringLiteral("Usage: tavrin")));
    EXPECT_TRUE(
        help.output.contains(QStringLiteral("Template schedule: ") + at(QStringLiteral("share/tavrin/default.mdb"))))
        << help.output.toStdString();

    const ProcessRun wrong = run(program, {QStringLiteral("--no-such-option")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.output.contains(QStringLiteral("Unknown option")));

    // The window comes up offscreen on its own settings and stays until it is told to quit.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    QProcess window;
    window.setProcessEnvironment(env);
    window.setProcessChannelMode(QProcess::MergedChannels);
    window.start(program, {});
    ASSERT_TRUE(window.waitForStarted());
    EXPECT_FALSE(window.waitForFinished(2500)) << window.readAll().toStdString();
    window.terminate();
    EXPECT_TRUE(window.waitForFinished(10000));
}

} // namespace
