#pragma once

#include "library/hosting_settings.h"
#include "photo/photo_preparation.h"
#include "platform/picture_upload.h"

#include <QString>

namespace vellumo {

// Why a photo did not reach the seller's web space, worded for the seller in the window's language; the
// core says what happened and with which values. Words of libcurl, the system or Qt follow as given.

// The protocol as the Picture Hosting dialog offers it: "FTP with TLS (FTPS)".
QString ProtocolCaption(HostingProtocol protocol);
QString HostingSettingsText(HostingSettingsFault fault, const HostingSettings& settings);
QString UploadProblemText(const UploadProblem& problem);
// file: the photo's path; its name is shown.
QString PhotoProblemText(const PhotoProblem& problem, const QString& file);

} // namespace vellumo
