#pragma once
#include <string>

#include "file/Document.h"
#include "model/Data.h"
#include "transfer/LoadChain.h"
#include "transfer/SaveChain.h"
#include "transfer/TransferHost.h"

namespace kelvane {

// The load and save chains behind the four transfer commands. The window
// (or the command line) calls a command after moving the focus off the code
// boxes and checking `Document::CodesValid`; the transfer supervision then
// runs the chain through `TransferSteps`. Each command returns false when no
// transfer started: on the event log page nothing at all is touched, and a
// save that would send a mode time that does not read says so and sends
// nothing.
class TransferChains : public TransferSteps {
public:
    TransferChains(TransferHost& host, TData& data, Document& document);

    // `btnLoadAllFromPanel`: devices, zones, groups, site and custom names.
    bool LoadAllFromPanel();
    // `btnLoadFromPanel`: the section of the active page. False when the
    // page has nothing to load (no transfer starts).
    bool LoadFromPanel();
    // `btnSaveAllToPanel`: devices, zones, groups, site and custom names.
    bool SaveAllToPanel();
    // `btnSavetoPanel`: the section of the active page; false as above.
    bool SaveToPanel();

    void DispatchFirst() override;
    void LoadAnswer(unsigned char command, const std::string& packet) override;
    void Acknowledged() override;

private:
    // False, after telling the user why, when the site settings cannot be sent.
    bool SiteSaveMayStart();

    TransferHost& host_;
    const TData& data_;
    LoadChain load_;
    SaveChain save_;
};

}  // namespace kelvane
