#pragma once

#include "check/listing_check.h"
#include "generator/colour_palette.h"
#include "generator/listing_fields.h"
#include "generator/placed_values.h"
#include "library/app_paths.h"
#include "library/template_file.h"
#include "library/template_folder.h"
#include "picker_lists.h"
#include "saved_dialog.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QWebEngineView;

namespace vellumo {

class BrowserCustomizer;
class ClickableLabel;
class DesktopServices;
class FullScreenView;
class HelpWindow;
class MessageBoxes;
class SummaryDialog;

inline constexpr const char* kProgramTitle = "Vellumo";
inline constexpr const char* kNoStyleCaption = "Select Template";

// The values the window keeps in hidden boxes: nothing shows them, the handlers read and write them.
struct StateHolders {
    std::string txtCode;                     // the current listing HTML
    std::string txtTag;                      // the current photo count, "2" to "5"
    std::string txtBgrnLink = kNoBackground; // background address or "No Background"
    std::string txtBACK = "#000000";         // border colour
    std::string txtFORE = "#000000";         // font colour
    std::string txtBkgrnd = "#FFFFFF";       // background colour
    std::string txtVB = "16777215";          // the last picked colour as a decimal colour value, for show
    std::string txtimgComb1;                 // style position read from a saved template
    std::string txtimgComb2;                 // background position read from a saved template
    std::string txtReg;                      // "PathSave" of the settings: "1" once the entry is written
    std::string Text1;                       // the running program's path
    std::string DesignFrameIndex = "0";      // the Frame1 panel the Design tab shows
    std::string summary;                     // eBay's phone summary as typed (CR LF); empty for none
    std::string ownBackground;               // the https address last given for "Your own picture…"
};

// The one main window. Everything the seller works with lives here; the listing itself is made by the
// generator from the values the controls hold.
class frmCorvex final : public QWidget {
    Q_OBJECT
public:
    // Tab positions of TabStrip1, counted from 1.
    enum Tab { DesignTab = 1, PreviewTab = 2, TemplatesTab = 3, HelpTab = 4 };
    // Frame1 elements.
    enum Panel {
        TwoPhotoPanel = 0,
        PreviewPanel = 1,
        ThreePhotoPanel = 2,
        FourPhotoPanel = 3,
        FivePhotoPanel = 4,
        TemplatesPanel = 5,
        HelpPanel = 6
    };
    static constexpr int kPanelCount = 7;

    // Builds every control with its initial content; nothing is read or written yet.
    frmCorvex(AppPaths paths, MessageBoxes& messageBoxes, DesktopServices& desktop,
              QWidget* parent = nullptr);
    ~frmCorvex() override;

    // The start-up sequence after the single-instance test, ending with the window shown and the focus in
    // the title field. Runs once.
    void Form_Load();

    // Brings the window to the front, restored if minimised: what a second start of the program asks.
    void comeToFront();

    // The preview browser; made on first use, normally right after the window first painted.
    QWebEngineView* browser();
    bool hasBrowser() const { return WB1 != nullptr; }

    const StateHolders& stateHolders() const { return m_state; }

    // What a design is made of, as Exit compares it with the last save or load: the style, every field
    // group as typed, the background (an own picture's address included), the colours and the summary.
    struct DesignState {
        int style = 1;
        FieldGroups fields;
        std::string background;
        std::string borderColour;
        std::string fontColour;
        std::string backgroundColour;
        std::string summary;
        bool operator==(const DesignState&) const = default;
    };
    DesignState designState() const;
    const PlacedValues& placedValues() const { return m_placedValues; }
    const AppPaths& paths() const { return m_paths; }
    // The Frame1 element in front.
    int panelInFront() const;
    int selectedTab() const;
    // Selecting a tab from code runs the tab handler as a seller's click does.
    void selectTab(int tab);
    // The notice dialog; none once OK has discarded it, until the next Save makes a fresh one.
    frmSaved* savedDialog() const { return m_savedDialog; }
    const PictureList& colourSwatches() const { return ImageList; }
    // Every value the listing is generated from, as the controls hold them now, with the paragraphs'
    // typed line breaks shown (what the generator gets; templates keep the typed text).
    ListingFields listingFields() const;
    // The swatches' colours as saved templates store them (lblCOLOR, lblCOLOR2, lblCOLOR3).
    DisplayColour borderSwatch() const { return m_borderSwatch; }
    DisplayColour fontSwatch() const { return m_fontSwatch; }
    DisplayColour backgroundSwatch() const { return m_backgroundSwatch; }

