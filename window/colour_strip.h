#pragma once

#include "generator/colour_palette.h"
#include "picker_lists.h"

#include <QGroupBox>

#include <array>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vellumo {

class Design;
class DesktopServices;
class MessageBoxes;

// "Select Colors", below the tabs whichever is open: the colour picker with the three options and their
// swatches (and a warning beside them while the text colour is hard to read), the background picker with
// "Export backgrounds…", the style picker and Exit. Each pick is passed on as soon as it is made; the strip
// shows the design it is given.
class ColourStrip final : public QGroupBox {
    Q_OBJECT
public:
    ColourStrip(MessageBoxes& messageBoxes, DesktopServices& desktop, QWidget* parent);

    // The pickers' entries and pictures; left out of construction so the window shows quickly.
    void fillPickers();
    // The pickers' positions, the swatches and the export offer as the design has them.
    void showDesign(const Design& design);
    QComboBox* stylePicker() const { return m_stylePicker; }
    const PictureList& colourSwatches() const { return m_swatchPictures; }
    std::vector<QWidget*> keyboardOrder() const;

signals:
    void colourPicked(ColourTarget target, int paletteIndex);
    void stylePicked(int position);
    // A position of the background picker, counted from 1; the last is "Your own picture…".
    void backgroundPicked(int entryPosition);
    void exitClicked();

private:
    QLabel* swatchOf(ColourTarget target) const;
    ColourTarget chosenTarget() const;
    void exportBackgrounds(const std::vector<int>& numbers);

    MessageBoxes& m_messageBoxes;
    DesktopServices& m_desktop;
    QComboBox* m_colourPicker = nullptr;
    QRadioButton* m_borderOption = nullptr;
    QRadioButton* m_backgroundOption = nullptr;
    QRadioButton* m_textOption = nullptr;
    std::array<QLabel*, 3> m_swatches{}; // by ColourTarget
    QLabel* m_contrastWarning = nullptr; // beside the text swatch while the text is hard to read
    QComboBox* m_backgroundPicker = nullptr;
    QPushButton* m_exportButton = nullptr;
    QAction* m_exportChosen = nullptr;
    QAction* m_exportAll = nullptr;
    QComboBox* m_stylePicker = nullptr;
    QPushButton* m_exitButton = nullptr;
    PictureList m_swatchPictures;
    PictureList m_stylePictures;
    PictureList m_backgroundPictures;
    int m_chosenBuiltIn = 0; // the built-in background the design has, for "Background 007"; 0 for none
};

} // namespace vellumo
