#include "platform/ui/wx/wx_captions.h"

#include <algorithm>
#include <limits>
#include <map>

#include <gtk/gtk.h>
#include <wx/dataview.h>
#include <wx/fontutil.h>
#include <wx/window.h>

namespace rg_qelvane_base::wx {

namespace {

constexpr char kNarrowPadding[] = "button { padding-left: 4px; padding-right: 4px; }";
// Check boxes and radio buttons keep their indicator close to the text, as on
// the system the windows were laid out for: the toolkit's own margins take
// half of the narrower boxes.
constexpr char kNarrowIndicator[] = "check, radio { margin: 0 3px 0 0; }";
constexpr char kNoLabelMargin[] = "label { margin: 0; }";
constexpr char kNarrowArrow[] = "button.combo { padding-left: 2px; padding-right: 2px; } arrow { min-width: 10px; }";
// Single-line edits too: the toolkit's own padding takes 16 of a port edit's
// 43 pixels, and the port no longer shows whole.
constexpr char kNarrowEntryPadding[] = "entry { padding-left: 2px; padding-right: 2px; }";

void AddCss(GtkWidget* widget, const char* css) {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css, -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

// To the widget and every widget inside it: each has a style of its own.
void AddCssWithin(GtkWidget* widget, const char* css) {
    AddCss(widget, css);
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer css) { AddCssWithin(child, static_cast<const char*>(css)); },
            const_cast<char*>(css));
}

GtkWidget* LabelInside(GtkWidget* widget) {
    if (GTK_IS_LABEL(widget)) return widget;
    if (GTK_IS_FRAME(widget)) return gtk_frame_get_label_widget(GTK_FRAME(widget));
    if (GTK_IS_BUTTON(widget)) {
        GtkWidget* child = gtk_bin_get_child(GTK_BIN(widget));
        return GTK_IS_LABEL(child) ? child : nullptr;
    }
    return nullptr;
}

bool HasNarrowPadding(GtkWidget* widget) { return g_object_get_data(G_OBJECT(widget), "qel-narrow-padding"); }

void UseNarrowIndicator(GtkWidget* checkButton) {
    if (g_object_get_data(G_OBJECT(checkButton), "qel-narrow-indicator")) return;
    g_object_set_data(G_OBJECT(checkButton), "qel-narrow-indicator", GINT_TO_POINTER(1));
    AddCss(checkButton, kNarrowIndicator);
    AddCss(LabelInside(checkButton), kNoLabelMargin);
}

// What a kind of widget takes around its label's text, measured once on a
// fresh widget of that kind in the toolkit's own style. The font does not
// change it: padding, frames and indicators are given in pixels. The probe's
// text is larger than any least size the style sets, which would hide them.
wxSize ChromeOf(GtkWidget* widget) {
    static std::map<std::pair<GType, bool>, wxSize> measured;
    const bool narrow = HasNarrowPadding(widget);
    const auto key = std::make_pair(G_OBJECT_TYPE(widget), narrow);
    if (auto found = measured.find(key); found != measured.end()) return found->second;

    GtkWidget* probe = GTK_WIDGET(g_object_new(key.first, "label", "MMMMMMMMMM\nM\nM", nullptr));
    g_object_ref_sink(probe);
    gtk_widget_show(probe);  // a hidden widget asks for no room at all
    if (narrow) AddCss(probe, kNarrowPadding);
    if (GTK_IS_CHECK_BUTTON(probe)) UseNarrowIndicator(probe);
    int textWidth = 0, textHeight = 0;
    pango_layout_get_pixel_size(gtk_label_get_layout(GTK_LABEL(LabelInside(probe))), &textWidth, &textHeight);
    int minimum = 0, width = 0, height = 0;
    gtk_widget_get_preferred_width(probe, &minimum, &width);
    gtk_widget_get_preferred_height(probe, &minimum, &height);
    gtk_widget_destroy(probe);
    g_object_unref(probe);
    return measured[key] = wxSize(width - textWidth, height - textHeight);
}

GtkCellRenderer* EntryRenderer(GtkWidget* dropDown) {
    GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(dropDown));
    auto* renderer = cells ? GTK_CELL_RENDERER(cells->data) : nullptr;
    g_list_free(cells);
    return renderer;
}

void UseNarrowArrow(GtkWidget* dropDown) {
    if (g_object_get_data(G_OBJECT(dropDown), "qel-narrow-arrow")) return;
    g_object_set_data(G_OBJECT(dropDown), "qel-narrow-arrow", GINT_TO_POINTER(1));
    AddCssWithin(dropDown, kNarrowArrow);
    if (GtkCellRenderer* renderer = EntryRenderer(dropDown)) g_object_set(renderer, "xpad", 0, nullptr);
}

