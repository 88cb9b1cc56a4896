// The window in every language it speaks: each text lupdate finds in the window's sources has its finished
// translation, and every caption fits the fixed window.

#include "window_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
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

// A caption as it shows, without the ampersands that mark its keyboard letter.
QString Shown(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// What of the widget's text does not fit its place, or runs under a control beside it; empty when all fits.
QStringList Misfits(const QWidget* top) {
    QStringList misfits;
    const auto report = [&misfits](const QWidget* widget, const QString& text) {
        misfits << QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text);
    };
    for (const QLabel* label : top->findChildren<QLabel*>()) {
        if (label->isHidden() || label->text().isEmpty()) {
            continue;
        }
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        if (label->wordWrap()
                ? label->heightForWidth(label->width()) > label->height()
                : label->textFormat() != Qt::RichText && textWidth > label->contentsRect().width()) {
            report(label, label->text());
            continue;
        }
        const QRect textPlace(label->pos(), QSize(std::min(textWidth, label->width()), label->height()));
        for (const QWidget* control :
             label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control != label && !control->isHidden() && !qobject_cast<const QLabel*>(control) &&
                control->geometry().intersects(textPlace)) {
                report(label, label->text() + QStringLiteral(" under ") + control->objectName());
            }
        }
    }
    for (const QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        if (button->isHidden() || button->text().isEmpty()) {
            continue;
        }
        const QStyle* style = button->style();
        int needed = button->fontMetrics().horizontalAdvance(Shown(button->text()));
        if (const auto* push = qobject_cast<const QPushButton*>(button)) {
            needed += 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                      (push->menu() != nullptr ? style->pixelMetric(QStyle::PM_MenuButtonIndicator) : 0);
        } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
            needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                      style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        } else if (qobject_cast<const QCheckBox*>(button) != nullptr) {
            needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                      style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        }
        if (needed > button->width()) {
            report(button, button->text());
        }
    }
    for (const QComboBox* picker : top->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(picker);
        const int room =
            picker->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, picker)
                .width();
        for (int i = 0; i < picker->count(); ++i) {
            if (picker->fontMetrics().horizontalAdvance(picker->itemText(i)) +
                    (picker->itemIcon(i).isNull() ? 0 : picker->iconSize().width() + 4) >
                room) {
                report(picker, picker->itemText(i));
            }
        }
    }
    return misfits;
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

    void EveryCaptionFitsTheFixedWindow_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        for (const QString& language : kTranslatedLanguages) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void EveryCaptionFitsTheFixedWindow() {
        QFETCH(QString, language);
        const WindowTranslation speaking(language);
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        QStringList misfits = Misfits(under.window.get());
        const QTabBar* tabs = under.child<QTabBar>("TabStrip1");
        const int tabsEnd = tabs->mapTo(under.window.get(), tabs->tabRect(tabs->count() - 1).topRight()).x();
        for (const char* besideTabs : {"SpellingLanguage", "chkPhoneLayout"}) {
            if (under.child<QWidget>(besideTabs)->x() <= tabsEnd) {
                misfits << QLatin1String(besideTabs) + QStringLiteral(" over the tabs");
            }
        }
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
    }
};

VELLUMO_WINDOW_TEST_MAIN(TranslationsTest)
#include "test_translations.moc"
