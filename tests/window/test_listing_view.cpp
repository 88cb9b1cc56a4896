// What the preview and Full Screen promise about a listing, whatever its markup: https pictures show as a
// buyer's browser shows them, plain http and local content never load, nothing in it runs, a click on a
// link asks the desktop and leaves the listing in place, and the chosen background shows from the bundle.
// One window serves every row, as a seller keeps working in one window.

#include "core_text.h"
#include "full_screen_view.h"
#include "generator/backgrounds.h"
#include "listing_scheme.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>

using namespace vellumo;
using namespace vellumo::test;

namespace {

constexpr int kLoadTimeout = 20000;

// Where a listing is looked at: the Preview tab, or Full Screen opened from it.
enum class Showing { Preview, FullScreen };
constexpr Showing kShowings[] = {Showing::Preview, Showing::FullScreen};

const char* NameOf(Showing showing) {
    return showing == Showing::Preview ? "preview" : "full screen";
}

void AddShowingRows() {
    QTest::addColumn<Showing>("showing");
    for (Showing showing : kShowings) {
        QTest::newRow(NameOf(showing)) << showing;
    }
}

// Markup put into a paragraph; the test fills in its own addresses.
struct MarkupCase {
    const char* name;
    const char* markup;
};

void AddMarkupRows(std::initializer_list<MarkupCase> cases) {
    QTest::addColumn<Showing>("showing");
    QTest::addColumn<QString>("markup");
    for (Showing showing : kShowings) {
        for (const MarkupCase& markupCase : cases) {
            QTest::addRow("%s, %s", NameOf(showing), markupCase.name)
                << showing << QString(markupCase.markup);
        }
    }
}

// Lets requests the page may still be making arrive before the test looks for them.
void Settle() {
    QTest::qWait(500);
}

// The natural sizes of the listing's pictures, "WxH" each, in document order.
QStringList PictureSizes(QWebEngineView* view) {
    return Evaluate(view, "Array.from(document.images).map(i => i.naturalWidth + 'x' + i.naturalHeight)")
        .toStringList();
}

} // namespace

Q_DECLARE_METATYPE(Showing)

class ListingViewTest : public QObject {
    Q_OBJECT

    HttpsTestServer m_server;
    std::unique_ptr<WindowUnderTest> m_under;

    // A "2 Inline Photos" listing with this paragraph, picture addresses and background, shown where the
    // row says; the view once the new listing has loaded, or none.
    QWebEngineView* showListing(Showing showing, const QString& paragraph, const QStringList& pictures = {},
                                const QString& background = QStringLiteral("No Background")) {
        WindowUnderTest& under = *m_under;
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Inline Photos");
        under.child<QPlainTextEdit>("txtAlt21")->setPlainText(paragraph);
        for (int k = 0; k < 2; ++k) {
            under.child<QLineEdit>(qPrintable(QStringLiteral("txtPicAlt2%1").arg(k + 1)))
                ->setText(pictures.value(k));
        }
        PickText(under.child<QComboBox>("ImageCombo2"), background);
        QWebEngineView* view = under.window->browser();
        const QUrl before = view->url();
        ClickTab(under, MainWindow::PreviewTab);
        if (showing == Showing::FullScreen) {
            QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
            auto* full = under.window->findChild<FullScreenView*>();
            if (full == nullptr || !QTest::qWaitForWindowExposed(full)) {
                return nullptr;
            }
            view = full->view();
        }
        const bool loaded = QTest::qWaitFor(
            [&] {
                return ShowsAListing(view) && view->url() != before &&
                       Evaluate(view,
                                "document.readyState === 'complete' && !!document.querySelector('table')")
                           .toBool();
            },
            kLoadTimeout);
        return loaded ? view : nullptr;
    }

    bool anyRequestContains(const QString& part) const {
        const QStringList& paths = m_server.requestedPaths();
        return std::any_of(paths.begin(), paths.end(),
                           [&](const QString& path) { return path.contains(part); });
    }

private slots:
    void initTestCase() {
        QVERIFY(m_server.isListening());
        m_under = std::make_unique<WindowUnderTest>();
        QVERIFY(m_under->load());
    }

