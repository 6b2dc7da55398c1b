#pragma once
#include <QLineEdit>
#include <string>

namespace kelvane {

// A night mode time box: the time "HH:MM" (or "H:MM") is typed, and only
// what can still become a time of day is taken as the user types. Up and
// Down step the minutes, Page Up and Page Down the hours, as the arrows
// beside the box do. Left, the box shows its last finished time as "HH:MM"
// (an unfinished one is dropped).
class SiteConfigTimeEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SiteConfigTimeEdit(QWidget* parent = nullptr);

    // Shows `time` as the box's last finished time.
    void ShowTime(const QString& time);

signals:
    // A complete time was typed, as "HH:MM".
    void timeTyped(const std::string& time);
    // A key asked to step the time by hours or minutes.
    void stepped(int hours, int minutes);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString finished_;
};

}  // namespace kelvane
