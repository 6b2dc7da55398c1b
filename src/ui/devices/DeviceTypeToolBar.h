#pragma once
#include <QList>
#include <QWidget>

class QToolButton;

namespace kelvane {

class DeviceImages;

inline constexpr int kDeviceToolCount = 15;  // ToolButton1..ToolButton15
inline constexpr const char* kRemoveDeviceHint = "Remove device";

// The device-type tool bar of the device editors: `ToolButton1` to
// `ToolButton15`, whose tag and picture are the type code they place, a
// separator and `ToolButtonRemove` (tag 0, picture 0). Only the types that
// the catalogue offers for placing are shown. The tools are check buttons of
// one group in which all may be up, so at most one is down at a time.
class DeviceTypeToolBar : public QWidget {
    Q_OBJECT
public:
    DeviceTypeToolBar(const DeviceImages& images, QSize buttonSize, QWidget* parent = nullptr);

    // Tool `tag` (1..15); nullptr outside that range.
    QToolButton* ToolButton(int tag) const;
    QToolButton* ToolButtonRemove;
    // ToolButton1..ToolButton15, then ToolButtonRemove.
    const QList<QToolButton*>& Tools() const { return tools_; }
    static int TagOf(const QToolButton* tool);

    // Gives every tool the picture of its tag.
    void RefreshImages();
    // Gives every tool the long type name of its tag as hint (empty from 10
    // up) and the remove tool "Remove device".
    void RefreshHints();

    // The tool that is down; nullptr when all are up.
    QToolButton* DownTool() const;
    // Raises every tool.
    void RaiseAll();

signals:
    // A tool was clicked; `down` tells whether it is down now.
    void toolClicked(int tag, bool down);

private:
    void ToolClicked(QToolButton* tool);

    const DeviceImages& images_;
    QList<QToolButton*> tools_;
};

}  // namespace kelvane