    void init() {
        if (auto* full = m_under->window->findChild<FullScreenView*>()) {
            full->close();
        }
        QTRY_VERIFY(m_under->window->findChild<FullScreenView*>() == nullptr);
        m_under->desktop.openedUrls.clear();
        m_server.forgetRequests();
    }

    void cleanupTestCase() { m_under.reset(); }
    void HttpsPictureShowsAtItsNaturalSize_data() { AddShowingRows(); }

    void HttpsPictureShowsAtItsNaturalSize() {
        QFETCH(Showing, showing);
        QWebEngineView* view =
            showListing(showing, "<img src=\"" + m_server.address("/picture-31x17.png").toString() + "\">",
                        {m_server.address("/picture-123x45.png").toString(),
                         m_server.address("/picture-60x80.png").toString()});
        QVERIFY(view != nullptr);
        QCOMPARE(PictureSizes(view), (QStringList{"123x45", "31x17", "60x80"}));
    }

    void HttpPictureDoesNotShow_data() { AddShowingRows(); }

    void HttpPictureDoesNotShow() {
        QFETCH(Showing, showing);
        // Were it quietly upgraded to https, the same port would answer it.
        const QUrl plain = m_server.address("/picture-40x40.png", QStringLiteral("http"));
        QWebEngineView* view = showListing(showing, QString(), {plain.toString()});
        QVERIFY(view != nullptr);
        Settle();
        QCOMPARE(PictureSizes(view).value(0), QStringLiteral("0x0"));
        QVERIFY(!anyRequestContains("picture-40x40"));
    }

    void ListingMarkupRunsNothing_data() {
        AddMarkupRows({
            {"script element",
             "<script>document.documentElement.dataset.ran = 1; new Image().src = '%1';</script>"},
            {"event handler", "<img src=\"missing.png\" onerror=\"document.documentElement.dataset.ran = 1; "
                              "new Image().src = '%1'\">"},
            {"script reading a local file",
             "<script>var r = new XMLHttpRequest(); r.open('GET', 'file:///etc/hostname', false); r.send();"
             "document.documentElement.dataset.ran = 1; new Image().src = '%1?' + "
             "encodeURIComponent(r.responseText);"
             "</script>"},
            {"script address in a frame",
             "<iframe src=\"javascript:parent.document.documentElement.dataset.ran = 1\"></iframe>"},
        });
    }

    void ListingMarkupRunsNothing() {
        QFETCH(Showing, showing);
        QFETCH(QString, markup);
        QWebEngineView* view = showListing(showing, markup.arg(m_server.address("/ran").toString()));
        QVERIFY(view != nullptr);
        Settle();
        QCOMPARE(Evaluate(view, "document.documentElement.dataset.ran === undefined").toBool(), true);
        QVERIFY(!anyRequestContains("/ran"));
    }

    void NothingLocalLoads_data() {
        // %1 is the test's folder, %2 the test server's https address of a picture on this machine.
        AddMarkupRows({
            {"local picture", "<img src=\"file://%1/local.png\">"},
            {"local page in a frame", "<iframe src=\"file://%1/local.html\"></iframe>"},
            {"local page in an object", "<object data=\"file://%1/local.html\" type=\"text/html\"></object>"},
            {"local stylesheet", "<link rel=\"stylesheet\" href=\"file://%1/local.css\">"},
            {"local stylesheet imported", "<style>@import url(\"file://%1/local.css\");</style>"},
            {"https picture at a local address", "<img src=\"%2\">"},
        });
    }

