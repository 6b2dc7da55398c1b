#include "ui/devices/DeviceTypeToolBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

#include "model/DeviceCatalogue.h"
#include "ui/devices/DeviceImages.h"

namespace kelvane {

namespace {

constexpr const char* kTagProperty = "tag";

QToolButton* MakeTool(QWidget* bar, const QString& name, int tag, QSize size) {
    auto* tool = new QToolButton(bar);
    tool->setObjectName(name);
    tool->setProperty(kTagProperty, tag);
    tool->setCheckable(true);
    tool->setAutoRaise(true);
    // Tab reaches the tools and Space presses the one with the focus.
    tool->setFocusPolicy(Qt::TabFocus);
    tool->setFixedSize(size);
    // The picture fills the button but for a thin edge that shows the state.
    tool->setIconSize(QSize(kDeviceImageSide, kDeviceImageSide).boundedTo(size - QSize(4, 4)));
    return tool;
}

}  // namespace

DeviceTypeToolBar::DeviceTypeToolBar(const DeviceImages& images, QSize buttonSize, QWidget* parent)
    : QWidget(parent), images_(images) {
    setObjectName(QStringLiteral("DeviceToolBar"));
    // The tool that is down stands out in the selection colour, under any
    // palette; the one with the keyboard has a dotted edge.
    setStyleSheet(
        QStringLiteral("QToolButton { border: 2px solid transparent; border-radius: 4px; }"
                       "QToolButton:hover { border-color: palette(mid); }"
                       "QToolButton:checked { background-color: palette(highlight);"
                       " border-color: palette(highlight); }"
                       "QToolButton:focus { border-style: dotted; border-color: palette(text); }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int tag = 1; tag <= kDeviceToolCount; ++tag) {
        QToolButton* tool = MakeTool(this, QStringLiteral("ToolButton%1").arg(tag), tag, buttonSize);
        tool->setVisible(DeviceTypeOnToolbar(tag));
        row->addWidget(tool);
        tools_.append(tool);
    }
    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    row->addSpacing(4);
    row->addWidget(separator);
    row->addSpacing(4);
    ToolButtonRemove = MakeTool(this, QStringLiteral("ToolButtonRemove"), dtNotFitted, buttonSize);
    row->addWidget(ToolButtonRemove);
    tools_.append(ToolButtonRemove);
    row->addStretch(1);

    for (QToolButton* tool : tools_)
        connect(tool, &QToolButton::clicked, this, [this, tool] { ToolClicked(tool); });
    RefreshImages();
    RefreshHints();
}

QToolButton* DeviceTypeToolBar::ToolButton(int tag) const {
    return tag >= 1 && tag <= kDeviceToolCount ? tools_.at(tag - 1) : nullptr;
}

int DeviceTypeToolBar::TagOf(const QToolButton* tool) {
    return tool->property(kTagProperty).toInt();
}

void DeviceTypeToolBar::RefreshImages() {
    for (QToolButton* tool : tools_) tool->setIcon(images_.Icon(TagOf(tool)));
}

void DeviceTypeToolBar::RefreshHints() {
    for (QToolButton* tool : tools_) {
        const int tag = TagOf(tool);
        const std::string hint = tool == ToolButtonRemove ? kRemoveDeviceHint : DeviceTypeLongName(tag);
        const QString text = QString::fromLatin1(hint.data(), static_cast<qsizetype>(hint.size()));
        tool->setToolTip(text);
        tool->setStatusTip(text);
        tool->setAccessibleName(text.isEmpty() ? QStringLiteral("Device type %1").arg(tag) : text);
    }
}

QToolButton* DeviceTypeToolBar::DownTool() const {
    for (QToolButton* tool : tools_)
        if (tool->isChecked()) return tool;
    return nullptr;
}

void DeviceTypeToolBar::RaiseAll() {
    for (QToolButton* tool : tools_) tool->setChecked(false);
}

void DeviceTypeToolBar::ToolClicked(QToolButton* tool) {
    if (tool->isChecked())
        for (QToolButton* other : tools_)
            if (other != tool) other->setChecked(false);
    emit toolClicked(TagOf(tool), tool->isChecked());
}

}  // namespace kelvane