    // Handlers, named after their control and event.
    void ImageCombo_Click();
    void ImageCombo1_Click();
    void ImageCombo2_Click();
    void TabStrip1_Click();
    void cmdGenerate_Click();
    void cmdFullScreen_Click();
    void cmdExit_Click();
    void insertFooter();
    // "Phone-friendly layout" on the Preview tab: kept in the settings, and the preview follows.
    void chkPhoneLayout_Click();
    // The phone summary's dialog, from the button beside each title box.
    void cmdSummary_Click();
    // "Export backgrounds…": the full-size pictures into a folder the seller picks, ready for a picture
    // host; the chosen background only, or all of them.
    void exportChosenBackground();
    void exportAllBackgrounds();

    // The My Templates tab. Both lists filled again from one reading of the folder, nothing selected.
    void fillTemplateLists();
    void lstPlates_Click();
    void lstCode_Click();
    void lstPlates_DblClick();
    void lstCode_DblClick();
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdCopy_Click();
    void cmdDelete_Click();
    void cmdOpen_Click();

signals:
    void shown();
    // The start-up work done right after the window first painted (the compatibility entry, the browser).
    void startUpFinished();
    void browserCreated(QWebEngineView* view);
    void browserLoadFinished(bool ok);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHeader();
    void buildTabStrip();
    void buildFieldPanels();
    void buildPreviewPanel();
    void buildTemplatesPanel();
    void buildHelpPanel();
    void buildColourStrip();
    void buildTabOrder();
    void connectHandlers();
    void connectTemplateHandlers();

