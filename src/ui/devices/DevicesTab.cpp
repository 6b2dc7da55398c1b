#include "ui/devices/DevicesTab.h"

#include <QLayout>
#include <QVBoxLayout>
#include <numeric>

#include "ui/devices/DeviceFindBar.h"
#include "ui/devices/DeviceTypeToolBar.h"
#include "ui/devices/TfrmLoop.h"

namespace kelvane {

DevicesTab::DevicesTab(TData& data, Document& document, Prompts& prompts, const DeviceImages& images,
                       TNamesForm& namesForm, QWidget* parent)
    : QWidget(parent), data_(data) {
    frmLoop1 = new TfrmLoop(data, document, prompts, images, namesForm, this);
    FindBar = new DeviceFindBar(data, this);
    FindBar->Listed = [this] {
        std::vector<int> listed(static_cast<std::size_t>(data_.Loop.NoLoopDevices()));
        std::iota(listed.begin(), listed.end(), 1);
        return listed;
    };
    FindBar->Show = [this](int device) { frmLoop1->SelectDevice(device); };
    // In line with the loop frame's own margins.
    FindBar->layout()->setContentsMargins(6, 4, 6, 0);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(FindBar);
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
    frmLoop1->RefreshDeviceInfo();
}

void DevicesTab::HoldBackEditing(bool held) {
    frmLoop1->HoldBackEditing(held);
}

}  // namespace kelvane
