// Under a dark desktop palette every text of the program stays readable:
// texts and backgrounds come from the palette, none is fixed.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <cmath>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "comms/PanelComms.h"
#include "comms/PortSettings.h"
#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"
#include "ui/controller/TCommSelectForm.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/platform/QtUserSettings.h"
#include "ui/window/HelpWindow.h"
#include "ui/window/TAboutBox.h"

namespace kelvane::test {
namespace {

// A dark palette as a desktop's dark theme gives it.
QPalette DarkPalette() {
    const QColor window(49, 54, 59), base(35, 38, 41), text(239, 240, 241);
    QPalette dark(text, window, window.lighter(150), window.darker(180), window.darker(130), text, Qt::white,
                  base, window);
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::Link, QColor(90, 170, 240));
    dark.setColor(QPalette::LinkVisited, QColor(180, 140, 230));
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    return dark;
}

double Luminance(QRgb colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double Contrast(QRgb a, QRgb b) {
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// What a region of the screen shows: its commonest colour (the background)
// and the colour that stands out from it most (the text drawn on it).
struct Drawn {
    QRgb background = 0;
    double contrast = 1;
};

Drawn Look(QWidget* widget, const QRect& region) {
    const QImage image = widget->grab(region).toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    Drawn drawn;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) most = it.value(), drawn.background = it.key();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        drawn.contrast = std::max(drawn.contrast, Contrast(it.key(), drawn.background));
    return drawn;
}

// Where a control draws its text (without its frame, bevel or tick box).
std::optional<QRect> TextRegion(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().trimmed().isEmpty()) return std::nullopt;
        return label->contentsRect();
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        if (box->text().isEmpty()) return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->text().isEmpty()) return std::nullopt;
        return button->rect().adjusted(4, 4, -4, -4);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text().isEmpty()) return std::nullopt;
        return edit->rect().adjusted(3, 3, -3, -3);
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (group->title().isEmpty()) return std::nullopt;
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    }
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) return tabs->tabRect(tabs->currentIndex());
    return std::nullopt;
}

class DarkPaletteTest : public MainWindowTest {
protected:
    static void SetUpTestSuite() {
        MainWindowTest::SetUpTestSuite();
        savedStyle = new QString(QApplication::style()->name());
        savedPalette = new QPalette(QApplication::palette());
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    static void TearDownTestSuite() {
        QApplication::setStyle(QStyleFactory::create(*savedStyle));
        QApplication::setPalette(*savedPalette);
        delete savedStyle;
        delete savedPalette;
        MainWindowTest::TearDownTestSuite();
    }

    // Every enabled, visible text under `root` stands out from what it is
    // drawn on; returns how many texts were looked at.
    static int ExpectReadable(QWidget* root, const std::string& where) {
        int looked = 0;
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* widget : widgets) {
            if (!widget->isVisible() || !widget->isEnabled()) continue;
            const std::optional<QRect> region = TextRegion(widget);
            if (!region || region->isEmpty()) continue;
            ++looked;
            const Drawn drawn = Look(widget, *region);
            EXPECT_GE(drawn.contrast, 4.5) << where << ": " << widget->metaObject()->className() << " "
                                           << widget->objectName().toStdString();
        }
        return looked;
    }

    static bool Dark(QWidget* widget) { return Luminance(Look(widget, widget->rect()).background) < 0.1; }

    static inline QString* savedStyle = nullptr;
    static inline QPalette* savedPalette = nullptr;
};

TEST_F(DarkPaletteTest, EveryPageOfTheMainWindow) {
    Show();
    int looked = 0;
    for (int page = 0; page < Child<QTabWidget>(*window, "ConfigPages")->count(); ++page) {
        if (!Child<QTabWidget>(*window, "ConfigPages")->isTabVisible(page)) continue;
        Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(page);
        const std::string caption = Child<QTabWidget>(*window, "ConfigPages")->tabText(page).toStdString();
        looked += ExpectReadable(window.get(), caption);
        EXPECT_TRUE(Dark(Child<QTabWidget>(*window, "ConfigPages")->currentWidget())) << caption;
    }
    EXPECT_TRUE(Dark(Child<QFrame>(*window, "ToolBar1")));
    EXPECT_TRUE(Dark(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->viewport()));
    // The Site Config tab alone has dozens of labels, boxes and ticks.
    EXPECT_GT(looked, 40);
}

// The zone boxes draw on a fixed white: their text must not come from the
// dark palette.
TEST_F(DarkPaletteTest, ZoneEquationsOnTheirFixedBackgrounds) {
    Show();
    data.ZoneList.Zones[1].AreaEquation = {26, 0, 2, 26, 26, 26, 26, 26, 26};
    data.ZoneList.Zones[1].DeviceEquation = {256, 4, 119, 256, 256, 256, 256, 256, 256};
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    for (const char* name : {"iAreaEqnEditBox1", "iDeviceEqnEditBox1"}) {
        auto* box = Child<QLineEdit>(*window, name);
        ASSERT_FALSE(box->text().isEmpty()) << name;
        EXPECT_GE(Look(box, box->rect().adjusted(3, 3, -3, -3)).contrast, 4.5) << name;
    }
}

TEST_F(DarkPaletteTest, StatusWindowAboutBoxAndPortDialog) {
    Show();
    window->Status().Show();
    window->Status().SetStatusText("Loading Data from Disk, Please Wait...");
    EXPECT_GT(ExpectReadable(Child<TfrmStatus>(*window, "frmStatus"), "status window"), 0);
    EXPECT_TRUE(Dark(Child<TfrmStatus>(*window, "frmStatus")));
    window->Status().Close();

    Child<TAboutBox>(*window, "AboutBox")->show();
    EXPECT_GE(ExpectReadable(Child<TAboutBox>(*window, "AboutBox"), "about box"), 5);
    EXPECT_TRUE(Dark(Child<TAboutBox>(*window, "AboutBox")));
    Child<TAboutBox>(*window, "AboutBox")->hide();

    QTemporaryDir folder;
    ManualClock linkClock;
    SimulatedLine line;
    PortPaths paths;
    TPanelComms link{line.A(), linkClock, paths};
    QtUserSettings store(folder.filePath("ports.ini"));
    PortSettings ports(store);
    TCommSelectForm form(link, paths, ports);
    form.show();
    EXPECT_GE(ExpectReadable(&form, "port dialog"), 6);
    EXPECT_TRUE(Dark(&form));
}

TEST_F(DarkPaletteTest, HelpPagesDrawTheirTextInThePalettesColours) {
    Show();
    QTextBrowser* browser = window->HelpViewer().Browser;
    const QRgb base = browser->palette().color(QPalette::Base).rgb();
    for (int context : HelpWindow::Contexts()) {
        window->ShowHelp(context);
        EXPECT_TRUE(Dark(browser->viewport())) << context;
        for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                const QRgb ink = format.isAnchor() ? browser->palette().color(QPalette::Link).rgb()
                                 : format.hasProperty(QTextFormat::ForegroundBrush)
                                     ? format.foreground().color().rgb()
                                     : browser->palette().color(QPalette::Text).rgb();
                EXPECT_GE(Contrast(ink, base), 4.5)
                    << "help " << context << ": " << fragment.fragment().text().toStdString();
            }
        }
    }
    window->HelpViewer().close();
}

}  // namespace
}  // namespace kelvane::test
