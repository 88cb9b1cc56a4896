// A keystroke in a paragraph box of 5,000 words with spelling on, from the key to the line underlined again:
// once with the paragraph on one line (the whole paragraph is its changed line) and once in 100 lines of 50
// words (only the changed line is checked again).

#include "offscreen_benchmarks.h"

#include "window/message_boxes.h"
#include "window/spell_highlighter.h"
#include "window/spelling.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <benchmark/benchmark.h>

namespace {

using namespace vellumo;

constexpr std::string_view kSellerText =
    "Hand thrown stoneware teapot in a deep blue glaze that breaks to brown at the rim. It holds six cups "
    "and "
    "pours without drips; the lid sits deep and stays put. Dishwasher safe, shipped double boxed with "
    "tracking. Small chip under the foot, see the last photo. Made in Cornwall in the nineties, signed on "
    "the "
    "base with the maker's mark. Ask me anything before you bid, I answer the same day. ";

QString paragraphOf(int wordsPerLine) {
    QString text;
    int words = 0;
    while (words < 5000) {
        for (const QString& word : QString::fromUtf8(kSellerText.data(), kSellerText.size()).split(' ')) {
            if (word.isEmpty() || words == 5000) {
                continue;
            }
            // A typo now and then, and a different word each time so the speller cannot know them all.
            text += (words % 97 == 0 ? QStringLiteral("condtion%1").arg(QChar(u'a' + words % 26)) : word);
            ++words;
            text += words % wordsPerLine == 0 ? QStringLiteral("\n") : QStringLiteral(" ");
        }
    }
    return text;
}

void KeystrokeInParagraph(benchmark::State& state) {
    QTemporaryDir folder;
    AppPaths paths;
    paths.appFolder = folder.path().toStdString();
    QtMessageBoxes messageBoxes;
    QWidget window;
    Spelling spelling(paths, messageBoxes, &window);
    spelling.start();
    spelling.chooseLanguage(ListingLanguage::EnglishUk);
    QElapsedTimer waited;
    waited.start();
    while (spelling.speller() == nullptr && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    if (spelling.speller() == nullptr) {
        state.SkipWithError("the en_GB dictionary did not open");
        return;
    }
    QPlainTextEdit box(&window);
    new SpellHighlighter(&box, spelling);
    box.setPlainText(paragraphOf(static_cast<int>(state.range(0))));
    QTextCursor typing(box.document());
    typing.movePosition(QTextCursor::End);
    for (auto _ : state) {
        typing.insertText(QStringLiteral("e"));
    }
    int underlined = 0;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        underlined += static_cast<int>(block.layout()->formats().size());
    }
    state.counters["underlined"] = underlined;
    state.SetLabel(state.range(0) == 5000 ? "5,000 words on one line" : "5,000 words in 100 lines");
}
BENCHMARK(KeystrokeInParagraph)->Arg(5000)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return vellumo::bench::RunOffscreenBenchmarks(argc, argv);
}
