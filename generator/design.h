#pragma once

#include "backgrounds.h"
#include "colour_palette.h"
#include "field_ref.h"
#include "listing_fields.h"
#include "template_style.h"
#include "template_values.h"

#include <array>
#include <string>
#include <string_view>

namespace vellumo {

// The design a seller works on: the style, the fields of every photo count as typed, the three colours,
// the background, the phone summary and the form the layout is written in. The listing is made from it
// afresh whenever it is asked for, so it always shows the current values.
class Design {
public:
    Design();

    // The style picker's position, 1 ("Select Template", no layout) to 9.
    int style() const { return m_state.style; }
    // The style's photo count; 0 while no layout is chosen.
    int photoCount() const;
    // Picking a style, the one chosen included, starts its listing afresh from the layout: a credit footer
    // that F12 put in goes. Positions outside 1..9 change nothing.
    void pickStyle(int position);

    // Every field group as typed, paragraphs with CR LF line breaks.
    const FieldGroups& fields() const { return m_state.fields; }
    // A title, picture address or paragraph of one photo count's fields; other kinds are not typed.
    void setField(int photoCount, FieldRef field, std::string text);

    const ColourChoice& colour(ColourTarget target) const;
    // The palette entry at the index (0..15) becomes the target's colour; other indexes change nothing.
    void pickColour(ColourTarget target, int paletteIndex);

    const BackgroundChoice& background() const { return m_state.background; }
    // The address of "Your own picture…" last given, kept while another background is chosen.
    const std::string& ownBackground() const { return m_state.ownBackground; }
    // A built-in background or none; the seller's own picture once an address has been given for it.
    // False, changing nothing, for an own picture without an address.
    bool pickBackground(BackgroundChoice choice);
    // The seller's own picture at the address they typed, chosen as the background; false, changing
    // nothing, unless it is an https address the listing can carry.
    bool chooseOwnBackground(std::string_view typed);
    // What the listing's background attribute holds: "No Background", a built-in picture's address or the
    // seller's own.
    std::string backgroundAddress() const;

    const std::string& summary() const { return m_state.summary; }
    void setSummary(std::string summary) { m_state.summary = std::move(summary); }

    LayoutForm layoutForm() const { return m_layoutForm; }
    void setLayoutForm(LayoutForm form) { m_layoutForm = form; }

    // F12: the credit footer goes into the listing where the layout keeps room for it, until the listing
    // is started afresh. Only with a style chosen, and only once.
    void insertFooter();
    const std::string& footer() const { return m_footer; }

    // A fix the listing check offers for a field of the current style. A paragraph's fix was made on the
    // paragraph as the listing shows it and is brought back to the typed form.
    void applyFix(FieldRef field, std::string_view newValue);

    // Every value the listing is made from, paragraphs with their typed line breaks shown.
    ListingFields listingFields() const;
    // The listing HTML: the style's layout filled with the current values, the footer in if F12 put it
    // there. Empty while no layout is chosen.
    std::string listing() const;

    // What a template of that photo count saves.
    TemplateValues templateValues(int photoCount) const;
    // What a template file of that photo count held: its fields, its colours and summary, and the style
    // and background it names (a position that names no entry leaves the pick as it is). Counts as the
    // last load.
    void applyTemplate(int photoCount, const TemplateValues& values);

    // True when the design differs from the last load or save (or the start).
    bool changedSinceSaved() const { return !(m_state == m_saved); }
    void markSaved() { m_saved = m_state; }

private:
    // What a save keeps and the close question compares.
    struct State {
        int style = kNoStylePosition;
        FieldGroups fields;
        std::array<ColourChoice, 3> colours;
        BackgroundChoice background;
        std::string ownBackground;
        std::string summary;
        bool operator==(const State&) const;
    };

    ColourChoice& colourOf(ColourTarget target);

    State m_state;
    State m_saved;
    LayoutForm m_layoutForm = LayoutForm::PhoneFriendly;
    std::string m_footer; // empty: none
};

} // namespace vellumo
