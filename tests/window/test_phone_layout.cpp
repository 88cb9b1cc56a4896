// The phone-friendly form as buyers see it: every style, filled as a seller fills it, in Full Screen at a
// phone's width (no sideways scrolling, pictures in their 4:3 shape) and at a desktop's width (pictures
// exactly as designed, 400 x 300). The figures are printed for the record.

#include "full_screen_view.h"
#include "generator/template_style.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

using namespace vellumo;
using namespace vellumo::test;

namespace {

constexpr int kLoadTimeout = 20000;
constexpr int kDesktopWidth = 1024;

// Photos as sellers upload them: large, and not all of them 4:3.
const QStringList kPhotoSizes = {"1600x1200", "1200x1600", "1000x1000", "2048x1536", "1600x900"};

const QStringList kParagraphs = {
    "Thrown on the wheel and glazed in a deep blue that breaks to brown at the rim.\nHolds six cups.",
    "Care instructions: https://www.example-pottery-studio.com/care/stoneware-teapots-and-matching-cups",
    "Dishwasher safe. Shipped double-boxed with plenty of paper, insured, within two working days.",
    "Measurements: 24 cm wide including the spout and handle, 16 cm tall to the top of the knob.",
    "Fully-hand-thrown-stoneware-with-a-reduction-fired-glaze-that-varies-from-piece-to-piece.",
};

// The page's width against its viewport's, then every picture's shown size, "WxH".
struct Figures {
    int scrollWidth = 0;
    int viewportWidth = 0;
    QStringList pictures;
};

Figures Measure(QWebEngineView* view) {
    const QStringList values =
        Evaluate(view, "(() => { const d = document.documentElement;"
                       "  return [d.scrollWidth, d.clientWidth].concat(Array.from(document.images).map(i => {"
                       "    const r = i.getBoundingClientRect();"
                       "    return Math.round(r.width) + 'x' + Math.round(r.height); })); })()")
            .toStringList();
    Figures figures;
    if (values.size() >= 2) {
        figures.scrollWidth = values.at(0).toInt();
        figures.viewportWidth = values.at(1).toInt();
        figures.pictures = values.mid(2);
    }
    return figures;
}

bool PicturesLoaded(QWebEngineView* view, int count) {
    return Evaluate(view,
                    QStringLiteral("document.readyState === 'complete' && document.images.length === %1 && "
                                   "Array.from(document.images).every(i => i.complete && i.naturalWidth > 0)")
                        .arg(count))
        .toBool();
}

// Every picture as wide as it is shown, and three quarters of that high.
bool AllInFourByThree(const QStringList& pictures) {
    return std::all_of(pictures.begin(), pictures.end(), [](const QString& size) {
        const int width = size.section('x', 0, 0).toInt();
        const int height = size.section('x', 1, 1).toInt();
        return width > 0 && std::abs(height * 4 - width * 3) <= 4;
    });
}

} // namespace

class PhoneLayoutTest : public QObject {
    Q_OBJECT

    HttpsTestServer m_server;
    std::unique_ptr<WindowUnderTest> m_under;

private slots:
    void initTestCase() {
        QVERIFY(m_server.isListening());
        m_under = std::make_unique<WindowUnderTest>();
        QVERIFY(m_under->load());
    }

    void cleanupTestCase() { m_under.reset(); }

    void FitsAPhoneAndLooksAsDesignedWide_data() {
        QTest::addColumn<int>("style");
        for (int style = 2; style <= kStyleCount; ++style) {
            QTest::newRow(StyleAt(style)->caption.data()) << style;
        }
    }

    void FitsAPhoneAndLooksAsDesignedWide() {
        QFETCH(int, style);
        WindowUnderTest& under = *m_under;
        const int photoCount = PhotoCountOfStyle(style);
        Pick(under.child<QComboBox>("ImageCombo1"), style - 1);
        const QString count = QString::number(photoCount);
        under.child<QLineEdit>(photoCount == 2 ? "txtTitle" : qPrintable("txtTitle" + count))
            ->setText(QStringLiteral("Hand-thrown stoneware teapot with six matching cups, 1.2 litre"));
        for (int k = 1; k <= photoCount; ++k) {
            under.child<QPlainTextEdit>(qPrintable(QStringLiteral("txtAlt%1%2").arg(count).arg(k)))
                ->setPlainText(kParagraphs.at(k - 1));
            under.child<QLineEdit>(qPrintable(QStringLiteral("txtPicAlt%1%2").arg(count).arg(k)))
                ->setText(m_server.address("/picture-" + kPhotoSizes.at(k - 1) + ".png").toString());
        }
        ClickTab(under, MainWindow::PreviewTab);
        QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
        auto* full = under.window->findChild<FullScreenView*>();
        QVERIFY(full != nullptr && QTest::qWaitForWindowExposed(full));
        QWebEngineView* view = full->view();

        QTest::mouseClick(full->findChild<QPushButton*>("cmdPhoneWidth"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(PicturesLoaded(view, photoCount) && Measure(view).viewportWidth > 0 &&
                                     Measure(view).viewportWidth <= kPhoneWidth,
                                 kLoadTimeout);
        const Figures phone = Measure(view);

        QTest::mouseClick(full->findChild<QPushButton*>("cmdFullWidth"), Qt::LeftButton);
        view->setFixedWidth(kDesktopWidth);
        QTRY_VERIFY_WITH_TIMEOUT(Measure(view).viewportWidth > kEbayDescriptionWidth, kLoadTimeout);
        const Figures desktop = Measure(view);
        full->close();
        QTRY_VERIFY(under.window->findChild<FullScreenView*>() == nullptr);

        qInfo("%s: at %d px the page is %d px wide in a %d px viewport, pictures %s; at %d px, pictures %s",
              StyleAt(style)->caption.data(), kPhoneWidth, phone.scrollWidth, phone.viewportWidth,
              qPrintable(phone.pictures.join(' ')), kDesktopWidth, qPrintable(desktop.pictures.join(' ')));
        QVERIFY(phone.scrollWidth <= phone.viewportWidth);
        QCOMPARE(phone.pictures.size(), photoCount);
        QVERIFY(AllInFourByThree(phone.pictures));
        QCOMPARE(desktop.pictures, QStringList(photoCount, QStringLiteral("400x300")));
        QVERIFY(desktop.scrollWidth <= desktop.viewportWidth);
    }
};

VELLUMO_WINDOW_TEST_MAIN(PhoneLayoutTest)
#include "test_phone_layout.moc"
