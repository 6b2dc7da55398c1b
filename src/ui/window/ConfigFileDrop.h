#pragma once
#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMimeData;
class QWidget;

namespace kelvane {

// Opens a site file (.KCF) dropped anywhere on a window, also onto a box
// that takes dropped text itself. Other drops go where they went before.
// A drop is taken only while the Open command it follows is available; the
// file is opened once the drop has finished.
class ConfigFileDrop : public QObject {
    Q_OBJECT
public:
    ConfigFileDrop(QWidget& window, QAction* open);
    ~ConfigFileDrop() override;

    // The site file a drag carries (the first, when it carries several).
    static std::optional<std::string> DroppedConfigFile(const QMimeData* data);

    // A site file was dropped: the path to open.
    std::function<void(const std::string& path)> OnDrop;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnWindow(QObject* watched) const;

    QWidget& window_;
    QAction* open_;
};

}  // namespace kelvane