    void NothingLocalLoads() {
        QFETCH(Showing, showing);
        QFETCH(QString, markup);
        // Each local file, once read, would show a picture or ask the server for a "leak".
        const QString folder = m_under->root.path();
        QVERIFY(QImage(QSize(20, 20), QImage::Format_RGB32).save(folder + "/local.png"));
        const QString leak = m_server.address("/leak.png").toString();
        QVERIFY(WriteText(ToCore(folder + "/local.html"), ToCore("<img src=\"" + leak + "\">")));
        QVERIFY(WriteText(ToCore(folder + "/local.css"), ToCore("body { background: url(" + leak + ") }")));
        QUrl localAddress = m_server.address("/picture-20x20.png");
        localAddress.setHost(QStringLiteral("127.0.0.1"));
        QWebEngineView* view = showListing(
            showing, QString(markup).replace("%1", folder).replace("%2", localAddress.toString()));
        QVERIFY(view != nullptr);
        Settle();
        QVERIFY(!PictureSizes(view).contains(QStringLiteral("20x20")));
        QVERIFY(!anyRequestContains("leak"));
        QVERIFY(!anyRequestContains("picture-20x20"));
    }

    void LinkClickLeavesTheListingAndAsksTheDesktop_data() {
        QTest::addColumn<Showing>("showing");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened"); // what the desktop is asked to open; empty for nothing
        const QString item = QStringLiteral("https://shop.example/item?id=7");
        for (Showing showing : kShowings) {
            QTest::addRow("%s, link", NameOf(showing))
                << showing << "<a id=\"go\" href=\"" + item + "\">Go</a>" << item;
            QTest::addRow("%s, link to a new window", NameOf(showing))
                << showing << "<a id=\"go\" href=\"" + item + "\" target=\"_blank\">Go</a>" << item;
            QTest::addRow("%s, plain http link", NameOf(showing))
                << showing << "<a id=\"go\" href=\"http://shop.example/\">Go</a>" << QString();
            QTest::addRow("%s, local file link", NameOf(showing))
                << showing << "<a id=\"go\" href=\"file:///etc/hostname\" target=\"_blank\">Go</a>"
                << QString();
        }
    }

    void LinkClickLeavesTheListingAndAsksTheDesktop() {
        QFETCH(Showing, showing);
        QFETCH(QString, link);
        QFETCH(QString, opened);
        QWebEngineView* view = showListing(showing, link);
        QVERIFY(view != nullptr);
        const QUrl listing = view->url();
        const QPoint centre(Evaluate(view, "(r => Math.round(r.left + r.width / "
                                           "2))(document.getElementById('go').getBoundingClientRect())")
                                .toInt(),
                            Evaluate(view, "(r => Math.round(r.top + r.height / "
                                           "2))(document.getElementById('go').getBoundingClientRect())")
                                .toInt());
        QWidget* renderer = view->focusProxy();
        QVERIFY(renderer != nullptr);
        QTest::mouseClick(renderer, Qt::LeftButton, {}, centre);

        const QList<QUrl> expected = opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)};
        if (expected.isEmpty()) {
            Settle();
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_under->desktop.openedUrls, expected, kLoadTimeout);
        Settle();
        QCOMPARE(view->url(), listing);
        QCOMPARE(Evaluate(view, "!!document.getElementById('go')").toBool(), true);
    }
    void ChosenBackgroundTileIsWhatTheTableShows_data() { AddShowingRows(); }

    void ChosenBackgroundTileIsWhatTheTableShows() {
        QFETCH(Showing, showing);
        QWebEngineView* view = showListing(showing, QString(), {}, QStringLiteral("004"));
        QVERIFY(view != nullptr);
        const QString address = FromCore(BuiltInBackgroundAddress(4));
        QCOMPARE(
            Evaluate(view, "getComputedStyle(document.querySelector('table')).backgroundImage").toString(),
            QStringLiteral("url(\"%1\")").arg(address));
        // The table's picture as the page loads it: the test machine has no network, so only the bundle
        // can answer, with the full-size tile.
        Evaluate(view, QStringLiteral("window.tile = new Image(); window.tile.src = '%1';").arg(address));
        QTRY_VERIFY_WITH_TIMEOUT(Evaluate(view, "window.tile.complete").toBool(), kLoadTimeout);
        const QImage tile(BackgroundTileResource(4));
        QCOMPARE(Evaluate(view, "window.tile.naturalWidth + 'x' + window.tile.naturalHeight").toString(),
                 QStringLiteral("%1x%2").arg(tile.width()).arg(tile.height()));
    }
};

VELLUMO_WINDOW_TEST_MAIN(ListingViewTest)
#include "test_listing_view.moc"
