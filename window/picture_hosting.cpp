#include "picture_hosting.h"

#include "core_text.h"
#include "desktop_services.h"
#include "message_boxes.h"
#include "photo/photo_preparation.h"
#include "picture_hosting_dialog.h"
#include "program_look.h"
#include "upload_texts.h"

#include <QPromise>
#include <QtConcurrent>

namespace vellumo {

namespace {

constexpr int kPercent = 100;

// Failures that would stop every photo waiting after this one too.
bool StopsTheOthers(UploadFailure kind) {
    switch (kind) {
    case UploadFailure::WrongPassword:
    case UploadFailure::UnknownHostKey:
    case UploadFailure::ChangedHostKey:
    case UploadFailure::UntrustedCertificate:
    case UploadFailure::Unreachable:
    case UploadFailure::TimedOut:
    case UploadFailure::ServerFull:
        return true;
    default:
        return false;
    }
}

// Runs on the worker: prepare, then upload; the progress and a cancel travel through the promise.
void PrepareAndUpload(QPromise<PhotoOutcome>& promise, const QString& file, const UploadAccount& account,
                      const UploadConnection& connection) {
    promise.setProgressRange(0, kPercent);
    const PreparedPhoto photo = PreparePhoto(file);
    PhotoOutcome outcome;
    if (!photo) {
        outcome.photoProblem = photo.problem;
        promise.addResult(outcome);
        return;
    }
    const UploadResult result =
        UploadPicture(account, connection,
                      std::string_view(photo.jpeg.constData(), static_cast<std::size_t>(photo.jpeg.size())),
                      [&promise](double done) {
                          promise.setProgressValue(static_cast<int>(done * kPercent));
                          return !promise.isCanceled();
                      });
    outcome.address = result.address;
    outcome.problem = result.problem;
    promise.addResult(outcome);
}

} // namespace

PictureHosting::PictureHosting(const AppPaths& paths, MessageBoxes& messageBoxes, DesktopServices& desktop,
                               QObject* parent)
    : QObject(parent)
    , m_paths(paths)
    , m_messageBoxes(messageBoxes)
    , m_desktop(desktop) {
    m_connection.knownHostsFile = paths.knownHostsFile();
    m_worker.setMaxThreadCount(1);
    connect(&m_runningWatcher, &QFutureWatcher<PhotoOutcome>::progressValueChanged, this,
            [this](int percent) {
                if (m_running) {
                    emit m_running->upload->progressed(percent);
                }
            });
    connect(&m_runningWatcher, &QFutureWatcher<PhotoOutcome>::finished, this, [this] {
        const QFuture<PhotoOutcome> future = m_runningWatcher.future();
        PhotoOutcome outcome;
        if (future.resultCount() > 0) {
            outcome = future.result();
        } else {
            outcome.problem = UploadProblem{.kind = UploadFailure::Cancelled};
        }
        finish(outcome);
    });
}

PictureHosting::~PictureHosting() {
    m_runningWatcher.disconnect(this);
    m_runningWatcher.cancel();
    m_worker.waitForDone();
}

void PictureHosting::setConnection(const UploadConnection& connection) {
    m_connection = connection;
    m_connection.knownHostsFile = m_paths.knownHostsFile();
}

QString PictureHosting::keyringKey() const {
    return QStringLiteral("picture hosting %1@%2:%3")
        .arg(FromCore(m_settings.user), FromCore(m_settings.host), QString::number(PortOf(m_settings)));
}

QStringList PictureHosting::choosePhotos(QWidget* parent) {
    return m_desktop.choosePhotos(parent, tr("Photos to upload"), PhotoFilePatterns());
}

void PictureHosting::tellPhotosLeftOut(QWidget* parent, int given, int taken) {
    m_messageBoxes.information(
        parent, kProgramTitle,
        tr("%1 photos were given, but the layout has only %2 empty picture boxes left: the other %3 were not "
           "uploaded.")
            .arg(QString::number(given), QString::number(taken), QString::number(given - taken)));
}

void PictureHosting::loadSettings() {
    // Read at the first use rather than at start-up, which they would only slow.
    if (!m_settingsLoaded) {
        m_settings = LoadHostingSettings(m_paths);
        m_settingsLoaded = true;
    }
}

PhotoUpload* PictureHosting::upload(QWidget* parent, const QString& file) {
    loadSettings();
    m_parent = parent;
    auto* upload = new PhotoUpload(this);
    connect(upload, &PhotoUpload::cancelRequested, this, [this, upload] {
        if (m_running && m_running->upload == upload) {
            m_runningWatcher.cancel();
            return;
        }
        const auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(),
                                          [upload](const Job& job) { return job.upload == upload; });
        if (waiting != m_waiting.end()) {
            m_waiting.erase(waiting);
            emit upload->finished({});
            upload->deleteLater();
        }
    });
    m_waiting.push_back({upload, file, {}});
    proceed();
    return upload;
}

