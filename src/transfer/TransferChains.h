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
// runs the chain through `TransferSteps`.
class TransferChains : public TransferSteps {
public:
    TransferChains(TransferHost& host, TData& data, Document& document);

    // `btnLoadAllFromPanel`: devices, zones, groups, site and custom names.
    void LoadAllFromPanel();
    // `btnLoadFromPanel`: the section of the active page. False when the
    // page has nothing to load (no transfer starts).
    bool LoadFromPanel();
    // `btnSaveAllToPanel`: devices, zones, groups, site and custom names.
    void SaveAllToPanel();
    // `btnSavetoPanel`: the section of the active page; false as above.
    bool SaveToPanel();

    void DispatchFirst() override;
    void LoadAnswer(unsigned char command, const std::string& packet) override;
    void Acknowledged() override;

private:
    TransferHost& host_;
    LoadChain load_;
    SaveChain save_;
};

}  // namespace kelvane