    QWidget* addPanel(int frameIndex, const char* panelName);
    QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, int left, int top);
    QLineEdit* addLineEdit(QWidget* parent, const char* name, int left, int top, int width, int height);
    QPlainTextEdit* addParagraphBox(QWidget* parent, const char* name, int left, int top, int width,
                                    int height);
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip,
                           int left, int top, int width, int height);
    ClickableLabel* addPicture(QWidget* parent, const char* name, const QString& resource, int left, int top,
                               int width, int height);
    void addLink(QPushButton* button, const QUrl& address);
    void addLink(ClickableLabel* label, const QUrl& address);

    // The style selection; the preview, which brings its own panel to the front, leaves the fields behind.
    void selectStyle(bool bringFieldsToFront);
    void bringToFront(int frameIndex);

    // One of the three colours: its value box, its swatch label and the colour the swatch shows, chosen
    // together so a pick or a load names its target once.
    struct ColourSetting {
        std::string& valueBox;
        QLabel* swatch;
        DisplayColour& swatchColour;
    };
    ColourSetting colourSetting(ColourTarget target);
    void showSwatch(const ColourSetting& setting, DisplayColour colour);
    // Writes the code box to the preview page and shows it; false (after telling the seller) when the
    // page could not be written.
    bool showPreviewPage();
    void navigateBrowser(const QUrl& address);
    // What start-up leaves until the window is on screen, so the seller never waits for it.
    void finishStartUp();
    // Vellumo Help: the guide that ships with the program.
    void openHelp();
    void showMessage(const std::string& text);
    void showWarning(const QString& text);

    // The fields' boxes as the seller typed them.
    FieldGroups typedFields() const;
    // The form "Phone-friendly layout" asks for.
    LayoutForm layoutForm() const;
    // Asks for the address of the seller's own background picture; false (the seller told why, if it was
    // refused) when none was given.
    bool askOwnBackground();
    // The background of the picker's entry into the listing, as a pick does, without asking anything.
    void applyBackgroundPick();
    void exportBackgrounds(const std::vector<int>& numbers);

    void showTemplateFolder(const TemplateFolderListing& listing);
    // Selects a template entry as a click does, its code file with it.
    void selectTemplateEntry(const std::string& entry);
    // The values a template of that photo count saves: its field group, the pickers' positions, the
    // colour texts and the swatches.
    TemplateValues templateValues(int photoCount) const;
    // Puts what a template file held into the fields, the hidden position boxes and the swatches.
    void applyTemplateValues(const TemplateValues& values);
    // Selects the picker entry at a position counted from 1; a position that names no entry changes
    // nothing.
    static void selectPickerPosition(QComboBox* picker, int position);
    // The code box and placed values from the style's pristine layout and the current fields, footer kept.
    void rebuildListing();
    // Runs the listing check on the code as it stands; true when the listing may be saved and copied,
    // after the seller confirmed what the check found or applied its fixes.
    bool confirmListingCheck(int photoCount);
    void applyFieldFix(const FieldFix& fix, int photoCount);
    void makeSavedDialog(bool ticked);
    // Stores "Don't show this message again" and shows it in both boxes that hold it.
    void saveSavedSetting(bool ticked);

    AppPaths m_paths;
    MessageBoxes& m_messageBoxes;
    DesktopServices& m_desktop;
    StateHolders m_state;
    PlacedValues m_placedValues;
    BrowserCustomizer* m_browserCustomizer = nullptr;
    QPointer<FullScreenView> m_fullScreenView;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<frmSaved> m_savedDialog;
    SummaryDialog* m_summaryDialog = nullptr; // made on first use, kept for the next
    int m_backgroundEntry = 1; // the background picker's entry the listing has, for a cancelled own pick
    DisplayColour m_borderSwatch = 0;
    DisplayColour m_fontSwatch = 0;
    DisplayColour m_backgroundSwatch = 16777215;
    DisplayColour m_lastPickedColour = 16777215; // txtVB's number
    QUrl m_browserAddress;
    DesignState m_lastSavedDesign; // as the last save or load left it, or the start
    bool m_loaded = false;
    bool m_shownOnce = false;
    bool m_startUpFinishing = false;

    // Header band.
    QLabel* Label7 = nullptr;
    ClickableLabel* Image1 = nullptr;
    ClickableLabel* Image2 = nullptr;
    ClickableLabel* Image3 = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;

    // Tabs and their pages.
    QTabBar* TabStrip1 = nullptr;
    QWidget* m_tabPane = nullptr;
    QStackedWidget* m_frameStack = nullptr;
    std::array<QGroupBox*, kPanelCount> Frame1{};

    // The boxes of each FieldGroup, indexed by photo count - 2, in the order of their panel's fields.
    struct FieldBoxes {
        QLineEdit* title = nullptr;
        QPushButton* summary = nullptr; // the phone summary's button beside the title
        std::vector<QLineEdit*> pictures;
        std::vector<QPlainTextEdit*> paragraphs;
    };
    std::array<FieldBoxes, 4> m_fieldBoxes;

    // Preview panel.
    QWidget* Picture3 = nullptr;
    QWebEngineView* WB1 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdFullScreen = nullptr;
    // On the tab row, beside the tabs, while the Preview tab is in front.
    QCheckBox* chkPhoneLayout = nullptr;

    // Template library panel.
    QWidget* Picture7 = nullptr;
    QLabel* Label35 = nullptr;
    QListWidget* lstPlates = nullptr;
    QLabel* Label36 = nullptr;
    QListWidget* lstCode = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdOpen = nullptr;
    QLabel* Label38 = nullptr;
    QLineEdit* txtFilename = nullptr;
    QPushButton* cmdSave = nullptr;

    // Help and about panel.
    QWidget* Picture8 = nullptr;
    ClickableLabel* Image5 = nullptr;
    ClickableLabel* Image7 = nullptr;
    ClickableLabel* Image4 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QWidget* Picture9 = nullptr;
    ClickableLabel* Image6 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QWidget* Picture10 = nullptr;
    QLabel* lblTitle = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    QCheckBox* chkShowNotice = nullptr;
    QLabel* Label37 = nullptr;
    ClickableLabel* Label40 = nullptr;
    ClickableLabel* Label41 = nullptr;
    ClickableLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;

    // Colour strip.
    QGroupBox* Frame2 = nullptr;
    QWidget* Picture2 = nullptr;
    QComboBox* ImageCombo = nullptr;
    QLabel* lblCOLOR = nullptr;
    QRadioButton* optBACK = nullptr;
    QLabel* lblCOLOR3 = nullptr;
    QRadioButton* optBkgrnd = nullptr;
    QLabel* lblCOLOR2 = nullptr;
    QRadioButton* optFORE = nullptr;
    QComboBox* ImageCombo2 = nullptr;
    QPushButton* cmdExportBackgrounds = nullptr; // under the background picker
    QMenu* m_exportChoices = nullptr;
    QAction* m_exportChosen = nullptr;
    QAction* m_exportAll = nullptr;
    QComboBox* ImageCombo1 = nullptr;
    QPushButton* cmdExit = nullptr;

    // Below the client area: never seen, and out of the keyboard's reach.
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdDummy = nullptr;

    // Picker pictures.
    PictureList ImageList;  // colour swatches, drawn at start-up
    PictureList ImageList1; // style icon and miniatures
    PictureList ImageList2; // background icon and thumbnails
};

} // namespace vellumo