void PictureHosting::proceed() {
    if (m_running || m_waiting.empty() || m_dialog || m_readingKeyring) {
        return;
    }
    if (HostingSettingsProblem(m_settings)) {
        editSettings(m_parent);
        return;
    }
    if (!m_password) {
        obtainPassword();
        return;
    }
    Job job = std::move(m_waiting.front());
    m_waiting.pop_front();
    start(std::move(job));
}

void PictureHosting::obtainPassword() {
    if (m_askRatherThanKeyring) {
        askPassword();
        return;
    }
    m_readingKeyring = true;
    const QPointer<PictureHosting> self(this);
    m_desktop.readSecret(keyringKey(), [self](std::optional<QString> secret) {
        if (!self) {
            return;
        }
        self->m_readingKeyring = false;
        if (secret) {
            self->m_password = *secret;
            self->proceed();
        } else {
            self->askPassword();
        }
    });
}

void PictureHosting::askPassword() {
    const std::optional<QString> typed = m_messageBoxes.askPassword(
        m_parent, kProgramTitle,
        tr("The password of \"%1\" on %2 (Vellumo keeps it in the desktop's keyring, or in memory until it "
           "closes where there is no keyring):")
            .arg(FromCore(m_settings.user), FromCore(m_settings.host)));
    if (!typed) {
        dropWaiting();
        return;
    }
    m_password = *typed;
    m_askRatherThanKeyring = false;
    m_desktop.writeSecret(keyringKey(), *typed, [](bool) {});
    proceed();
}

void PictureHosting::start(Job job) {
    const UploadAccount account{m_settings, ToCore(*m_password)};
    UploadConnection connection = m_connection;
    connection.acceptedHostKey = job.acceptedHostKey;
    const QString file = job.file;
    m_running = std::move(job);
    m_runningWatcher.setFuture(QtConcurrent::run(&m_worker, &PrepareAndUpload, file, account, connection));
}

void PictureHosting::finish(const PhotoOutcome& outcome) {
    if (!m_running) {
        return;
    }
    Job job = std::move(*m_running);
    m_running.reset();
    const std::optional<UploadProblem>& problem = outcome.problem;
    if (problem && problem->kind == UploadFailure::UnknownHostKey &&
        m_messageBoxes.question(m_parent, kProgramTitle, HostKeyQuestion(*problem))) {
        job.acceptedHostKey = problem->hostKeyFingerprint;
        m_waiting.push_front(std::move(job));
        proceed();
        return;
    }
    if (outcome.photoProblem) {
        m_messageBoxes.warning(m_parent, kProgramTitle, PhotoProblemText(*outcome.photoProblem, job.file));
    } else if (problem && problem->kind != UploadFailure::Cancelled &&
               problem->kind != UploadFailure::UnknownHostKey) {
        m_messageBoxes.warning(m_parent, kProgramTitle, UploadProblemText(*problem));
    }
    if (problem && problem->kind == UploadFailure::WrongPassword) {
        m_password.reset();
        m_askRatherThanKeyring = true;
    }
    emit job.upload->finished(!outcome.photoProblem && !problem ? FromCore(outcome.address) : QString());
    job.upload->deleteLater();
    if (problem && StopsTheOthers(problem->kind)) {
        dropWaiting();
    }
    proceed();
}

void PictureHosting::dropWaiting() {
    std::deque<Job> dropped;
    dropped.swap(m_waiting);
    for (const Job& job : dropped) {
        emit job.upload->finished({});
        job.upload->deleteLater();
    }
}

void PictureHosting::editSettings(QWidget* parent) {
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    m_parent = parent;
    loadSettings();
    if (m_password || HostingSettingsProblem(m_settings)) {
        showSettingsDialog(m_password);
        return;
    }
    // The password the keyring holds, so that Test works without typing it again.
    m_readingKeyring = true;
    const QPointer<PictureHosting> self(this);
    m_desktop.readSecret(keyringKey(), [self](std::optional<QString> secret) {
        if (self) {
            self->m_readingKeyring = false;
            self->showSettingsDialog(secret);
        }
    });
}

void PictureHosting::keepSettings(const HostingSettings& settings, const QString& password) {
    m_settings = settings;
    if (const Outcome saved = SaveHostingSettings(m_paths, m_settings); !saved) {
        m_messageBoxes.warning(m_parent, kProgramTitle,
                               tr("The picture hosting settings could not be saved in %1: %2.")
                                   .arg(FromCore(m_paths.settingsFile()), FromCore(saved.message())));
    }
    if (!password.isEmpty()) {
        m_password = password;
        m_askRatherThanKeyring = false;
        m_desktop.writeSecret(keyringKey(), password, [](bool) {});
    }
}

void PictureHosting::showSettingsDialog(const std::optional<QString>& password) {
    m_dialog = new PictureHostingDialog(m_settings, password, m_connection, m_messageBoxes, m_parent);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Once the dialog is done (before it goes), the uploads waiting for it go on or end.
    connect(m_dialog, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted) {
            keepSettings(m_dialog->settings(), m_dialog->password());
        }
        m_dialog.clear();
        if (HostingSettingsProblem(m_settings)) {
            dropWaiting();
        }
        proceed();
    });
    m_dialog->open();
}

} // namespace vellumo
