#include "caption_room.h"

#include <limits>
#include <map>

#include <gtk/gtk.h>
#include <wx/toplevel.h>
#include <wx/window.h>

namespace ui_contract {

namespace {

struct Box {
    int x, y, width, height;
};

Box Allocation(GtkWidget* widget, GtkWidget* top) {
    GtkAllocation allocation;
    gtk_widget_get_allocation(widget, &allocation);
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y);
    return {x, y, allocation.width, allocation.height};
}

Box Intersect(Box a, Box b) {
    int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    int right = std::min(a.x + a.width, b.x + b.width), bottom = std::min(a.y + a.height, b.y + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

// A column header widens its column to fit its title, and the last column
// takes what room is left: a title's room is the list's own width for its
// column less what the header puts around the title.
int HeaderRoom(GtkWidget* header, GtkWidget* label) {
    GtkWidget* list = gtk_widget_get_parent(header);
    if (!GTK_IS_TREE_VIEW(list)) return std::numeric_limits<int>::max();
    for (int i = 0; GtkTreeViewColumn* column = gtk_tree_view_get_column(GTK_TREE_VIEW(list), i); ++i) {
        if (gtk_tree_view_column_get_button(column) != header) continue;
        int minimum = 0, headerWidth = 0, labelWidth = 0;
        gtk_widget_get_preferred_width(header, &minimum, &headerWidth);
        gtk_widget_get_preferred_width(label, &minimum, &labelWidth);
        return gtk_tree_view_column_get_fixed_width(column) - (headerWidth - labelWidth);
    }
    return std::numeric_limits<int>::max();
}

// Where the label may draw its text: its own box less its margin, padding and border,
// cut by the boxes of every widget around it up to the window.
Box TextRoom(GtkWidget* label, GtkWidget* top) {
    GtkStyleContext* style = gtk_widget_get_style_context(label);
    GtkStateFlags state = gtk_style_context_get_state(style);
    GtkBorder margin, padding, border;
    gtk_style_context_get_margin(style, state, &margin);
    gtk_style_context_get_padding(style, state, &padding);
    gtk_style_context_get_border(style, state, &border);
    Box room = Allocation(label, top);
    room.x += margin.left + padding.left + border.left;
    room.y += margin.top + padding.top + border.top;
    room.width -= margin.left + margin.right + padding.left + padding.right + border.left + border.right;
    room.height -= margin.top + margin.bottom + padding.top + padding.bottom + border.top + border.bottom;
    for (GtkWidget* around = gtk_widget_get_parent(label); around && around != top;
         around = gtk_widget_get_parent(around)) {
        room = Intersect(room, Allocation(around, top));
        room.width = std::min(room.width, HeaderRoom(around, label));
    }
    return room;
}

// The label's own layout, font, attributes and wrapping width included, with
// nothing shortened to an ellipsis.
Box TextExtent(GtkWidget* label) {
    PangoLayout* layout = pango_layout_copy(gtk_label_get_layout(GTK_LABEL(label)));
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_NONE);
    if (!gtk_label_get_line_wrap(GTK_LABEL(label))) pango_layout_set_width(layout, -1);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    return {0, 0, width, height};
}

// A drop-down list draws its chosen entry in a cell view, beside the arrow.
struct Entry {
    GtkWidget* view;
    std::string text;
};

Box EntryExtent(const Entry& entry) {
    PangoLayout* layout = gtk_widget_create_pango_layout(entry.view, entry.text.c_str());
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    return {0, 0, width, height};
}

Box EntryRoom(const Entry& entry, GtkWidget* top) {
    Box room = Allocation(entry.view, top);
    GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(entry.view));
    for (GList* cell = cells; cell; cell = cell->next) {
        int xpad = 0, ypad = 0;
        g_object_get(cell->data, "xpad", &xpad, "ypad", &ypad, nullptr);
        room.width -= 2 * xpad;
        room.height -= 2 * ypad;
    }
    g_list_free(cells);
    for (GtkWidget* around = gtk_widget_get_parent(entry.view); around && around != top;
         around = gtk_widget_get_parent(around))
        room = Intersect(room, Allocation(around, top));
    return room;
}

GtkWidget* CellViewIn(GtkWidget* widget) {
    if (GTK_IS_CELL_VIEW(widget)) return widget;
    GtkWidget* found = nullptr;
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer found) {
                auto* view = static_cast<GtkWidget**>(found);
                if (!*view) *view = CellViewIn(child);
            },
            &found);
    return found;
}

// A single-line edit draws its text (a password as its mask) in its text area.
Box EditTextExtent(GtkWidget* edit) {
    int width = 0, height = 0;
    pango_layout_get_pixel_size(gtk_entry_get_layout(GTK_ENTRY(edit)), &width, &height);
    return {0, 0, width, height};
}

