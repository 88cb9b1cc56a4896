// The window in every language it speaks: each text lupdate finds in the window's sources has its finished
// translation.

#include "window_test_support.h"

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace vellumo;
using namespace vellumo::test;

namespace {

struct SourceText {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
};

// Every text lupdate found in the window's sources, as it wrote them for the build.
std::vector<SourceText> WindowTexts() {
    QFile file(QStringLiteral(VELLUMO_WINDOW_TEXTS));
    std::vector<SourceText> texts;
    if (!file.open(QIODevice::ReadOnly)) {
        return texts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            texts.push_back(
                {context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")});
        } else if (xml.name() == QLatin1String("source")) {
            texts.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            texts.back().comment = xml.readElementText();
        }
    }
    return texts;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void EveryTextHasItsFinishedTranslation_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : kTranslatedLanguages) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void EveryTextHasItsFinishedTranslation() {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/vellumo_%1.qm").arg(language)));
        const std::vector<SourceText> texts = WindowTexts();
        QVERIFY(texts.size() > 200);
        QStringList untranslated;
        for (const SourceText& text : texts) {
            const QByteArray context = text.context.toUtf8();
            const QByteArray source = text.source.toUtf8();
            const QByteArray comment = text.comment.toUtf8();
            for (const int count : text.numerus ? std::vector<int>{1, 5} : std::vector<int>{-1}) {
                if (translator
                        .translate(context, source, comment.isEmpty() ? nullptr : comment.constData(), count)
                        .isEmpty()) {
                    untranslated << text.context + QStringLiteral(": ") + text.source;
                }
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }
};

VELLUMO_WINDOW_TEST_MAIN(TranslationsTest)
#include "test_translations.moc"
