#include "ui/eventlog/ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace kelvane {

namespace {

constexpr std::uint64_t kShowAfterMs = 500;
constexpr int kSteps = 1000;

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const Clock& clock, QString title, QString text)
    : parent_(parent),
      clock_(clock),
      title_(std::move(title)),
      text_(std::move(text)),
      startMs_(clock.NowMs()) {}

ProgressWindow::~ProgressWindow() {
    delete window_;
}

bool ProgressWindow::Report(double fraction) {
    if (!window_) {
        if (clock_.NowMs() - startMs_ <= kShowAfterMs) return true;
        window_ = new QProgressDialog(text_, QStringLiteral("Cancel"), 0, kSteps, parent_);
        window_->setObjectName(QStringLiteral("ProgressWindow"));
        window_->setWindowTitle(title_);
        window_->setWindowModality(Qt::WindowModal);
        window_->setMinimumDuration(0);
        window_->setAutoReset(false);
        window_->setAutoClose(false);
        window_->show();
    }
    window_->setValue(static_cast<int>(fraction * kSteps));
    QCoreApplication::processEvents();
    return !window_->wasCanceled();
}

Progress::Report ProgressWindow::Part(double from, double to) {
    return [this, from, to](std::size_t done, std::size_t total) {
        return Report(from + (to - from) * (total > 0 ? double(done) / double(total) : 1.0));
    };
}

}  // namespace kelvane