// What a drop-down list takes beside its entry's text, measured once on a
// fresh one with the same narrow arrow.
int DropDownChrome() {
    static const int chrome = [] {
        GtkWidget* probe = gtk_combo_box_text_new();
        g_object_ref_sink(probe);
        constexpr char kText[] = "MMMMMMMMMM";
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(probe), kText);
        gtk_combo_box_set_active(GTK_COMBO_BOX(probe), 0);
        gtk_widget_show_all(probe);
        UseNarrowArrow(probe);
        PangoLayout* layout = gtk_widget_create_pango_layout(probe, kText);
        int textWidth = 0, textHeight = 0, minimum = 0, width = 0;
        pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
        g_object_unref(layout);
        gtk_widget_get_preferred_width(probe, &minimum, &width);
        gtk_widget_destroy(probe);
        g_object_unref(probe);
        return width - textWidth;
    }();
    return chrome;
}

struct Layout {
    wxSize extent;
    int lines;
};

// The text laid out as `label` draws it with `font`, wrapped at the room's
// width where the label wraps.
Layout LayOut(GtkWidget* label, const wxString& text, const wxFont& font, int wrapWidth) {
    PangoLayout* layout = gtk_widget_create_pango_layout(label, text.utf8_str());
    pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
    if (gtk_label_get_line_wrap(GTK_LABEL(label))) {
        pango_layout_set_width(layout, wrapWidth * PANGO_SCALE);
        pango_layout_set_wrap(layout, gtk_label_get_line_wrap_mode(GTK_LABEL(label)));
    }
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    const int lines = pango_layout_get_line_count(layout);
    g_object_unref(layout);
    return {{width, height}, lines};
}

bool Fits(wxSize extent, wxSize room) { return extent.x <= room.x && extent.y <= room.y; }

// `font`, or the largest smaller size at which `fitsAt` holds, never below 8 points.
template <class FitsAt>
wxFont LargestFitting(wxFont font, FitsAt fitsAt) {
    while (font.GetPointSize() > kSmallestCaptionPoints && !fitsAt(font)) font.SetPointSize(font.GetPointSize() - 1);
    return font;
}

wxFont LargestFitting(GtkWidget* label, const wxString& text, const wxFont& font, wxSize room) {
    return LargestFitting(
        font, [&](const wxFont& candidate) { return Fits(LayOut(label, text, candidate, room.x).extent, room); });
}

void UseNarrowEntryPadding(GtkWidget* entry) {
    if (g_object_get_data(G_OBJECT(entry), "qel-narrow-padding")) return;
    g_object_set_data(G_OBJECT(entry), "qel-narrow-padding", GINT_TO_POINTER(1));
    AddCss(entry, kNarrowEntryPadding);
}

// Where a `size` large single-line edit draws its text: inside its padding and frame.
wxSize EntryRoom(GtkWidget* entry, wxSize size) {
    GtkStyleContext* style = gtk_widget_get_style_context(entry);
    const GtkStateFlags state = gtk_style_context_get_state(style);
    GtkBorder padding, border;
    gtk_style_context_get_padding(style, state, &padding);
    gtk_style_context_get_border(style, state, &border);
    return {size.x - padding.left - padding.right - border.left - border.right,
            size.y - padding.top - padding.bottom - border.top - border.bottom};
}

// The edit's text as it draws it (a password as its mask characters) in `font`.
wxSize EntryTextExtent(GtkWidget* entry, const wxFont& font) {
    PangoLayout* layout = pango_layout_copy(gtk_entry_get_layout(GTK_ENTRY(entry)));
    pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    return {width, height};
}

GtkWidget* FindLabel(GtkWidget* widget) {
    if (GTK_IS_LABEL(widget)) return widget;
    GtkWidget* found = nullptr;
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer found) {
                auto* label = static_cast<GtkWidget**>(found);
                if (!*label) *label = FindLabel(child);
            },
            &found);
    return found;
}

// Lines `pitch` pixels apart; 0 for the font's own spacing.
void SetLinePitch(GtkWidget* label, int pitch) {
    if (pitch <= 0) {
        gtk_label_set_attributes(GTK_LABEL(label), nullptr);
        return;
    }
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_line_height_new_absolute(pitch * PANGO_SCALE));
    gtk_label_set_attributes(GTK_LABEL(label), attributes);
    pango_attr_list_unref(attributes);
}

}  // namespace

GtkWidget* CaptionLabel(wxWindow* control) {
    auto* widget = static_cast<GtkWidget*>(control->GetHandle());
    return widget ? LabelInside(widget) : nullptr;
}

