#pragma once

#include "library/app_paths.h"
#include "library/hosting_settings.h"
#include "photo/photo_preparation.h"
#include "platform/picture_upload.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <deque>
#include <optional>

namespace vellumo {

class DesktopServices;
class MessageBoxes;
class PictureHostingDialog;

// What an upload comes back with: the photo's public address, or why there is none.
struct PhotoOutcome {
    std::string address;
    std::optional<UploadProblem> problem;
    std::optional<PhotoProblem> photoProblem; // the photo itself could not be used
};

// One photo on its way to the seller's web space. Lives until finished has been raised.
class PhotoUpload final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void cancel() { emit cancelRequested(); }

signals:
    void progressed(int percent);
    // The public address; empty when the upload failed (the seller has been told why) or was cancelled.
    void finished(const QString& address);
    void cancelRequested();
};

// The seller's picture hosting: its settings, the password for this run, and the uploads, one at a time
// off the window's thread. Asks for the set-up on the first upload and for the password when the
// keyring has none; says why when an upload fails.
class PictureHosting final : public QObject {
    Q_OBJECT
public:
    PictureHosting(const AppPaths& paths, MessageBoxes& messageBoxes, DesktopServices& desktop,
                   QObject* parent);
    ~PictureHosting() override;

    // Prepares and uploads the photo in the file; reports on the object returned.
    PhotoUpload* upload(QWidget* parent, const QString& file);
    // The desktop's chooser, for the photo files it can prepare.
    QStringList choosePhotos(QWidget* parent);
    // More photos given at once than the layout has empty picture boxes for.
    void tellPhotosLeftOut(QWidget* parent, int given, int taken);
    // "Picture hosting…": the settings dialog.
    void editSettings(QWidget* parent);
    // How uploads reach servers beyond the system's settings; tests give their own certificate and names.
    void setConnection(const UploadConnection& connection);

private:
    struct Job {
        PhotoUpload* upload = nullptr;
        QString file;
        std::string acceptedHostKey;
    };

    void loadSettings();
    void proceed();
    void obtainPassword();
    void askPassword();
    void start(Job job);
    void finish(const PhotoOutcome& outcome);
    // Ends the uploads still waiting, when what stopped one would stop them all.
    void dropWaiting();
    QString keyringKey() const;
    void showSettingsDialog(const std::optional<QString>& password);
    // What the dialog gave: the settings into Settings.ini, the password into the keyring.
    void keepSettings(const HostingSettings& settings, const QString& password);

    AppPaths m_paths;
    MessageBoxes& m_messageBoxes;
    DesktopServices& m_desktop;
    HostingSettings m_settings;
    bool m_settingsLoaded = false;
    std::optional<QString> m_password;   // for this run only; never written anywhere but the keyring
    bool m_askRatherThanKeyring = false; // the keyring's password was refused
    bool m_readingKeyring = false;
    UploadConnection m_connection;
    QPointer<QWidget> m_parent; // where questions and messages show
    QPointer<PictureHostingDialog> m_dialog;
    std::deque<Job> m_waiting;
    std::optional<Job> m_running;
    QFutureWatcher<PhotoOutcome> m_runningWatcher;
    QThreadPool m_worker;
};

} // namespace vellumo
