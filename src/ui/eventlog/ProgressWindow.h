#pragma once
#include <QPointer>
#include <QString>
#include <cstdint>

#include "core/Clock.h"
#include "core/Progress.h"

class QProgressDialog;
class QWidget;

namespace kelvane {

// The progress of a long load or save: a window over `parent` with a title,
// a text, a bar and Cancel. It appears only once the work has taken more than half
// a second of `clock` time, and goes when the object does. While it shows,
// the events are processed at every report, so that the window paints and
// Cancel can be clicked; the rest of `parent`'s window takes no input.
class ProgressWindow {
public:
    ProgressWindow(QWidget* parent, const Clock& clock, QString title, QString text);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // The work has got to `fraction` (0 to 1) of the way; false once the
    // user cancelled it.
    bool Report(double fraction);
    // A report of `done` of `total` units of a part of the work that goes
    // from `from` to `to` of the way, for Progress.
    Progress::Report Part(double from, double to);

private:
    QWidget* parent_;
    const Clock& clock_;
    QString title_;
    QString text_;
    std::uint64_t startMs_;
    QPointer<QProgressDialog> window_;
};

}  // namespace kelvane
