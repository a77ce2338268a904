// The program's style draws the overflow arrows of menu bars and tool bars, so that building
// the main window reads no picture file (which would load every picture-format plug-in).
#include "platform/programstyle.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QToolBar>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool pictureFormatPluginLoaded() {
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return maps.readAll().contains("/imageformats/");
}

// Builds and shows a window with a menu bar and a tool bar, then ends the process: 0 when no
// picture-format plug-in was loaded, 4 when one was.
[[noreturn]] void buildWindowAndReport() {
    if (pictureFormatPluginLoaded()) std::_Exit(5);  // nothing to tell apart
    QMainWindow w;
    w.menuBar()->addMenu("&File")->addAction("E&xit");
    w.addToolBar("Tools")->addAction("Start");
    w.resize(400, 300);
    w.show();
    QApplication::processEvents();
    std::_Exit(pictureFormatPluginLoaded() ? 4 : 0);
}

int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

QRgb inkColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 250) return image.pixel(x, y);
    return 0;
}

}  // namespace

TEST(ProgramStyle, TheMainWindowsBarsLoadNoPicturePlugIn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QApplication::setStyle(createProgramStyle());
            buildWindowAndReport();
        },
        ::testing::ExitedWithCode(0), "");
    // Without it the same window does load them: the check above can see what it looks for.
    EXPECT_EXIT(buildWindowAndReport(), ::testing::ExitedWithCode(4), "");
}

TEST(ProgramStyle, KeepsThePlatformsStyleAndPalette) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const QString style = QApplication::style()->name();
            const QPalette before = QApplication::palette();
            installProgramStyle();
            installProgramStyle();  // a second call changes nothing
            const QPalette after = QApplication::palette();
            for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                                    QPalette::Button, QPalette::ButtonText, QPalette::Highlight})
                for (const auto group : {QPalette::Active, QPalette::Disabled})
                    if (before.color(group, role) != after.color(group, role)) std::_Exit(6);
            auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
            std::_Exit(proxy && proxy->baseStyle()->name() == style ? 0 : 7);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ProgramStyle, OverflowArrowsAreDrawnAtEverySizeAndGreyWhenDisabled) {
    std::unique_ptr<QStyle> style(createProgramStyle());
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon icon = style->standardIcon(which);
        for (const int size : {8, 16, 24, 48}) {
            const QImage normal = icon.pixmap(size, size).toImage();
            ASSERT_EQ(normal.width(), size);
            EXPECT_GT(inkPixels(normal), size / 2) << "size " << size;
            EXPECT_LT(inkPixels(normal), size * size / 2) << "size " << size;
        }
        const QImage normal = icon.pixmap(24, 24, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(24, 24, QIcon::Disabled).toImage();
        EXPECT_NE(inkColour(normal), inkColour(disabled));
    }
    // The two arrows differ: one points along a bar running across, the other down.
    EXPECT_NE(style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 16).toImage(),
              style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16, 16).toImage());
    // Every other icon is still the platform style's own.
    EXPECT_FALSE(style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}
