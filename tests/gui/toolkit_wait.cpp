#include "toolkit_wait.h"

#include <map>
#include <string>
#include <vector>

#include <gtk/gtk.h>
#include <wx/app.h>

#include "support/wait.h"

namespace ui_contract {

namespace {

// Runs what is due now; false when nothing was.
bool RunPending() {
    bool ran = false;
    while (gtk_events_pending()) {
        gtk_main_iteration_do(FALSE);
        ran = true;
    }
    wxTheApp->ProcessPendingEvents();
    return ran;
}

// What is due now, or, with nothing due, a moment's wait for what comes next.
void ToolkitTurn() {
    if (!RunPending()) g_usleep(1000);
}

std::vector<GtkWidget*> WindowsOnScreen() {
    std::vector<GtkWidget*> shown;
    GList* windows = gtk_window_list_toplevels();
    for (GList* window = windows; window; window = window->next)
        if (gtk_widget_get_mapped(GTK_WIDGET(window->data))) shown.push_back(GTK_WIDGET(window->data));
    g_list_free(windows);
    return shown;
}

// Frames a window's clock has drawn since it was first looked at.
int FramesDrawn(GdkFrameClock* clock) {
    auto* frames = static_cast<int*>(g_object_get_data(G_OBJECT(clock), "qel-frames-drawn"));
    if (!frames) {
        frames = new int(0);
        g_object_set_data_full(G_OBJECT(clock), "qel-frames-drawn", frames,
                               [](gpointer frames) { delete static_cast<int*>(frames); });
        g_signal_connect(clock, "after-paint",
                         G_CALLBACK(+[](GdkFrameClock*, gpointer frames) { ++*static_cast<int*>(frames); }), frames);
    }
    return *frames;
}

// Runs the toolkit until every window on the screen, those that appear
// meanwhile too, has drawn a frame more than when it was first looked at.
void NextFrame() {
    std::map<GdkFrameClock*, int> before;
    WaitForToolkit("every window on the screen to draw a frame", [&] {
        bool drawn = true;
        for (GtkWidget* window : WindowsOnScreen()) {
            GdkFrameClock* clock = gtk_widget_get_frame_clock(window);
            if (!clock) continue;
            auto [seen, first] = before.try_emplace(clock, FramesDrawn(clock));
            if (first) gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_PAINT);
            drawn = drawn && FramesDrawn(clock) > seen->second;
        }
        return drawn;
    });
}

// The font a widget's text is drawn in at this frame. The theme animates a
// change of font over a few frames, at sizes between the old and the new,
// and two of those sizes may well lay a text out to the same pixels.
std::string FontInForce(PangoLayout* text) {
    gchar* font = pango_font_description_to_string(pango_context_get_font_description(pango_layout_get_context(text)));
    std::string described = font;
    g_free(font);
    return described;
}

// Where every widget on the screen is, what its text takes and in which font.
void Describe(GtkWidget* widget, std::string& layout) {
    if (!gtk_widget_get_mapped(widget)) return;
    GtkAllocation box;
    gtk_widget_get_allocation(widget, &box);
    layout += G_OBJECT_TYPE_NAME(widget);
    for (int number : {box.x, box.y, box.width, box.height}) layout.append(" ").append(std::to_string(number));
    PangoLayout* text = GTK_IS_LABEL(widget)   ? gtk_label_get_layout(GTK_LABEL(widget))
                        : GTK_IS_ENTRY(widget) ? gtk_entry_get_layout(GTK_ENTRY(widget))
                                               : nullptr;
    if (text) {
        int width = 0, height = 0;
        pango_layout_get_pixel_size(text, &width, &height);
        layout.append(" ").append(std::to_string(width)).append("x").append(std::to_string(height));
        layout.append(" ").append(FontInForce(text)).append(" ").append(pango_layout_get_text(text));
    }
    layout += "\n";
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer layout) { Describe(child, *static_cast<std::string*>(layout)); }, &layout);
}

std::string ScreenLayout() {
    gdk_display_sync(gdk_display_get_default());  // what the display server sends back is on its way
    RunPending();
    NextFrame();
    std::string layout;
    for (GtkWidget* window : WindowsOnScreen()) Describe(window, layout);
    return layout;
}

}  // namespace

bool WaitForToolkit(const std::string& what, const std::function<bool()>& done) {
    return WaitFor(what, done, ToolkitTurn);
}

void Settle() {
    std::string before = ScreenLayout();
    WaitFor(
        "the windows on the screen to keep their layout for two frames",
        [&] {
            std::string now = ScreenLayout();
            std::swap(now, before);
            return now == before;
        },
        [] {});
}

}  // namespace ui_contract
