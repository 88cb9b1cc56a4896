#include "window_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace vellumo {

namespace {

const QString kEnglish = QStringLiteral("en");

// "de" of "de-DE", "de_AT" or "de".
QString LanguageOf(const QString& uiLanguage) {
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

QString WindowLanguageFor(const QStringList& uiLanguages) {
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = LanguageOf(uiLanguage);
        if (language == kEnglish || kTranslatedLanguages.contains(language)) {
            return language;
        }
    }
    return kEnglish;
}

WindowTranslation::WindowTranslation(const QString& language)
    : m_previousLocale(QLocale()) {
    // The desktop's own way of writing numbers where it is of the same language ("de_CH"), the language's
    // usual one otherwise: an English window on a Dutch desktop writes 1,500 as its sentences expect.
    const QLocale system = QLocale::system();
    QLocale::setDefault(LanguageOf(system.name()) == language ? system : QLocale(language));
    if (!kTranslatedLanguages.contains(language)) {
        return;
    }
    if (m_windowTexts.load(QStringLiteral(":/i18n/vellumo_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(&m_windowTexts);
    }
    // Debian's qt6-translations-l10n; without it the standard buttons stay English.
    if (m_qtTexts.load(QStringLiteral("qtbase_") + language,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qtTexts);
    }
}

// The translators take themselves out as they go.
WindowTranslation::~WindowTranslation() {
    QLocale::setDefault(m_previousLocale);
}

QUrl GuidePage() {
    const QString translated =
        QStringLiteral(":/guide/guide.%1.html").arg(QLocale::languageToCode(QLocale().language()));
    return QFile::exists(translated) ? QUrl(QStringLiteral("qrc") + translated)
                                     : QUrl(QStringLiteral("qrc:/guide/guide.html"));
}

} // namespace vellumo
