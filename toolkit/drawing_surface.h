#pragma once
// A child control to draw on, read pixels from and turn into .bmp bytes.
#include "control.h"
#include "handles.h"
#include "picture.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

class DrawingSurface : public Control {
  public:
    using Control::Control;

    // Repaints the client area with the background; earlier drawing is gone.
    void clear();
    // Text with its character cell's top-left at (x, y); each line break starts a new line
    // 2 pixels below the previous cell.
    void writeTextAt(int x, int y, std::string_view text);
    // The pixel's colour now; notOnScreen for a hidden surface or a point outside it.
    std::uint32_t getPoint(int x, int y) const;
    // Corners in any order: outline with the pen, inside with the brush.
    void drawRectangle(int x1, int y1, int x2, int y2);
    // w x h pixels from (x, y) (from the raster if this surface keeps its drawing) to (tx, ty)
    // of the target's raster and screen; nothing if w or h is 0 or less.
    void copyRegion(int x, int y, int w, int h, DrawingSurface& target, int tx, int ty);
    // The same, but from the background alone (picture over colour), without any drawing.
    void copyBackgroundRegion(int x, int y, int w, int h, DrawingSurface& target, int tx, int ty);
    // The client area (from the raster if it keeps drawing) as .bmp bytes.
    std::string getImage() const;
    // The same as a picture (a bitmap), for the clipboard.
    Picture picture() const;

    const std::string& backgroundPicture() const { return picture_; }
    // Empty bytes remove the picture; undecodable bytes are dropped. Erases all drawing.
    void setBackgroundPicture(std::string_view bytes);
    // As setBackgroundPicture, with a picture that is a bitmap already (a screenshot): it is
    // taken over as it is.
    void useAsBackground(Picture picture);
    Colour backgroundColour() const { return backgroundColour_; }
    void setBackgroundColour(Colour colour);
    Colour penColour() const { return penColour_; }
    void setPenColour(Colour colour);
    // A face name that fits the platform's font record (1 to 31 UTF-16 units), else "宋体".
    std::string fontName() const;
    void setFontName(std::string_view name);
    // Points; the character height becomes size x vertical dpi / 72 pixels, rounded.
    double fontSize() const { return fontSize_; }
    void setFontSize(double points);

    // Showing puts the background in place at once.
    void setVisible(bool visible) override;
    int clientWidth() const;
    int clientHeight() const;

  protected:
    NativeSpec nativeSpec() const override;
    void afterCreate() override;
    LRESULT ownProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    const SurfaceSettings& settings() const {
        return std::get<SurfaceSettings>(definition().settings);
    }
    void paintBackground(HDC dc, int width, int height) const {
        paintBackgroundPart(dc, 0, 0, 0, 0, width, height);
    }
    // The w x h part at (x, y) of the background, painted at (dx, dy) of the DC.
    void paintBackgroundPart(HDC dc, int dx, int dy, int x, int y, int w, int h) const;
    void resizeRaster(int width, int height);
    void setBackgroundTile(Picture picture);
    void paintClient(HDC dc) const;
    void repaintNow();
    HFONT currentFont() const;
    void makeFont();
    // Runs draw(dc) on the raster (if any) and on the screen (if shown).
    template <typename Draw> void drawEverywhere(Draw draw);

    Colour backgroundColour_ = white;
    Colour penColour_ = black;
    std::string picture_;
    Canvas pictureTile_; // the decoded picture, compatible with the screen
    Canvas raster_;      // only for a surface that keeps its drawing
    Pen pen_;
    Brush brush_;
    Font font_;
    LOGFONTW logFont_{};
    bool hasFont_ = false;
    double fontSize_ = 0;
};

// The whole primary screen at this moment as .bmp bytes.
std::string takeScreenshot();
int screenWidth();
int screenHeight();

} // namespace toolkit
