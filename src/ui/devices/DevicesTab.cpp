#include "ui/devices/DevicesTab.h"

#include <QVBoxLayout>

#include "ui/devices/DeviceTypeToolBar.h"
#include "ui/devices/TfrmLoop.h"

namespace kelvane {

DevicesTab::DevicesTab(TData& data, Document& document, Prompts& prompts, const DeviceImages& images,
                       TNamesForm& namesForm, QWidget* parent)
    : QWidget(parent), data_(data) {
    frmLoop1 = new TfrmLoop(data, document, prompts, images, namesForm, this);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(frmLoop1);
    connect(frmLoop1, &TfrmLoop::helpRequested, this, &DevicesTab::helpRequested);
}

void DevicesTab::SetUpLoop() {
    data_.Loop.SystemType = stApolloLoop;
    frmLoop1->DeviceToolBar->RefreshImages();
}

void DevicesTab::RefreshToolbar() {
    frmLoop1->RefreshToolbar();
}

void DevicesTab::RefreshLayout() {
    frmLoop1->FrameResize();
}

void DevicesTab::HoldBackEditing(bool held) {
    frmLoop1->HoldBackEditing(held);
}

}  // namespace kelvane
