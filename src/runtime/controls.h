#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/image.h"
#include "runtime/property.h"

namespace rt {
class Form;

// Something placed on a screen: a picture box, a label or a line.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Prop<double> Left, Top, Width, Height;  // pixels; fractional values are rounded when drawn
    Prop<bool> Visible = true;
    std::string ToolTipText;
    int16_t Index = 0;  // position within its control array

    // Handlers get the control's index within its array.
    std::function<void(int16_t index)> on_click;
    std::function<void(int16_t index, int16_t button, int16_t shift, float x, float y)> on_mouse_move;

    void place(double left, double top, double width, double height);
    bool contains(int x, int y) const;
    virtual bool hit_testable() const { return true; }
    // Draws what falls within clip (frame pixels); the screen's corner is at (origin_x, origin_y).
    virtual void draw(Image& frame, int origin_x, int origin_y, const Rect& clip) = 0;

    // The desktop composes only what changed. Where the control draws, in screen pixels:
    virtual Rect area() const;
    // Adds the frame rectangles whose look changed since the last composition while the
    // control stayed in place (a move or a hide is the desktop's to see).
    virtual void collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage);
    // Takes what it shows now as composed: it was just drawn whole.
    virtual void take_as_composed() { changed_ = false; }

protected:
    // Something it shows changed; the next composition looks at it.
    void mark_changed();
    bool changed_ = true;

private:
    friend class Desktop;
    Rect composed_area_;  // in the frame when it was last composed; empty when it was not
};

// A box with a lasting drawing surface: drawing goes into its picture and shows with it.
class PictureBox : public Control {
public:
    // The drawing surface, at least as large as the box. Drawing into it shows on screen.
    Image& hDC();
    // The box's picture (with whatever was drawn into it).
    const Image& Picture() const { return surface_; }
    // Takes a copy of another picture; the box keeps its own size.
    void SetPicture(Image picture);
    // Shows what was drawn.
    void Refresh();
    // Copies as BitBlt with SRCCOPY does, block of 32 × 32 by block, writing only the blocks
    // that differ: the next composition looks at those alone instead of the whole box.
    void copy_changes(int dx, int dy, int w, int h, const Image& src, int sx, int sy);
    // Changes whenever the surface is handed out or replaced, and never comes back: who keeps
    // notes on what a surface holds sees by it whether anybody else drew there since.
    uint64_t generation() const { return generation_; }

    void draw(Image& frame, int origin_x, int origin_y, const Rect& clip) override;
    void collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage) override;
    void take_as_composed() override;

private:
    static constexpr int kBlock = 32;
    // Takes the block at (bx, by), w × h, as composed, and adds it to damage.
    void accept_block(int bx, int by, int w, int h, int origin_x, int origin_y, std::vector<Rect>& damage);

    void next_generation();

    Image surface_;
    uint64_t generation_ = 0;
    Image composed_;  // the shown part of the surface as last composed
    // Blocks of the surface that copy_changes wrote since the last composition, row by row.
    std::vector<bool> copied_;
    int copied_columns_ = 0;
    bool any_copied_ = false;
};

// A line of text in a bold font; a text wider than the label is narrowed to fit.
class Label : public Control {
public:
    enum class Align { Left, Right, Center };
    Prop<std::string> Caption;
    int font_points = 8;
    Align alignment = Align::Left;

    // Components above 255 count as 255.
    void SetForeColor(int red, int green, int blue);
    uint32_t ForeColor() const { return fore_colour_; }

    void draw(Image& frame, int origin_x, int origin_y, const Rect& clip) override;
    void collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage) override;
    void take_as_composed() override;

private:
    struct Look {
        std::string caption;
        uint32_t colour = 0;
        int points = 0;
        Align alignment = Align::Left;
        bool operator==(const Look&) const = default;
    };
    Look look() const { return {Caption, fore_colour_, font_points, alignment}; }
    Look composed_look_;

    uint32_t fore_colour_ = 0;
    // The rendered caption, kept until caption, colour or size change.
    std::string cached_caption_;
    uint32_t cached_colour_ = 0;
    int cached_points_ = 0;
    int cached_width_ = 0;
    Image cached_text_;
};

// A one-pixel line between two points.
class Line : public Control {
public:
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    uint32_t BorderColor = rgb(255, 255, 255);

    void set(int x1, int y1, int x2, int y2, uint32_t colour);
    bool hit_testable() const override { return false; }
    void draw(Image& frame, int origin_x, int origin_y, const Rect& clip) override;
    Rect area() const override;
    void collect_changes(int origin_x, int origin_y, std::vector<Rect>& damage) override;
    void take_as_composed() override;

private:
    uint32_t composed_colour_ = 0;
};

// Alike controls sharing one name, reached by index.
template <class T>
class ControlArray {
public:
    ControlArray() = default;
    explicit ControlArray(int count) { resize(count); }
    void resize(int count) {
        while (static_cast<int>(items_.size()) < count) {
            items_.push_back(std::make_unique<T>());
            items_.back()->Index = static_cast<int16_t>(items_.size() - 1);
        }
    }
    T& operator[](int index) { return *items_.at(static_cast<size_t>(index)); }
    const T& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
    int size() const { return static_cast<int>(items_.size()); }

    // One handler for every member; the member's index comes with each event.
    void on_click(const std::function<void(int16_t)>& handler) {
        for (auto& item : items_) item->on_click = handler;
    }
    void on_mouse_move(const std::function<void(int16_t, int16_t, int16_t, float, float)>& handler) {
        for (auto& item : items_) item->on_mouse_move = handler;
    }

private:
    std::vector<std::unique_ptr<T>> items_;
};
}  // namespace rt
