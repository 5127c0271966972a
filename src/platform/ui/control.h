#pragma once
// The control object: lives for the whole run and keeps its creation
// properties; while its form is open it also has a native window of the
// current backend, to which every operation is forwarded. Without a native
// window every operation has a fixed, harmless result (see each method).
#include <array>
#include <functional>
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_base {

class CQelNativeWindow;
class CQelWinForm;

// Where a control sits: {x, y, width, height}, measured from the top left of
// its parent's client area, so a frame's title bar and borders never count.
struct CQelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CQelRect&) const = default;
};

// Creation styles; each applies to the kinds named beside it.
struct CQelStyle {
    static constexpr unsigned None = 0;
    static constexpr unsigned MultiLine = 1u << 0;      // edit: several lines, Enter breaks the line
    static constexpr unsigned VScroll = 1u << 1;        // edit, list: vertical scroll bar
    static constexpr unsigned HScroll = 1u << 2;        // edit, check list: horizontal scroll bar (edits wrap without)
    static constexpr unsigned StaticEdge = 1u << 3;     // any: thin sunken border (see SetStaticEdgeBorder)
    static constexpr unsigned AlignRight = 1u << 4;     // label: text drawn right-aligned
    static constexpr unsigned WordWrap = 1u << 5;       // label: several lines, wrapped at the width
    static constexpr unsigned ReadOnly = 1u << 6;       // edit
    static constexpr unsigned Password = 1u << 7;       // edit: shows "*" for every character
    static constexpr unsigned DropDownList = 1u << 8;   // combo: choose from the list only, no typing
    static constexpr unsigned EditableCells = 1u << 9;  // report list: every cell can be edited in place
};

enum class CQelControlKind {
    Form,
    Button,
    Label,
    Edit,
    GroupBox,
    CheckBox,
    RadioButton,
    ComboBox,
    ListBox,
    CheckListBox,
    ReportList,
    Container,
    Browser,
};

// What a handler can be bound to. A handler receives the control that raised it.
enum class CQelEvent {
    Click,             // button pressed; check box or radio button clicked
    DoubleClick,       // list box entry double-clicked
    SelectionChanged,  // list box selection changed by the user; combo item chosen (also the one already shown)
    TextChanged,       // edit text changed: typed, pasted, or set from code
    CheckChanged,      // the user changed a check mark (check box, radio button, check list entry)
    Created,           // form: controls built, before the creating call returns
    Destroyed,         // form: native window about to go, its controls still readable
    Resized,           // form: client area changed size
};
inline constexpr size_t kQelEventCount = 8;

class CQelControl {
public:
    using Handler = std::function<void(CQelControl& sender)>;

    explicit CQelControl(CQelControlKind kind) : m_kind(kind) {}
    virtual ~CQelControl();
    CQelControl(const CQelControl&) = delete;
    CQelControl& operator=(const CQelControl&) = delete;

    // Creates the native window inside `parent` (a form, a group box, ...) at
    // `rect`, relative to the parent's client area (to a group box's outer
    // corner). The properties are stored whatever happens; false when the
    // parent has no native window or this control already has one.
    bool Create(CQelControl& parent, int id, CQelRect rect, const CWString& text = u"", const CWString& font = u"",
                unsigned style = CQelStyle::None);

    // One handler per event kind; binding again replaces it.
    void Bind(CQelEvent event, Handler handler);
    template <class T>
    void Bind(CQelEvent event, T* target, void (T::*method)(CQelControl&)) {
        Bind(event, [target, method](CQelControl& sender) { (target->*method)(sender); });
    }
    // Runs the bound handler, if any, with this control as the sender.
    void RaiseEvent(CQelEvent event);

    // Native text (a form's caption), or the stored creation text without a native window.
    CWString GetControlText() const;
    // With a native window: shows the text (an edit raises TextChanged). Without:
    // becomes the creation text of the next opening.
    void SetControlText(const CWString& text);
    // Font description "face, points, bold, italic, underline, strike-out, angle";
    // kept for the next creation and applied now when a native window exists.
    void SetControlFont(const CWString& description);
    // Thin sunken border instead of the client edge.
    void SetStaticEdgeBorder();
    // Enabled state: kept for the next creation, applied now when possible.
    void Enable(bool enabled);
    // Moves the native window (scaled like creation rectangles) and repaints it.
    void Move(CQelRect rect);
    void Show(bool visible);

    CQelControlKind Kind() const { return m_kind; }
    int Id() const { return m_id; }
    const CWString& CreationText() const { return m_text; }
    const CWString& FontDescription() const { return m_font; }
    unsigned Style() const { return m_style; }
    bool HasStyle(unsigned style) const { return (m_style & style) == style; }
    bool IsEnabledProperty() const { return m_enabled; }
    CQelControl* Parent() const { return m_parent; }
    // The form this control was last created in (itself for a form).
    CQelWinForm* Form() const;

    bool HasNativeWindow() const { return m_native != nullptr; }
    // For backends and test drivers only.
    CQelNativeWindow* NativeWindow() const { return m_native; }

protected:
    // Kind-specific creation properties (items, check marks, ...) go to the new native window here.
    virtual void OnNativeCreated() {}
    void AttachNative(CQelNativeWindow* native);
    CWString m_text;

private:
    friend class CQelNativeWindow;
    friend class CQelWinForm;
    void DetachNative();

    CQelControlKind m_kind;
    CQelControl* m_parent = nullptr;
    CQelWinForm* m_form = nullptr;
    int m_id = 0;
    CWString m_font;
    unsigned m_style = CQelStyle::None;
    bool m_enabled = true;
    CQelNativeWindow* m_native = nullptr;
    std::array<Handler, kQelEventCount> m_handlers;
};

}  // namespace rg_qelvane_base
