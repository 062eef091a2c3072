#pragma once
// Qt Gui for the subcommands that render or decode pictures: no display and no window system,
// the offscreen platform unless QT_QPA_PLATFORM names another, and 96 dpi as in the window.
#include <QGuiApplication>

#include <memory>

namespace zolvik::cli {

// The dpi the font header is rendered at.
inline constexpr qreal kRenderDpi = 96.0;

// Holds a QGuiApplication for as long as it lives, or nothing when the process has one already.
class GuiSession {
public:
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession &) = delete;
    GuiSession &operator=(const GuiSession &) = delete;

private:
    std::unique_ptr<QGuiApplication> FApplication;
};

}  // namespace zolvik::cli
