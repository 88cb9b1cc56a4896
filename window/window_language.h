#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QUrl>

namespace vellumo {

// The languages the window speaks besides English: those of eBay's big European sites.
inline const QStringList kTranslatedLanguages = {QStringLiteral("de"), QStringLiteral("fr"),
                                                 QStringLiteral("it"), QStringLiteral("es")};

// The window's language ("en", "de", ...) for the desktop's languages in the seller's order of preference, as
// QLocale::system().uiLanguages() gives them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG: the first that the
// window speaks; English when it speaks none of them.
QString WindowLanguageFor(const QStringList& uiLanguages);

// While it lives, the application speaks the language: the window's own texts, those of Qt's standard buttons
// and dialogs, and numbers written the language's way. English needs no translation.
class WindowTranslation final {
public:
    explicit WindowTranslation(const QString& language);
    ~WindowTranslation();
    WindowTranslation(const WindowTranslation&) = delete;
    WindowTranslation& operator=(const WindowTranslation&) = delete;

private:
    QLocale m_previousLocale;
    QTranslator m_windowTexts;
    QTranslator m_qtTexts;
};

// The help guide in the window's language where it has been translated, in English otherwise.
QUrl GuidePage();

} // namespace vellumo
