#pragma once
// Declarative window definitions: every window and control is built from one of these tables.
#include "colour.h"
#include "events.h"

#include <string>
#include <variant>
#include <vector>

namespace toolkit {

enum class Border { none, line, thinSunken, sunken };
enum class HorizontalAlign { left, centre, right };

// A font of the control's own; an empty face means the platform's default interface font.
struct FontSpec {
    std::string face;
    int height = 0; // as in LOGFONT: negative = character height without internal leading
    int weight = 400;
};

struct GroupBoxSettings {
    Colour textColour = black;
    Colour backgroundColour = white;
};

struct PushButtonSettings {
    std::string caption;
};

struct LabelSettings {
    std::string caption;
    Border border = Border::none;
    Colour textColour = black;
    Colour backgroundColour = white;
};

struct EditBoxSettings {
    std::string text;
    bool multiLine = false;
    bool horizontalScrollBar = false;
    bool verticalScrollBar = false;
    HorizontalAlign align = HorizontalAlign::left;
    Border border = Border::sunken;
    Colour textColour = black;
    Colour backgroundColour = white;
    FontSpec font;
};

enum class PenStyle { solid, dotted };
enum class BrushStyle { solid, hollow };
enum class SurfaceCursor { arrow, crossHair };

struct SurfaceSettings {
    Border border = Border::none;
    Colour backgroundColour = white;
    std::string backgroundPicture; // .bmp bytes, tiled from the top-left
    bool keepsDrawing = false;
    PenStyle penStyle = PenStyle::solid;
    int penWidth = 1;
    Colour penColour = black;
    BrushStyle brushStyle = BrushStyle::solid;
    Colour brushColour = white;
    Colour textColour = black;
    bool transparentTextBackground = true;
    Colour textBackgroundColour = white;
    FontSpec font; // empty face and zero height: no stored font
    SurfaceCursor cursor = SurfaceCursor::arrow;
    // Draws and is read in a raster of its own of the stored size, with font sizes taken at
    // 96 DPI: what it gives depends on nothing of the display (scaling, position, windows
    // over it). The screen shows the raster while the surface is shown.
    bool independentOfDisplay = false;
};

struct ColourPickerSettings {
    Colour colour = black;
};

struct ComboBoxSettings {
    std::string editText;
    int listHeight = 160; // the drop-down list part, at least
};

struct ToolbarButton {
    std::string text;
    std::string tooltip;
    bool indeterminate = false;
};

struct ToolbarSettings {
    Colour backgroundColour = systemButtonFace;
    std::vector<ToolbarButton> buttons;
};

using ControlSettings =
    std::variant<GroupBoxSettings, PushButtonSettings, LabelSettings, EditBoxSettings,
                 SurfaceSettings, ColourPickerSettings, ComboBoxSettings, ToolbarSettings>;

struct ControlDefinition {
    std::string name;   // form name, unique in its window
    std::string parent; // empty: the window's client area; else a group box of the same window
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    ControlSettings settings;
};

enum class Frame {
    resizableToolWindow, // narrow caption with only a close box
    resizable,           // caption with system menu, minimise and maximise boxes
    fixed,               // fixed border, caption with only a close box
};

struct HandlerBinding {
    std::string control; // empty: the window itself
    Event event;
    Handler handler;
};

struct WindowDefinition {
    std::string name;
    std::string title;
    int left = 0;
    int top = 0;
    int width = 0; // outer size, frame and caption included
    int height = 0;
    Frame frame = Frame::fixed;
    bool clientEdge = false;
    bool visible = true;
    // Positions and sizes are the screen's own pixels, at any display scaling (the capture
    // overlay); otherwise they are 96-DPI pixels, scaled with the display.
    bool screenPixels = false;
    Colour backgroundColour = systemButtonFace;
    std::vector<ControlDefinition> controls; // top of the stacking order first
    std::vector<HandlerBinding> handlers;
};

} // namespace toolkit