void FitCaption(wxWindow* control, const wxFont& described, wxSize size) {
    GtkWidget* label = CaptionLabel(control);
    if (!label) {
        control->SetFont(described);
        return;
    }
    // A check box's indicator may not push its text out of the box: the toolkit
    // complains of a label wider than its room, so one too long ends in "…".
    if (GTK_IS_CHECK_BUTTON(control->GetHandle())) {
        gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
        UseNarrowIndicator(static_cast<GtkWidget*>(control->GetHandle()));
    }

    const wxString text = wxString::FromUTF8(gtk_label_get_text(GTK_LABEL(label)));
    const wxSize room = size - ChromeOf(static_cast<GtkWidget*>(control->GetHandle()));
    const wxFont font = LargestFitting(label, text, described, room);
    control->SetFont(font);

    const Layout smallest = LayOut(label, text, font, room.x);
    const int pitch = smallest.extent.y > room.y && smallest.lines > 1 ? room.y / smallest.lines : 0;
    SetLinePitch(label, pitch);
}

void FitEntries(wxWindow* dropDown, const wxFont& described, int width) {
    auto* widget = static_cast<GtkWidget*>(dropDown->GetHandle());
    UseNarrowArrow(widget);
    const int room = width - DropDownChrome();
    auto widest = [&](const wxFont& font) {
        int most = 0;
        GtkTreeModel* entries = gtk_combo_box_get_model(GTK_COMBO_BOX(widget));
        GtkTreeIter entry;
        for (bool more = gtk_tree_model_get_iter_first(entries, &entry); more;
             more = gtk_tree_model_iter_next(entries, &entry)) {
            gchar* text = nullptr;
            gtk_tree_model_get(entries, &entry, 0, &text, -1);
            PangoLayout* layout = gtk_widget_create_pango_layout(widget, text);
            pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
            int textWidth = 0, textHeight = 0;
            pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
            g_object_unref(layout);
            g_free(text);
            most = std::max(most, textWidth);
        }
        return most;
    };
    dropDown->SetFont(LargestFitting(described, [&](const wxFont& font) { return widest(font) <= room; }));
}

void FitColumnTitle(wxDataViewColumn* column, const wxFont& described, int width) {
    GtkWidget* header = gtk_tree_view_column_get_button(GTK_TREE_VIEW_COLUMN(column->GetGtkHandle()));
    GtkWidget* label = header ? FindLabel(header) : nullptr;
    if (!label) return;
    // The header's padding and whatever stands beside the title, as the
    // toolkit asks for them now: the header's width less its title's text.
    const wxString text = wxString::FromUTF8(gtk_label_get_text(GTK_LABEL(label)));
    PangoLayout* title = pango_layout_copy(gtk_label_get_layout(GTK_LABEL(label)));
    pango_layout_set_width(title, -1);
    int textWidth = 0, textHeight = 0, minimum = 0, headerWidth = 0;
    pango_layout_get_pixel_size(title, &textWidth, &textHeight);
    g_object_unref(title);
    gtk_widget_get_preferred_width(header, &minimum, &headerWidth);
    const wxSize room(width - (headerWidth - textWidth), std::numeric_limits<int>::max());

    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(
        attributes,
        pango_attr_font_desc_new(LargestFitting(label, text, described, room).GetNativeFontInfo()->description));
    gtk_label_set_attributes(GTK_LABEL(label), attributes);
    pango_attr_list_unref(attributes);
}

void FitEditText(wxWindow* edit, const wxFont& described, wxSize size) {
    auto* entry = static_cast<GtkWidget*>(edit->GetHandle());
    if (!GTK_IS_ENTRY(entry)) return;
    UseNarrowEntryPadding(entry);
    const wxSize room = EntryRoom(entry, size);
    const wxFont font = LargestFitting(
        described, [&](const wxFont& candidate) { return Fits(EntryTextExtent(entry, candidate), room); });
    // Comes at every keystroke: the edit is restyled only when its size changes.
    if (font != edit->GetFont()) edit->SetFont(font);
}

void SetWordWrap(wxWindow* label, bool wrap) {
    auto* widget = GTK_LABEL(label->GetHandle());
    gtk_label_set_line_wrap(widget, wrap);
    gtk_label_set_line_wrap_mode(widget, PANGO_WRAP_WORD_CHAR);
}

void UseNarrowPadding(wxWindow* button) {
    auto* widget = static_cast<GtkWidget*>(button->GetHandle());
    g_object_set_data(G_OBJECT(widget), "qel-narrow-padding", GINT_TO_POINTER(1));
    AddCss(widget, kNarrowPadding);
}

}  // namespace rg_qelvane_base::wx
