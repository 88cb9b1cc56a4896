// The program's look at any scale and under a dark desktop theme: its pictures come from pixels as fine as
// the screen's, and its text reads on its background. Runs at QT_SCALE_FACTOR=2 (see CMakeLists.txt).

#include "program_look.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QTest>

#include <cmath>

using namespace vellumo;
using namespace vellumo::test;

class ProgramLookTest : public QObject {
    Q_OBJECT

private slots:
    // Under a scale of 200 % every picture the window shows has twice the pixels of its size: none is an
    // enlarged small one.
    void PicturesHaveThePixelsOfTheScreen() {
        WindowUnderTest under;
        QVERIFY(under.load());
        QCOMPARE(under.window->devicePixelRatioF(), 2.0);
        for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7"}) {
            const QPixmap picture = under.child<QLabel>(name)->pixmap();
            QVERIFY2(!picture.isNull() && picture.devicePixelRatio() == 2.0, name);
        }
        for (const char* name : {"ImageCombo", "ImageCombo1", "ImageCombo2"}) {
            const auto* picker = under.child<QComboBox>(name);
            for (int index = 0; index < picker->count(); ++index) {
                const QIcon icon = picker->itemIcon(index);
                const QSize size = icon.availableSizes().value(0);
                // Against the picture at 100 %, as a few backgrounds are not square.
                QVERIFY2(icon.pixmap(size, 2.0).size() == icon.pixmap(size, 1.0).size() * 2,
                         qPrintable(QStringLiteral("%1 entry %2").arg(name).arg(index)));
            }
        }
        QCOMPARE(QApplication::windowIcon().pixmap(QSize(48, 48), 2.0).size(), QSize(96, 96));
    }

    void TextReadsOnItsBackgroundUnderADarkTheme_data() {
        QTest::addColumn<bool>("turnedDarkWhileRunning");
        QTest::newRow("dark from the start") << false;
        QTest::newRow("turned dark while running") << true;
    }

    void TextReadsOnItsBackgroundUnderADarkTheme() {
        QFETCH(bool, turnedDarkWhileRunning);
        const QPalette before = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto restore = qScopeGuard([before] { QApplication::setPalette(before); });
        if (!turnedDarkWhileRunning) {
            QApplication::setPalette(DarkPalette());
        }
        WindowUnderTest under;
        QVERIFY(under.load());
        // A new application palette reaches the widgets only inside the event loop, which a test does not
        // run; the window's own palette reaches each widget as the desktop's would.
        if (turnedDarkWhileRunning) {
            under.window->setPalette(DarkPalette());
        }
        // WCAG's own example: grey #767676 is the lightest that reads on white.
        QVERIFY(std::abs(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) - 4.54) < 0.01);
        QStringList unreadable;
        for (const QWidget* widget : under.window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            if ((label == nullptr || label->text().isEmpty()) &&
                qobject_cast<const QCheckBox*>(widget) == nullptr &&
                qobject_cast<const QRadioButton*>(widget) == nullptr) {
                continue;
            }
            // The background is the nearest one painted: the widget's own, an ancestor's, or the window's.
            const QWidget* painted = widget;
            while (!painted->autoFillBackground() && !painted->isWindow()) {
                painted = painted->parentWidget();
            }
            const QColor text = widget->palette().color(QPalette::WindowText);
            const QColor background = painted->palette().color(QPalette::Window);
            if (ContrastRatio(text, background) < kReadableContrast) {
                unreadable << QStringLiteral("%1 (%2 on %3)")
                                  .arg(widget->objectName(), text.name(), background.name());
            }
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
        // The header band keeps its own white, behind the program's pictures.
        QCOMPARE(under.child<QLabel>("Label7")->palette().color(QPalette::Window), QColor(Qt::white));
    }
};

VELLUMO_WINDOW_TEST_MAIN(ProgramLookTest)
#include "test_program_look.moc"
