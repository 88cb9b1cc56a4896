// The listing check reads a listing as the browser does: for tricky listings, the elements, the event
// handler attributes and where the addresses of links and pictures lead, as the check's HTML reading and
// address resolution see them, equal what QtWebEngine builds from the same listing.

#include "check/html_vocabulary.h"
#include "check/web_address.h"
#include "generator/assembly.h"
#include "generator/template_style.h"
#include "html/html_reading.h"
#include "window_test_support.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineSettings>

using namespace vellumo;
using namespace vellumo::test;

namespace {

constexpr int kStyle = 4; // "3 Alternating Photos"
constexpr int kLoadTimeout = 20000;

const QUrl kPageAddress(QStringLiteral("https://www.ebay.com/"));

// What the comparison looks at: every element, "element.attribute" for each event handler, and
// "element.attribute=scheme:host" for each address of a link, a picture or a background.
struct ListingReading {
    QStringList elements;
    QStringList eventHandlers;
    QStringList addresses;
};

bool isComparedAddress(const std::string& element, const std::string& attribute) {
    return ((element == "a" || element == "area") && (attribute == "href" || attribute == "xlink:href")) ||
           (element == "img" && attribute == "src") || attribute == "background";
}

ListingReading CheckReading(const std::string& html) {
    ListingReading seen;
    for (const HtmlElement& element : ReadHtml(html).elements) {
        seen.elements << QString::fromStdString(element.name);
        for (const HtmlAttribute& attribute : element.attributes) {
            const QString named = QString::fromStdString(element.name + "." + attribute.name);
            if (IsEventHandlerAttribute(attribute.name)) {
                seen.eventHandlers << named;
            }
            if (isComparedAddress(element.name, attribute.name)) {
                const ResolvedAddress resolved = ResolveAddress(attribute.value);
                seen.addresses << named +
                                      QStringLiteral("=%1:%2").arg(QString::fromStdString(resolved.scheme),
                                                                   QString::fromStdString(resolved.host));
            }
        }
    }
    return seen;
}

// The same, read from the document the browser built, in a world apart from the page's (whose JavaScript is
// off). A template's content is read where the parser put it.
const QString kBrowserReading = QStringLiteral(R"(
(() => {
    const seen = {elements: [], eventHandlers: [], addresses: []};
    const compared = (element, attribute) =>
        ((element === 'a' || element === 'area') && (attribute === 'href' || attribute === 'xlink:href')) ||
        (element === 'img' && attribute === 'src') || attribute === 'background';
    const resolved = (value) => {
        try {
            const url = new URL(value, 'https://www.ebay.com/');
            return url.protocol + url.hostname;
        } catch (error) {
            return 'invalid';
        }
    };
    const visit = (element) => {
        const name = element.localName.toLowerCase();
        seen.elements.push(name);
        for (const attribute of element.attributes) {
            const attributeName = attribute.name.toLowerCase();
            if (attributeName.startsWith('on') && attributeName in element) {
                seen.eventHandlers.push(name + '.' + attributeName);
            }
            if (compared(name, attributeName)) {
                seen.addresses.push(name + '.' + attributeName + '=' + resolved(attribute.value));
            }
        }
        const children = name === 'template' && element.content ? element.content.children : element.children;
        for (const child of children) {
            visit(child);
        }
    };
    visit(document.documentElement);
    return JSON.stringify(seen);
})()
)");

} // namespace

class CheckAgainstBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_page = new QWebEnginePage(this);
        m_page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        m_page->settings()->setAttribute(QWebEngineSettings::AutoLoadImages, false);
    }

    void ReadsTheListingAsTheBrowserBuildsIt_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstParagraph");
        QTest::addColumn<QString>("secondParagraph");
        const auto row = [](const char* name, const char* title, const char* first, const char* second = "") {
            QTest::newRow(name) << QString::fromUtf8(title) << QString::fromUtf8(first)
                                << QString::fromUtf8(second);
        };
        row("plain", "Blue teapot", "Fine <b>bone</b> china.", "Ships in a box.");
        row("comment", "Teapot", "<!--<p title=\"--><img src=x onerror=alert(1)>\">");
        row("cdata", "Teapot", "<![CDATA[<p title=\"]]><img src=x onerror=alert(1)>\">");
        row("processing instruction", "Teapot", "<?xml <p title=\"?><img src=x onerror=alert(1)>\">");
        row("title", "Teapot", "<title><p title=\"</title><img src=x onerror=alert(1)>\">");
        row("style", "Teapot", "<style><p title=\"</style><img src=x onerror=alert(1)>\">");
        row("xmp", "Teapot", "<xmp><p title=\"</xmp><img src=x onerror=alert(1)>\">");
        row("textarea", "Teapot", "<textarea><p title=\"</textarea><img src=x onerror=alert(1)>\">");
        row("noembed", "Teapot", "<noembed><p title=\"</noembed><img src=x onerror=alert(1)>\">");
        row("equals attribute", "Teapot", "<p =\"x onclick=alert(1) y='\"'>hi</p>");
        row("vertical tab", "Teapot", "<p title=\"a\"\vonclick=alert(1)>x</p><img\vsrc=x\vonerror=alert(1)>");
        row("form feed", "Teapot", "<p title=\"a\"\fonclick=alert(1)>x</p>");
        row("onion", "Teapot", "<p onion=1 online=2 onclick=3 onpointerdown=4 ontransitionend=5>x</p>");
        row("split over paragraphs", "Teapot", "Fine china <img src=x alt='", "' onerror=alert(1)>");
        row("split from the title", "Teapot <b title='", "' onclick=alert(1)>x</b>");
        row("unclosed comment", "Teapot", "Fine <!-- china", "<img src=x onerror=alert(1)>");
        row("unclosed title", "Teapot", "Fine <title> china", "<img src=x onerror=alert(1)>");
        row("unclosed template", "Teapot", "Fine <template> china <b onclick=x>y</b>", "z");
        row("body", "Teapot", "<body onload=alert(1) background=\"http://pics.example.com/bg.jpg\">x");
        row("reconstructed formatting", "Teapot", "<b onclick=x><p>a</b>b<i onmouseover=y><div>c</i>d</div>");
        row("foreign content", "Teapot",
            "<svg><a xlink:href=\"javascript:alert(1)\"><text>x</text></a><script>y()</script></svg>"
            "<math><mi href=\"javascript:alert(1)\">z</mi></math>");
        row("odd tags", "Teapot",
            "<image src=x onerror=1><select><img onerror=2><option onclick=3>o</select>"
            "<svg><p onclick=4>x</svg><math><mtext><img src=y onerror=5></mtext></math>"
            "<a href=\"https://a.example/\"><a href=\"https://b.example/\">z</a>");
        row("isindex", "Teapot", "<isindex prompt=x>");
        row("table", "Teapot", "<table><a href=\"https://evil.example/\">x</a><tr><td>y</td></tr></table>");
        row("addresses", "Teapot",
            "<a href=\"https:\\\\evil.example\\shop\">1</a><a href=\"/\\evil.example/\">2</a>"
            "<a href=\"\\\\evil.example/\">3</a><a href=\"http:evil.example/\">4</a>"
            "<a href=\"https:shop/item\">5</a><a href=\" ht\ttps://evil.example\">6</a>"
            "<a href=\"https://www.ebay.com@evil.example/\">7</a><a href=\"//evil.example/x\">8</a>");
        row("hosts", "Teapot",
            "<a href=\"https://evil%2Eexample/\">1</a><a href=\"https://evil\xE3\x80\x82"
            "example/\">2</a>"
            "<a href=\"https://EVIL\xEF\xBC\x8E"
            "example/\">3</a><a href=\"https://3232235777/\">4</a>"
            "<a href=\"https://0xC0.0250.1.1/\">5</a><a href=\"https://b\xC3\xBC"
            "cher.de/\">6</a>"
            "<a href=\"https://www.ebay.com./itm/1\">7</a><a href=\"https://[::1]/\">8</a>");
        row("schemes", "Teapot",
            "<a href=\"&#106;avascript&colon;alert(1)\">1</a><a href='java&#x09;script:x'>2</a>"
            "<a href=\"java script:x\">3</a><a href=\"mailto:seller%40example.com\">4</a>"
            "<a href=\"data:text/html,x\">5</a><a href=\"file://nas/a.jpg\">6</a>"
            "<img src=\"C:\\photos\\a.jpg\"><img src=\"//pics.example.com/a.jpg\"><img "
            "src=\"HTTP://pics.example.com/b.jpg\">");
        // A browser keeps a control byte in an attribute and its address parser drops it from the ends.
        for (int byte = 0x01; byte <= 0x20; ++byte) {
            const QString c(QChar(static_cast<char16_t>(byte)));
            QTest::newRow(qPrintable(QStringLiteral("control byte %1").arg(byte, 2, 16, QLatin1Char('0'))))
                << QStringLiteral("Teapot")
                << QStringLiteral(
                       "<a href=\"%1javascript:alert(1)\">1</a><a href=\"java%1script:alert(1)\">2</a>"
                       "<a href=\"%1https://evil.example/\">3</a><a href=\"ht%1tps://evil.example/\">4</a>")
                       .arg(c)
                << QString();
        }
    }

    void ReadsTheListingAsTheBrowserBuildsIt() {
        QFETCH(QString, title);
        QFETCH(QString, firstParagraph);
        QFETCH(QString, secondParagraph);
        ListingFields fields;
        fields.style = kStyle;
        FieldGroup& group = fields.fields.of(PhotoCountOfStyle(kStyle));
        group.title = title.toStdString();
        group.paragraphs = {firstParagraph.toStdString(), secondParagraph.toStdString(), "Third"};
        group.pictures = {"https://pics.example.com/1.jpg", "https://pics.example.com/2.jpg",
                          "https://pics.example.com/3.jpg"};
        const std::string html = BuildListing(fields);

        QSignalSpy loaded(m_page, &QWebEnginePage::loadFinished);
        m_page->setHtml(QString::fromStdString(html), kPageAddress);
        QVERIFY(loaded.wait(kLoadTimeout));
        const QJsonObject browser =
            QJsonDocument::fromJson(Evaluate(m_page, kBrowserReading).toString().toUtf8()).object();
        QVERIFY(!browser.isEmpty());

        const ListingReading check = CheckReading(html);
        QCOMPARE(check.elements, browser.value(QStringLiteral("elements")).toVariant().toStringList());
        QCOMPARE(check.eventHandlers,
                 browser.value(QStringLiteral("eventHandlers")).toVariant().toStringList());
        QCOMPARE(check.addresses, browser.value(QStringLiteral("addresses")).toVariant().toStringList());
    }

private:
    QWebEnginePage* m_page = nullptr;
};

VELLUMO_WINDOW_TEST_MAIN(CheckAgainstBrowserTest)
#include "test_check_against_browser.moc"
