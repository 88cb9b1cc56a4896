// The window as the seller first meets it: its state after start-up, the fixed layout, the keyboard's
// way through it, title mirroring and the links of the Help/About tab.

#include "browser_customizer.h"
#include "saved_notice.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QWebEngineView>

#include <set>

using namespace vellumo;
using namespace vellumo::test;

namespace {

QColor SwatchColour(const WindowUnderTest& under, const char* name) {
    return under.child<QLabel>(name)->palette().color(QPalette::Window);
}

QString VisibleCaption(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// The room a button, option or check box needs for its caption in the current style.
int CaptionWidth(const QAbstractButton* button) {
    const int textWidth = button->fontMetrics().horizontalAdvance(VisibleCaption(button->text()));
    const QStyle* style = button->style();
    if (qobject_cast<const QRadioButton*>(button) != nullptr) {
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) + textWidth;
    }
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button) + textWidth;
    }
    return textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void StartStateShowsDesignWithDefaultPicks() {
        WindowUnderTest under;
        QVERIFY(under.load());
        MainWindow& window = *under.window;

        QCOMPARE(window.selectedTab(), int(MainWindow::DesignTab));
        QCOMPARE(under.panelInFront(), kTwoPhotoPanel);
        QCOMPARE(under.child<QComboBox>("ImageCombo")->currentText(), QStringLiteral("Black"));
        QCOMPARE(under.child<QComboBox>("ImageCombo1")->currentText(), QStringLiteral("Select Template"));
        QCOMPARE(under.child<QComboBox>("ImageCombo2")->currentText(), QStringLiteral("No Background"));
        QVERIFY(under.child<QRadioButton>("optBACK")->isChecked());
        QCOMPARE(SwatchColour(under, "lblCOLOR"), QColor(Qt::black));
        QCOMPARE(SwatchColour(under, "lblCOLOR2"), QColor(Qt::black));
        QCOMPARE(SwatchColour(under, "lblCOLOR3"), QColor(Qt::white));
        QTRY_COMPARE(QApplication::focusWidget(), under.child<QWidget>("txtTitle"));
        QCOMPARE(under.child<QLabel>("lblTitle")->text(), QStringLiteral("Vellumo 2.0.0"));

        QCOMPARE(window.design().style(), kNoStylePosition);
        QVERIFY(!window.design().changedSinceSaved());
        QVERIFY(!window.savedNotice()->isVisible());
    }

    void BrowserStartsOnEmptyPageAfterTheWindowIsShown() {
        WindowUnderTest under;
        QSignalSpy created(under.window.get(), &MainWindow::browserCreated);
        QSignalSpy loaded(under.window.get(), &MainWindow::browserLoadFinished);
        under.window->start();
        // The window comes first; the web engine only once it has been painted.
        QCOMPARE(created.count(), 0);
        QVERIFY(created.wait(10000));
        QVERIFY(loaded.count() > 0 || loaded.wait(15000));
        QCOMPARE(under.window->browser()->url(), QUrl(QStringLiteral("about:blank")));
    }

    void BrowserCustomizerGovernsContextMenuAndDrops_data() {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("switched off") << false;
        QTest::newRow("left on") << true;
    }

    void BrowserCustomizerGovernsContextMenuAndDrops() {
        QFETCH(bool, enabled);
        QWebEngineView view;
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        view.setHtml(QStringLiteral("<p>listing</p>"));
        QVERIFY(loaded.wait(15000));
        BrowserCustomizer customizer;
        customizer.setContextMenuEnabled(enabled);
        customizer.setDropEnabled(enabled);
        customizer.attach(&view);
        QCOMPARE(view.contextMenuPolicy(), enabled ? Qt::DefaultContextMenu : Qt::NoContextMenu);

        QMimeData link;
        link.setUrls({QUrl(QStringLiteral("https://www.example.com/"))});
        for (QWidget* target : {static_cast<QWidget*>(&view), view.focusProxy()}) {
            QVERIFY(target != nullptr);
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &link, Qt::LeftButton, Qt::NoModifier);
            enter.setAccepted(false);
            QApplication::sendEvent(target, &enter);
            QCOMPARE(enter.isAccepted(), enabled);
        }
    }

    void PreviewBrowserHasBothOptionsOff() {
        WindowUnderTest under;
        QVERIFY(under.load());
        QWebEngineView* view = under.window->browser();
        QCOMPARE(view->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!view->acceptDrops());
    }

    void FramesShareOnePlaceAndStateHoldersStayOutOfSight() {
        WindowUnderTest under;
        QVERIFY(under.load());
        // Whichever element is brought to the front, it alone shows, over the whole page area.
        const QWidget* stack = under.child<QWidget>("Frame1");
        for (int tab : {MainWindow::HelpTab, MainWindow::TemplatesTab, MainWindow::DesignTab}) {
            under.window->selectTab(tab);
            int shown = 0;
            for (int index = 0; index < 7; ++index) {
                const QString name = QStringLiteral("Frame1_%1").arg(index);
                const QWidget* frame = under.child<QWidget>(qPrintable(name));
                if (frame->isVisible()) {
                    ++shown;
                    QCOMPARE(name, under.panelInFront());
                    QCOMPARE(frame->geometry(), stack->rect());
                }
            }
            QCOMPARE(shown, 1);
        }
        const QRect client = under.window->rect();
        QCOMPARE(client.size(), QSize(729, 551));
        for (const char* hidden : {"cmdDummy"}) {
            const QWidget* button = under.child<QWidget>(hidden);
            QVERIFY2(!client.intersects(QRect(button->mapTo(under.window.get(), QPoint()), button->size())),
                     hidden);
        }
        // The colour strip stays whatever page is in front.
        for (int tab : {MainWindow::TemplatesTab, MainWindow::HelpTab}) {
            under.window->selectTab(tab);
            QVERIFY(under.child<QWidget>("Frame2")->isVisible());
        }
    }

    void CaptionsFitTheirControls() {
        WindowUnderTest under;
        QVERIFY(under.load());
        std::vector<QWidget*> widgets = {under.window.get(), under.window->savedNotice()};
        int checked = 0;
        for (QWidget* top : widgets) {
            for (const QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
                if (button->text().isEmpty()) {
                    continue;
                }
                QVERIFY2(CaptionWidth(button) <= button->width(), qPrintable(button->objectName()));
                ++checked;
            }
            for (const QLabel* label : top->findChildren<QLabel*>()) {
                if (label->text().isEmpty()) {
                    continue;
                }
                if (label->wordWrap()) {
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                             qPrintable(label->objectName()));
                } else {
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                             qPrintable(label->objectName()));
                    QVERIFY2(label->fontMetrics().height() <= label->height(),
                             qPrintable(label->objectName()));
                }
                ++checked;
            }
        }
        QVERIFY(checked > 60);
        const auto* tabs = under.child<QTabBar>("TabStrip1");
        QVERIFY(tabs->tabRect(tabs->count() - 1).right() < tabs->width());
    }

    void TabOrderFollowsTheLayout() {
        WindowUnderTest under;
        QVERIFY(under.load());
        QStringList expected = {"txtTitle",    "txtAlt21",    "txtAlt22",    "txtPicAlt21", "txtPicAlt22",
                                "ImageCombo",  "optBACK",     "optBkgrnd",   "optFORE",     "ImageCombo2",
                                "ImageCombo1", "cmdExit",     "txtTitle3",   "txtAlt31",    "txtAlt32",
                                "txtAlt33",    "txtPicAlt31", "txtPicAlt32", "txtPicAlt33", "txtTitle4"};
        for (int k = 1; k <= 4; ++k) {
            expected << QStringLiteral("txtAlt4%1").arg(k);
        }
        for (int k = 1; k <= 4; ++k) {
            expected << QStringLiteral("txtPicAlt4%1").arg(k);
        }
        expected << "txtTitle5";
        for (int k = 1; k <= 5; ++k) {
            expected << QStringLiteral("txtAlt5%1").arg(k);
        }
        for (int k = 1; k <= 5; ++k) {
            expected << QStringLiteral("txtPicAlt5%1").arg(k);
        }
        expected << "TabStrip1"
                 << "WB1"
                 << "cmdFullScreen"
                 << "cmdCopy"
                 << "lstPlates"
                 << "cmdSave"
                 << "txtFilename"
                 << "cmdLoad"
                 << "lstCode"
                 << "cmdOpen"
                 << "cmdDelete"
                 << "Command8"
                 << "Command7";
        QSignalSpy loaded(under.window.get(), &MainWindow::browserLoadFinished);
        under.window->browser();
        QVERIFY(loaded.wait(15000));

        const std::set<QString> named(expected.begin(), expected.end());
        QStringList found;
        QWidget* widget = under.child<QWidget>("txtTitle");
        do {
            // The browser takes the focus in the widget it renders into.
            const QWidget* parent = widget->parentWidget();
            const QString name =
                parent != nullptr && parent->objectName() == "WB1" ? QString("WB1") : widget->objectName();
            if (named.count(name) != 0 && (widget->focusPolicy() & Qt::TabFocus)) {
                found << name;
            }
            widget = widget->nextInFocusChain();
        } while (widget != under.child<QWidget>("txtTitle") && found.size() < expected.size() + 5);
        QCOMPARE(found, expected);
    }

    void TitleBoxesMirrorIntoTemplateName_data() {
        QTest::addColumn<QString>("titleBox");
        QTest::newRow("two photos") << "txtTitle";
        QTest::newRow("three photos") << "txtTitle3";
        QTest::newRow("four photos") << "txtTitle4";
        QTest::newRow("five photos") << "txtTitle5";
    }

    void TitleBoxesMirrorIntoTemplateName() {
        QFETCH(QString, titleBox);
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* title = under.child<QLineEdit>(qPrintable(titleBox));
        auto* name = under.child<QLineEdit>("txtFilename");
        title->setFocus();
        QTest::keyClicks(title, "Blue");
        QCOMPARE(name->text(), QStringLiteral("Blue"));
        QTest::keyClicks(title, " teapot");
        QCOMPARE(name->text(), QStringLiteral("Blue teapot"));
        // Another box's edit wins from then on.
        under.child<QLineEdit>(titleBox == "txtTitle" ? "txtTitle3" : "txtTitle")->setText("Vase");
        QCOMPARE(name->text(), QStringLiteral("Vase"));
    }

    void LinksOpenTheirAddresses_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("host");
        QTest::newRow("Command7") << "Command7"
                                  << "www.brenvik.com";
        QTest::newRow("Command8") << "Command8"
                                  << "www.brenvik.com";
        QTest::newRow("Image7") << "Image7"
                                << "www.brenvik.com";
        QTest::newRow("Image4") << "Image4"
                                << "www.ebay.com";
        QTest::newRow("Label40") << "Label40"
                                 << "";
        QTest::newRow("Label41") << "Label41"
                                 << "";
        QTest::newRow("Label42") << "Label42"
                                 << "";
    }

    void LinksOpenTheirAddresses() {
        QFETCH(QString, control);
        QFETCH(QString, host);
        WindowUnderTest under;
        QVERIFY(under.load());
        under.window->selectTab(MainWindow::HelpTab);
        auto* widget = under.child<QWidget>(qPrintable(control));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() - 2, widget->height() - 2));
        QCOMPARE(under.desktop.openedUrls.size(), 1);
        const QUrl opened = under.desktop.openedUrls.first();
        QCOMPARE(opened.scheme(), QStringLiteral("https"));
        if (const auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
            // A hosting site's label shows its own domain.
            QCOMPARE(label->text().toLower(), opened.host());
        } else {
            QCOMPARE(opened.host(), host);
        }
    }

    void MakerButtonAndBannerOpenTheSamePage() {
        WindowUnderTest under;
        QVERIFY(under.load());
        under.window->selectTab(MainWindow::HelpTab);
        QTest::mouseClick(under.child<QWidget>("Command7"), Qt::LeftButton);
        QTest::mouseClick(under.child<QWidget>("Image7"), Qt::LeftButton);
        QCOMPARE(under.desktop.openedUrls.size(), 2);
        QCOMPARE(under.desktop.openedUrls.at(0), under.desktop.openedUrls.at(1));
    }

    // Vellumo Help is the guide that ships inside the program: every topic it promises is in it.
    void HelpPictureOpensTheBundledGuide() {
        WindowUnderTest under;
        QVERIFY(under.load());
        under.window->selectTab(MainWindow::HelpTab);
        QTest::mouseClick(under.child<QWidget>("Image6"), Qt::LeftButton);
        auto* help = under.window->findChild<QWidget*>(QStringLiteral("HelpWindow"));
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        const QString guide = help->findChild<QTextBrowser*>(QStringLiteral("guide"))->toPlainText();
        for (const char* topic :
             {"The Design tab", "Colours and backgrounds", "Preview and Full Screen", "Phone (375 px)",
              "Line breaks", "Phone-friendly layout", "Export backgrounds", "Your own picture",
              "phone summary", "the check before pasting", "My Templates", "~/.local/share/Vellumo/",
              "back up"}) {
            QVERIFY2(guide.contains(QLatin1String(topic), Qt::CaseInsensitive), topic);
        }
        QVERIFY(under.desktop.openedUrls.isEmpty());
        QVERIFY(under.messageBoxes.messages.empty());
    }

    void HandPointerOnExactlyTheEightLinks() {
        WindowUnderTest under;
        QVERIFY(under.load());
        const std::set<QString> links = {"Command7", "Command8", "Image4",  "Image6",
                                         "Image7",   "Label40",  "Label41", "Label42"};
        std::set<QString> withHand;
        for (const QWidget* widget : under.window->findChildren<QWidget*>()) {
            if (widget->testAttribute(Qt::WA_SetCursor) &&
                widget->cursor().shape() == Qt::PointingHandCursor) {
                withHand.insert(widget->objectName());
            }
        }
        QCOMPARE(withHand, links);
    }
};

VELLUMO_WINDOW_TEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