Box EditTextRoom(GtkWidget* edit, GtkWidget* top) {
    GdkRectangle area;
    gtk_entry_get_text_area(GTK_ENTRY(edit), &area);
    Box room = Allocation(edit, top);
    room = {room.x + area.x, room.y + area.y, area.width, area.height};
    for (GtkWidget* around = edit; around && around != top; around = gtk_widget_get_parent(around))
        room = Intersect(room, Allocation(around, top));
    return room;
}

struct Captions {
    std::vector<GtkWidget*> labels;
    std::vector<Entry> entries;
    std::vector<GtkWidget*> edits;
};

void CollectCaptions(GtkWidget* widget, Captions& found) {
    if (!gtk_widget_get_mapped(widget)) return;
    if (GTK_IS_LABEL(widget)) found.labels.push_back(widget);
    if (GTK_IS_ENTRY(widget)) found.edits.push_back(widget);
    if (GTK_IS_COMBO_BOX_TEXT(widget) && !gtk_combo_box_get_has_entry(GTK_COMBO_BOX(widget))) {
        gchar* text = gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(widget));
        GtkWidget* view = CellViewIn(widget);
        if (text && view) found.entries.push_back({view, text});
        g_free(text);
        return;
    }
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer found) { CollectCaptions(child, *static_cast<Captions*>(found)); }, &found);
}

void MapWxWindows(wxWindow* window, std::map<GtkWidget*, wxWindow*>& windows) {
    windows[static_cast<GtkWidget*>(window->GetHandle())] = window;
    for (wxWindow* child : window->GetChildren())
        if (!child->IsTopLevel()) MapWxWindows(child, windows);
}

std::string ControlName(GtkWidget* label, const std::map<GtkWidget*, wxWindow*>& windows) {
    for (GtkWidget* widget = label; widget; widget = gtk_widget_get_parent(widget))
        if (auto found = windows.find(widget); found != windows.end())
            return std::string(wxString(found->second->GetClassInfo()->GetClassName()).utf8_str()) + " \"" +
                   std::string(found->second->GetLabel().utf8_str()) + "\"";
    return "?";
}

// An edit is known by the caption of the label that ends nearest to its left on its row.
std::string EditName(GtkWidget* edit, const std::vector<GtkWidget*>& labels, GtkWidget* top) {
    const Box box = Allocation(edit, top);
    GtkWidget* nearest = nullptr;
    int nearestEnd = std::numeric_limits<int>::min();
    for (GtkWidget* label : labels) {
        const Box other = Allocation(label, top);
        const bool sameRow = other.y < box.y + box.height && box.y < other.y + other.height;
        const int end = other.x + other.width;
        if (sameRow && end <= box.x && end > nearestEnd) {
            nearest = label;
            nearestEnd = end;
        }
    }
    if (!nearest) return "edit at " + std::to_string(box.x) + "," + std::to_string(box.y);
    return std::string("edit after \"") + gtk_label_get_text(GTK_LABEL(nearest)) + "\"";
}

}  // namespace

std::vector<std::string> CaptionsCut(wxWindow* topLevel) {
    std::map<GtkWidget*, wxWindow*> windows;
    MapWxWindows(topLevel, windows);
    auto* top = static_cast<GtkWidget*>(topLevel->GetHandle());
    const std::string title(static_cast<wxTopLevelWindow*>(topLevel)->GetTitle().utf8_str());
    Captions found;
    for (wxWindow* child : topLevel->GetChildren())
        if (!child->IsTopLevel()) CollectCaptions(static_cast<GtkWidget*>(child->GetHandle()), found);

    std::vector<std::string> cut;
    auto check = [&](const std::string& control, const std::string& caption, Box text, Box room) {
        if (caption.empty() || (text.width <= room.width && text.height <= room.height)) return;
        cut.push_back("window \"" + title + "\", " + control + ": caption \"" + caption + "\" is " +
                      std::to_string(text.width) + "x" + std::to_string(text.height) + ", room " +
                      std::to_string(room.width) + "x" + std::to_string(room.height));
    };
    for (GtkWidget* label : found.labels) {
        const char* caption = gtk_label_get_text(GTK_LABEL(label));
        check(ControlName(label, windows), caption, TextExtent(label), TextRoom(label, top));
    }
    for (const Entry& entry : found.entries)
        check(ControlName(entry.view, windows), entry.text, EntryExtent(entry), EntryRoom(entry, top));
    for (GtkWidget* edit : found.edits)
        check(EditName(edit, found.labels, top), pango_layout_get_text(gtk_entry_get_layout(GTK_ENTRY(edit))),
              EditTextExtent(edit), EditTextRoom(edit, top));
    return cut;
}

}  // namespace ui_contract
