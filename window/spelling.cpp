#include "spelling.h"

#include "core_text.h"
#include "library/own_words.h"
#include "library/settings.h"
#include "message_boxes.h"
#include "program_look.h"

#include <QLocale>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <QtDebug>

namespace vellumo {

Spelling::Spelling(const AppPaths& paths, MessageBoxes& messageBoxes, QWidget* window)
    : QObject(window)
    , m_paths(paths)
    , m_messageBoxes(messageBoxes)
    , m_window(window) {
    connect(&m_opening, &QFutureWatcher<std::shared_ptr<Result<Speller>>>::finished, this, &Spelling::opened);
}

Spelling::~Spelling() {
    m_opening.waitForFinished();
}

void Spelling::start() {
    const std::string kept = LoadChoice(m_paths, kSpellingLanguageKey, "");
    m_language = LanguageByCode(kept).value_or(LanguageForLocale(ToCore(QLocale::system().name())));
    open();
}

void Spelling::chooseLanguage(ListingLanguage language) {
    if (const Outcome saved = SaveChoice(m_paths, kSpellingLanguageKey, InfoOf(language).code); !saved) {
        qWarning("Vellumo: the spelling language could not be kept in %s: %s", m_paths.settingsFile().c_str(),
                 saved.message().c_str());
    }
    if (language != m_language) {
        m_language = language;
        open();
    }
}

const Speller* Spelling::speller() const {
    return m_speller ? &*m_speller : nullptr;
}

void Spelling::open() {
    m_speller.reset();
    emit changed();
    // The seller's words are read here, so a word added while a dictionary opens is not lost.
    Result<std::vector<std::string>> ownWords = LoadOwnWords(m_paths);
    if (!ownWords) {
        qWarning("Vellumo: %s could not be read: %s", m_paths.ownWordsFile().c_str(),
                 ownWords.message().c_str());
    }
    m_opening.setFuture(QtConcurrent::run([folder = m_paths.dictionaryFolder, language = m_language,
                                           words = ownWords ? *ownWords : std::vector<std::string>()] {
        return std::make_shared<Result<Speller>>(Speller::Open(folder, language, words));
    }));
}

void Spelling::opened() {
    // The watcher reports the last dictionary asked for only: that of the language chosen now.
    const std::shared_ptr<Result<Speller>> result = m_opening.result();
    if (!*result) {
        const LanguageInfo& info = InfoOf(m_language);
        if (m_toldMissing.insert(m_language).second) {
            m_messageBoxes.warning(m_window, kProgramTitle,
                                   tr("Spelling is off: the %1 dictionary could not be opened (%2/%3.dic: "
                                      "%4). Install the Debian "
                                      "package %5 to check spelling in %1.")
                                       .arg(FromCore(info.caption), FromCore(m_paths.dictionaryFolder),
                                            FromCore(info.code), FromCore(result->message()),
                                            FromCore(info.dictionary)));
        }
        return;
    }
    m_speller = std::move(**result);
    emit changed();
}

void Spelling::addWord(const QString& word) {
    if (const Outcome added = AddOwnWord(m_paths, ToCore(word)); !added) {
        m_messageBoxes.warning(m_window, kProgramTitle,
                               tr("\"%1\" could not be added to your words in %2: %3.")
                                   .arg(word, FromCore(m_paths.ownWordsFile()), FromCore(added.message())));
        return;
    }
    if (m_speller) {
        m_speller->addWord(ToCore(word));
        emit changed();
    }
}

void Spelling::ignoreWord(const QString& word) {
    if (m_speller) {
        m_speller->ignore(ToCore(word));
        emit changed();
    }
}

} // namespace vellumo
