#pragma once

#include "check/listing_check.h"
#include "check/speller.h"
#include "library/app_paths.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>
#include <optional>
#include <set>

class QWidget;

namespace vellumo {

class MessageBoxes;

// The window's spelling: the language the listing is written in, kept in Settings.ini, and its speller with
// the seller's own words, shared by every text box and the check before paste. A dictionary opens in the
// background (it takes a quarter of a second); a missing one is told once and spelling stays off.
class Spelling final : public QObject {
    Q_OBJECT
public:
    Spelling(const AppPaths& paths, MessageBoxes& messageBoxes, QWidget* window);
    ~Spelling() override;

    // Opens the dictionary of the language Settings.ini keeps, or of the desktop's language when none.
    void start();
    ListingLanguage language() const { return m_language; }
    // The seller's choice: kept in Settings.ini, and its dictionary opened.
    void chooseLanguage(ListingLanguage language);
    // The speller while spelling is on; none while the dictionary opens, or when it is missing.
    const Speller* speller() const;
    // What the check before paste needs to know of the language and spelling.
    CheckOptions checkOptions() const { return {m_language, speller()}; }

    // "Add to dictionary": into My Words.txt and known from now on; the seller is told when it cannot be
    // kept.
    void addWord(const QString& word);
    // "Ignore": known until the program closes.
    void ignoreWord(const QString& word);

signals:
    // Spelling came on, went off or learnt a word: every box underlines again.
    void changed();

private:
    void open();
    void opened();

    AppPaths m_paths;
    MessageBoxes& m_messageBoxes;
    QWidget* m_window;
    ListingLanguage m_language = ListingLanguage::EnglishUs;
    std::optional<Speller> m_speller;
    QFutureWatcher<std::shared_ptr<Result<Speller>>> m_opening;
    std::set<ListingLanguage> m_toldMissing;
};

} // namespace vellumo
