#include "app/cli/PortSession.h"

#include "app/cli/ControllerTransfer.h"

namespace kelvane::cli {

PortSession::PortSession(const std::string& port, TData& data, Prompts& prompts)
    : application_(MakeCoreApplication()) {
    paths_.SetOverride(port);
    session_ = std::make_unique<TransferSession>(device_, clock_, paths_, data, document_, prompts);
    TPanelComms& comms = session_->Comms();
    pollTimer_ = std::make_unique<QtPollTimer>([&comms] { comms.Port().PollTick(); });
    comms.Port().SetPollTimer(pollTimer_.get());
    comms.ProcessPendingEvents = [] { ProcessPendingEvents(); };
}

PortSession::~PortSession() {
    TPanelComms& comms = session_->Comms();
    comms.Close();
    comms.Port().SetPollTimer(nullptr);
}

}  // namespace kelvane::cli
