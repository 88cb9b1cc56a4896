// Start-up: the compatibility entry and the settings, the library lists, and the single-instance rule
// with the real program.

#include "library/file_search.h"
#include "platform/compatibility_entry.h"
#include "platform/key_store.h"
#include "platform/key_store_reader.h"
#include "platform/single_instance.h"
#include "running_instance.h"
#include "saved_notice.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTest>

#include <optional>

using namespace vellumo;
using namespace vellumo::test;
using vellumo::testing::ReadRegistryString;

namespace {

// The real program on its own folders, as a seller's second start would run it.
struct ProgramFolders {
    QTemporaryDir root;
    QString runtime = root.path() + "/run";
    QString dataHome;

    // The data home's own name is dataNameLength long: a long one made a socket path in the data folder
    // longer than the system takes.
    explicit ProgramFolders(int dataNameLength = 4)
        : dataHome(root.path() + "/" + QString(dataNameLength, QLatin1Char('d'))) {
        // A runtime folder as a desktop session has one: the user's alone.
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(dataHome);
    }
    std::string dataFolder() const { return dataHome.toStdString() + "/Vellumo"; }
    QString settingsFile() const { return dataHome + "/Vellumo/Settings.ini"; }
    void start(QProcess& program) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("XDG_DATA_HOME", dataHome);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELLUMO_EXECUTABLE), {});
    }
};

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void CompatibilityEntryOnlyWhileFlagIsZero_data() {
        QTest::addColumn<std::optional<std::string>>("settings");
        QTest::addColumn<bool>("writesEntry");
        QTest::addColumn<bool>("savedTicked");
        QTest::newRow("no settings file") << std::optional<std::string>() << true << false;
        QTest::newRow("flag 0") << std::optional<std::string>("[Settings]\r\nSaved=0\r\nPathSave=0\r\n")
                                << true << false;
        QTest::newRow("flag absent") << std::optional<std::string>("[Settings]\r\nSaved=1\r\n") << true
                                     << true;
        QTest::newRow("flag 1") << std::optional<std::string>(
                                       "[Settings]\r\nSaved=1\r\nPathSave=1\r\nPath=C:\\\r\n")
                                << false << true;
        QTest::newRow("flag a word") << std::optional<std::string>("[Settings]\r\nPathSave=done\r\n") << false
                                     << false;
        QTest::newRow("flag empty") << std::optional<std::string>("[Settings]\r\nPathSave=\r\n") << false
                                    << false;
    }

    void CompatibilityEntryOnlyWhileFlagIsZero() {
        QFETCH(std::optional<std::string>, settings);
        QFETCH(bool, writesEntry);
        QFETCH(bool, savedTicked);
        WindowUnderTest under;
        const std::string settingsFile = under.paths.settingsFile();
        if (settings) {
            QVERIFY(WriteText(settingsFile, *settings));
        }
        // The entry belongs to start-up proper: it is in the store before the seller sees the window.
        std::optional<bool> entryBeforeShown;
        QObject::connect(under.window.get(), &MainWindow::shown, [&] {
            entryBeforeShown = ReadRegistryString(under.paths.keyStoreFile, kCompatibilityLayersKey,
                                                  under.paths.executablePath)
                                   .has_value();
        });
        QVERIFY(under.load());

        QCOMPARE(entryBeforeShown, std::optional<bool>(writesEntry));
        QCOMPARE(under.window->savedNotice()->checkBox()->isChecked(), savedTicked);
        const std::optional<std::string> entry =
            ReadRegistryString(under.paths.keyStoreFile, kCompatibilityLayersKey, under.paths.executablePath);
        if (writesEntry) {
            QCOMPARE(entry.value_or("<none>"), std::string(kCompatibilityMode));
            const std::string written = ReadFile(settingsFile);
            QVERIFY(written.find("PathSave=1") != std::string::npos);
            QVERIFY(written.find(savedTicked ? "Saved=1" : "Saved=0") != std::string::npos);
            QVERIFY(written.find("Path=" + under.paths.executablePath) != std::string::npos);
        } else {
            QVERIFY(!entry);
            QVERIFY(!FileExists(under.paths.keyStoreFile));
            QCOMPARE(ReadFile(settingsFile), *settings);
        }
    }

    void LibraryListsShowSavedFilesWithNothingSelected() {
        WindowUnderTest under;
        const std::string folder = under.paths.templateFolder();
        QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
        for (const char* name : {"Blue teapot-3", "Blue teapot.txt", "notes.doc", "old-7", "a.txt.txt"}) {
            QVERIFY(WriteText(folder + name, "x"));
        }
        QVERIFY(under.load());
        const auto* templates = under.child<QListWidget>("lstPlates");
        const auto* codes = under.child<QListWidget>("lstCode");
        QCOMPARE(Entries(templates), (QStringList{"Blue teapot-3", "old-7"}));
        QCOMPARE(Entries(codes), (QStringList{"a", "Blue teapot"}));
        QVERIFY(templates->selectedItems().isEmpty());
        QVERIFY(codes->selectedItems().isEmpty());
    }

    void SecondStartBringsTheRunningWindowToTheFront_data() {
        QTest::addColumn<int>("dataNameLength");
        QTest::newRow("short folders") << 4;
        QTest::newRow("data folder past a socket path's 108 bytes") << 120;
    }

    // The lock lives in the data folder: a second start with another runtime folder still finds the first,
    // brings its window to the front (restored from the task bar) and ends without writing anything.
    void SecondStartBringsTheRunningWindowToTheFront() {
        QFETCH(int, dataNameLength);
        ProgramFolders folders(dataNameLength);
        {
            WindowUnderTest under;
            QVERIFY(under.load());
            const std::string dataFolder = folders.dataFolder();
            QVERIFY(QDir().mkpath(QString::fromStdString(dataFolder)));
            auto running = SingleInstanceLock::Acquire(dataFolder);
            QVERIFY(running.has_value());
            RunningInstance doorbell;
            QVERIFY(doorbell.listen(*running, dataFolder));
            connect(&doorbell, &RunningInstance::raiseRequested, under.window.get(),
                    &MainWindow::comeToFront);
            under.window->showMinimized();
            QTRY_VERIFY(under.window->windowState() & Qt::WindowMinimized);

            QProcess second;
            folders.start(second);
            // The window answers the ring from its event loop, which must run meanwhile.
            QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.exitCode(), 0);
            const QByteArray complaints = second.readAllStandardError();
            QVERIFY2(complaints.isEmpty(), complaints.constData());
            QTRY_VERIFY(!(under.window->windowState() & Qt::WindowMinimized));
            QVERIFY(under.window->isVisible());
            // Nothing written: a first start would have created the settings file.
            QVERIFY(!QFile::exists(folders.settingsFile()));
        }

        // With nobody holding the lock the same start does come up, and writes its settings.
        QProcess first;
        folders.start(first);
        QVERIFY(first.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folders.settingsFile()), 20000);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        if (!first.waitForFinished(10000)) {
            first.kill();
            first.waitForFinished(5000);
        }
    }

    void SecondStartThatGetsNoAnswerSaysSo_data() {
        QTest::addColumn<bool>("listening");
        QTest::newRow("first start not listening") << false;
        QTest::newRow("first start stopped") << true;
    }

    // Rather than ending in silence, the second start shows a message box saying what to do, and waits.
    void SecondStartThatGetsNoAnswerSaysSo() {
        QFETCH(bool, listening);
        ProgramFolders folders;
        QVERIFY(QDir().mkpath(QString::fromStdString(folders.dataFolder())));
        auto running = SingleInstanceLock::Acquire(folders.dataFolder());
        QVERIFY(running.has_value());
        RunningInstance doorbell;
        if (listening) {
            QVERIFY(doorbell.listen(*running, folders.dataFolder()));
        }

        // No event loop runs here meanwhile, as in a first start that is stopped.
        QProcess second;
        second.setReadChannel(QProcess::StandardError);
        folders.start(second);
        QByteArray complaints;
        while (!complaints.contains("does not answer") && second.waitForReadyRead(15000)) {
            complaints += second.readAllStandardError();
        }
        QVERIFY2(complaints.contains("Vellumo is already running"), complaints.constData());
        QVERIFY(complaints.contains("close it"));
        QVERIFY(!second.waitForFinished(1000));
        QCOMPARE(second.state(), QProcess::Running); // the message box waits for the seller
        second.kill();
        second.waitForFinished(5000);
    }
};

VELLUMO_WINDOW_TEST_MAIN(StartUpTest)
#include "test_start_up.moc"
